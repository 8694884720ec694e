// The self and mutual result files of the list's rows, so that a double
// click on a row opens the folders of its files.
#pragma once

#include <string>
#include <vector>

namespace vantro {

struct ResultFileRecord {
    int row;
    std::string path;
};

class ResultFileRecords {
public:
    void Remember(int row, const std::string& path) { records_.push_back({row, path}); }
    void Clear() { records_.clear(); }
    size_t Count() const { return records_.size(); }
    const std::vector<ResultFileRecord>& All() const { return records_; }

    // count rows were inserted at insertionRow: records at or below it move
    // down with their rows; those above keep their numbers.
    void RowsInserted(int insertionRow, int count);

    // After a passed run's logs were saved: the records from index `first` on
    // point into the saved folder (savedFolder + the old path from its first
    // backslash on).
    void MoveIntoSavedFolder(size_t first, const std::string& savedFolder);

    // The paths recorded for a row.
    std::vector<std::string> PathsOfRow(int row) const;

private:
    std::vector<ResultFileRecord> records_;
};

}  // namespace vantro
