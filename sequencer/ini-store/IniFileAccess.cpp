#include "vantro/IniFileAccess.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantro {

namespace {

class StdioWriter : public IniFileWriter {
public:
    explicit StdioWriter(FILE* file) : file_(file) {}
    ~StdioWriter() override {
        if (file_)
            std::fclose(file_);
    }
    bool Write(const char* data, size_t size) override {
        return file_ && std::fwrite(data, 1, size, file_) == size;
    }
    bool Close() override {
        if (!file_)
            return false;
        bool ok = std::fflush(file_) == 0 && std::ferror(file_) == 0;
        ok = std::fclose(file_) == 0 && ok;
        file_ = nullptr;
        return ok;
    }

private:
    FILE* file_;
};

class RealFiles : public IniFileAccess {
public:
    IniFileWriter* CreateText(const char* path) override {
        FILE* file = std::fopen(path, "w");
        return file ? new StdioWriter(file) : nullptr;
    }
    int FirstByte(const char* path) override {
        FILE* file = std::fopen(path, "rb");
        if (!file)
            return -1;
        const int c = std::fgetc(file);
        std::fclose(file);
        return c == EOF ? -1 : c;
    }
    bool Replace(const char* from, const char* to) override {
#ifdef _WIN32
        return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
#else
        return std::rename(from, to) == 0;
#endif
    }
};

}  // namespace

IniFileAccess& IniRealFiles() {
    static RealFiles files;
    return files;
}

}  // namespace vantro
