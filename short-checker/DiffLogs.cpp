// Percent differences, their histograms and the diff and hist logs.
#include <cmath>
#include <cstdio>

#include "ThresholdGenerator.h"

namespace shorvik {

float PercentDiff(float u, float v) {
    return std::fabs(u - v) * 100.0f / (u < v ? u : v);
}

PercentHistogram BuildHistogram(const std::vector<float>& values) {
    PercentHistogram histogram;
    for (float value : values) {
        // (int) of NaN or inf is undefined (INT_MIN on x86, far before the
        // bins); a huge value is a dead node and would grow the bins past
        // what a 32-bit process can hold.
        if (!(value >= 0.0f && value < 1000000.0f)) {
            ++histogram.leftOut;
            continue;
        }
        int bin = static_cast<int>(value);
        if (bin > histogram.maxBin) {
            histogram.bins.resize(static_cast<size_t>(bin) + 1, 0);
            histogram.maxBin = bin;
        }
        ++histogram.bins[bin];
        ++histogram.total;
    }
    return histogram;
}

namespace {

// Opens in text mode ("w": CR LF on Windows); reports a file it cannot
// create or write, and generation goes on.
class LogFile {
public:
    explicit LogFile(const std::string& name)
        : name_(name), file_(fopen(name.c_str(), "w")), ok_(file_ != nullptr) {}
    ~LogFile() {
        if (file_ != nullptr && fclose(file_) != 0)
            ok_ = false;
        if (!ok_)
            fprintf(stderr, "GenerateThreshold: cannot write %s\n", name_.c_str());
    }
    template <typename... Args>
    void print(const char* format, Args... args) {
        if (ok_ && fprintf(file_, format, args...) < 0)
            ok_ = false;
    }

private:
    std::string name_;
    FILE* file_;
    bool ok_;
};

}  // namespace

void WriteDiffLogs(const std::string& name, const std::vector<float>& values) {
    if (values.empty())
        return;
    {
        LogFile diff("diff_" + name + ".log");
        for (float value : values)
            diff.print("%f\n", static_cast<double>(value));
    }
    PercentHistogram histogram = BuildHistogram(values);
    std::string histName = "hist_" + name + ".log";
    if (histogram.leftOut > 0)
        fprintf(stderr, "%s: %d value(s) left out\n", histName.c_str(), histogram.leftOut);
    LogFile hist(histName);
    hist.print("MAX = %d\n\n", histogram.maxBin);
    for (int count : histogram.bins)
        hist.print("%.2f%%\n", histogram.total > 0 ? count * 100.0 / histogram.total : 0.0);
}

}  // namespace shorvik
