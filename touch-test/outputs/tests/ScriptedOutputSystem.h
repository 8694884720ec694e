// The output seam over real files in the current folder, with a scripted
// capture, conversion and save dialog, and a journal of every call.
#pragma once

#include <stdint.h>
#include <stdio.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "test_support/TestFiles.h"
#include "trelliq/OutputSystem.h"
#include "trelliq/TouchTestClock.h"

namespace trelliq {

class ScriptedOutputSystem : public OutputSystem {
public:
    std::vector<std::string> journal;
    bool captureSucceeds = true;
    bool copySucceeds = true;
    int renameFailures = 0;  // the next renames that fail, as while a reader holds the file
    bool dialogAnswers = true;
    std::string dialogPath;
    std::vector<SaveDialogRequest> dialogs;
    std::string currentFolder = std::filesystem::current_path().string();

    void RepaintCanvas() override { journal.push_back("repaint"); }
    bool CaptureCanvas(const char* path) override {
        journal.push_back(std::string("capture ") + path);
        // A failed capture may leave a cut file behind.
        return test_support::WriteBytes(path, captureSucceeds ? "BM capture" : "BM") && captureSucceeds;
    }
    bool ConvertImage(const char* source, const char* target) override {
        journal.push_back(std::string("convert ") + source + " " + target);
        std::string bytes;
        return test_support::ReadBytes(source, &bytes) &&
               test_support::WriteBytes(target, "\xFF\xD8\xFF" + bytes);
    }
    bool Exists(const char* path) override { return test_support::Exists(path); }
    bool Delete(const char* path) override {
        journal.push_back(std::string("delete ") + path);
        return remove(path) == 0;
    }
    bool Copy(const char* from, const char* to) override {
        journal.push_back(std::string("copy ") + from + " " + to);
        std::string bytes;
        if (!copySucceeds || !test_support::ReadBytes(from, &bytes))
            return false;
        FILE* file = fopen(to, "wb");
        if (!file)
            return false;
        const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        return fclose(file) == 0 && written;
    }
    bool RenameReplacing(const char* from, const char* to) override {
        if (renameFailures > 0) {
            --renameFailures;
            return false;
        }
        std::error_code error;
        if (std::filesystem::is_directory(to, error))
            return false;
        std::filesystem::rename(from, to, error);
        return !error;
    }
    bool ChooseSaveFile(const SaveDialogRequest& request, std::string* path) override {
        dialogs.push_back(request);
        *path = dialogPath;
        return dialogAnswers;
    }
    std::string CurrentFolder() override { return currentFolder; }
};

class SteppedClock : public TouchTestClock {
public:
    uint32_t TickCount() override { return ticks; }
    LocalTime Now() override { return now; }
    void Sleep(unsigned ms) override { ticks += ms; }
    uint32_t ticks = 0;
    LocalTime now{2031, 4, 5, 6, 7, 8};
};

}  // namespace trelliq
