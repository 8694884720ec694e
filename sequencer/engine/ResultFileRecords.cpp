#include "vantro/ResultFileRecords.h"

namespace vantro {

void ResultFileRecords::RowsInserted(int insertionRow, int count) {
    for (ResultFileRecord& record : records_)
        if (record.row >= insertionRow)
            record.row += count;
}

void ResultFileRecords::MoveIntoSavedFolder(size_t first, const std::string& savedFolder) {
    for (size_t i = first; i < records_.size(); ++i) {
        std::string& path = records_[i].path;
        size_t slash = path.find('\\');
        if (slash != std::string::npos)
            path = savedFolder + path.substr(slash);
    }
}

std::vector<std::string> ResultFileRecords::PathsOfRow(int row) const {
    std::vector<std::string> paths;
    for (const ResultFileRecord& record : records_)
        if (record.row == row)
            paths.push_back(record.path);
    return paths;
}

}  // namespace vantro
