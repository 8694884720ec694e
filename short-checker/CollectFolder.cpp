// Collecting one folder of pattern files into the differences between
// neighbouring lines: good lines ("ok"), shorted lines ("inner"), and a
// shorted line against the nearest good line ("inter").
#include <cmath>
#include <cstdio>

#include "PatternReader.h"
#include "ThresholdGenerator.h"

namespace shorvik {

namespace {

// P(x, y) with the roles of x and y exchanged for the y-line folders.
struct Lines {
    const ProductGrid& products;
    bool alongY;
    float at(int line, int across) const {
        return alongY ? products.at(across, line) : products.at(line, across);
    }
};

void addShortedStart(const Lines& p, int lines, int across, int s, DiffSet& set) {
    for (int c = 0; c < across; ++c) {
        set.inter.push_back(PercentDiff(p.at(s - 1, c), p.at(s, c)));
        for (int j = 0; j <= s - 2; ++j) {
            set.inner.push_back(PercentDiff(p.at(j, c), p.at(j + 1, c)));
            set.inter.push_back(PercentDiff(p.at(j, c), p.at(s, c)));
        }
    }
    for (int line = s; line <= lines - 2; ++line)
        for (int c = 0; c < across; ++c)
            set.ok.push_back(PercentDiff(p.at(line, c), p.at(line + 1, c)));
}

void addShortedEnd(const Lines& p, int lines, int across, int s, DiffSet& set) {
    const int good = lines - s - 1;
    for (int c = 0; c < across; ++c) {
        set.inter.push_back(PercentDiff(p.at(lines - s, c), p.at(good, c)));
        for (int i = lines - 1; i >= lines - s + 1; --i) {
            set.inner.push_back(PercentDiff(p.at(i, c), p.at(i - 1, c)));
            set.inter.push_back(PercentDiff(p.at(i, c), p.at(good, c)));
        }
    }
    for (int line = 0; line <= lines - s - 2; ++line)
        for (int c = 0; c < across; ++c)
            set.ok.push_back(PercentDiff(p.at(line, c), p.at(line + 1, c)));
}

void addGoodPanel(const ProductGrid& p, int width, int height, DiffSet& set) {
    for (int x = 0; x <= width - 2; ++x)
        for (int y = 0; y < height; ++y)
            set.ok.push_back(PercentDiff(p.at(x, y), p.at(x + 1, y)));
    for (int y = 0; y <= height - 2; ++y)
        for (int x = 0; x < width; ++x)
            set.ok.push_back(PercentDiff(p.at(x, y), p.at(x, y + 1)));
}

void addGrounded(const MutualReport& report, DiffSet& set) {
    for (int x = 0; x < report.width; ++x)
        for (int y = 0; y < report.height; ++y)
            set.ok.push_back(std::fabs(report.values[x][y] - report.reference) * 100.0f / report.reference);
}

const char* suffixOf(FolderKind kind) {
    switch (kind) {
        case FOLDER_XH:
            return "xh";
        case FOLDER_XE:
            return "xe";
        case FOLDER_YH:
            return "yh";
        case FOLDER_YE:
            return "ye";
        default:
            return "";
    }
}

}  // namespace

DiffSet CollectFolder(const char* folder, FolderKind kind, int shorted, MutualReport& report,
                      ProductGrid& products) {
    DiffSet set;
    std::vector<std::string> files;
    // A listing error leaves the files listed so far: there is nowhere to report it.
    ListPatternFiles(files, folder, "csv", false);
    for (const std::string& path : files) {
        printf("parse %s\n", path.c_str());
        // A file that does not open would hand in the previous file's data again.
        if (!ReadPatternFile(path.c_str(), &report))
            continue;
        for (int x = 0; x < report.width; ++x)
            for (int y = 0; y < report.height; ++y)
                products.at(x, y) = report.nodes[x][y].a * report.nodes[x][y].b;
        const bool alongY = kind == FOLDER_YH || kind == FOLDER_YE;
        const int lines = alongY ? report.height : report.width;
        const int across = alongY ? report.width : report.height;
        switch (kind) {
            case FOLDER_OK:
                addGoodPanel(products, report.width, report.height, set);
                break;
            case FOLDER_GND:
                addGrounded(report, set);
                break;
            default:
                if (lines < shorted + 1) {
                    fprintf(stderr, "GenerateThreshold: %s has fewer than %d lines\n", path.c_str(),
                            shorted + 1);
                    break;
                }
                if (kind == FOLDER_XH || kind == FOLDER_YH)
                    addShortedStart(Lines{products, alongY}, lines, across, shorted, set);
                else
                    addShortedEnd(Lines{products, alongY}, lines, across, shorted, set);
        }
    }
    if (kind == FOLDER_OK) {
        WriteDiffLogs("ok", set.ok);
    } else if (kind == FOLDER_GND) {
        WriteDiffLogs("gnd", set.ok);
    } else {
        char suffix[16];
        snprintf(suffix, sizeof suffix, "_s%d%s", shorted, suffixOf(kind));
        WriteDiffLogs(std::string("inner") + suffix, set.inner);
        WriteDiffLogs(std::string("inter") + suffix, set.inter);
        WriteDiffLogs(std::string("ok") + suffix, set.ok);
    }
    return set;
}

}  // namespace shorvik
