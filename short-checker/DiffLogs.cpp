// Percent differences, their histograms and the diff and hist logs.
#include <cmath>
#include <cstdio>

#include "FixedText.h"
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
// create or write, and generation goes on.  Text is gathered and written in
// large blocks, not one C-library call per value.
class LogFile {
public:
    explicit LogFile(const std::string& name)
        : name_(name), file_(fopen(name.c_str(), "w")), ok_(file_ != nullptr) {
        pending_.reserve(kBlock + 64);
    }
    ~LogFile() {
        flush();
        if (file_ != nullptr && fclose(file_) != 0)
            ok_ = false;
        if (!ok_)
            fprintf(stderr, "GenerateThreshold: cannot write %s\n", name_.c_str());
    }
    template <typename... Args>
    void print(const char* format, Args... args) {
        char line[64];
        const int length = snprintf(line, sizeof line, format, args...);
        if (length < 0 || static_cast<size_t>(length) >= sizeof line) {
            ok_ = false;
            return;
        }
        pending_.append(line, static_cast<size_t>(length));
        if (pending_.size() >= kBlock)
            flush();
    }
    // One value as "%f\n".
    void value(float v) {
        if (AppendFixedSix(pending_, v))
            pending_ += '\n';
        else
            print("%f\n", static_cast<double>(v));
        if (pending_.size() >= kBlock)
            flush();
    }

private:
    static const size_t kBlock = 64 * 1024;

    void flush() {
        if (ok_ && !pending_.empty() && fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size())
            ok_ = false;
        pending_.clear();
    }

    std::string name_;
    FILE* file_;
    bool ok_;
    std::string pending_;
};

}  // namespace

void WriteDiffLogs(const std::string& name, const std::vector<float>& values) {
    if (values.empty())
        return;
    {
        LogFile diff("diff_" + name + ".log");
        for (float value : values)
            diff.value(value);
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
