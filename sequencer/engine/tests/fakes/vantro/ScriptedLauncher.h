// A process launcher for the operations' tests: the started program follows
// a script (how it starts, what its wait and exit code answer, and the file it
// writes, either at its start or at the n-th look for that file), and every
// call is recorded, in the optional journal as well.
#pragma once

#include <functional>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "test_support/TestFiles.h"
#include "vantro/ToolRunner.h"

namespace vantro {

struct LauncherScript {
    bool starts = true;
    uint32_t wait = kWaitEnded;  // what every wait answers
    uint32_t exitCode = 0;       // once the program has ended
    // The exit code reads still-active this many times first (the runner's
    // own look included), then exitCode.
    int runsForLooks = 0;
    // The program's result file: written with bytes at the start (fileAtLook
    // 0), at the n-th look for it after the start, or never (-1).
    std::string file, bytes;
    int fileAtLook = 0;
    // The result file reads as existing once started, though not on disk.
    bool phantomFile = false;
};

struct LauncherStart {
    std::string exe, arguments;
    uint32_t timeout = 0;  // of its latest wait
};

class ScriptedLauncher : public ProcessLauncher {
public:
    explicit ScriptedLauncher(std::vector<std::string>* journal = nullptr) : journal_(journal) {}

    // The program file (any path other than the result file when program is
    // empty) exists while programFound; other paths as they are on disk.
    bool FileExists(const std::string& path) override {
        Note("exists " + path);
        if (!script.file.empty() && path == script.file) {
            if (started_ && script.fileAtLook > 0 && ++fileLooks_ == script.fileAtLook)
                test_support::WriteBytes(script.file, script.bytes);
            return test_support::Exists(path) || (started_ && script.phantomFile);
        }
        if (programFound && (program.empty() || path == program))
            return true;
        return test_support::Exists(path);
    }

    std::unique_ptr<StartedProcess> Start(const std::string& exe, const std::string& arguments) override {
        Note("start " + exe + "|" + arguments);
        if (!script.starts)
            return nullptr;
        started.push_back({exe, arguments, 0});
        started_ = true;
        terminated_ = false;
        fileLooks_ = 0;
        looksLeft_ = script.runsForLooks;
        exitCode_ = script.exitCode;
        if (!script.file.empty() && script.fileAtLook == 0)
            test_support::WriteBytes(script.file, script.bytes);
        if (atStart)
            atStart();
        return std::unique_ptr<StartedProcess>(new Program(*this));
    }

    void Terminate(uint32_t id) override {
        Note("terminate by id " + std::to_string(id));
        terminated.push_back(id);
    }

    // Ready for the next step: looks for the result file count again only
    // after the next start.
    void Reset() {
        started_ = false;
        fileLooks_ = 0;
    }

    LauncherScript script;
    std::string program;
    bool programFound = true;
    uint32_t processId = 3100;
    std::function<void()> atStart;  // what else happens as the program starts
    std::vector<LauncherStart> started;
    std::vector<uint32_t> terminated;  // ids ended through the launcher

private:
    class Program : public StartedProcess {
    public:
        explicit Program(ScriptedLauncher& launcher) : launcher_(launcher) {}
        ~Program() override { launcher_.Note("close"); }
        uint32_t ProcessId() const override { return launcher_.processId; }
        uint32_t Wait(uint32_t timeoutMs) override {
            launcher_.Note("wait " + std::to_string(timeoutMs));
            launcher_.started.back().timeout = timeoutMs;
            return launcher_.script.wait;
        }
        uint32_t ExitCode() override {
            launcher_.Note("exit code");
            if (launcher_.terminated_)
                return 0;
            if (launcher_.looksLeft_-- > 0)
                return kStillActive;
            return launcher_.exitCode_;
        }
        void Terminate() override {
            launcher_.Note("terminate");
            launcher_.terminated_ = true;
        }

    private:
        ScriptedLauncher& launcher_;
    };

    void Note(const std::string& entry) {
        if (journal_)
            journal_->push_back(entry);
    }

    std::vector<std::string>* journal_;
    bool started_ = false, terminated_ = false;
    int fileLooks_ = 0, looksLeft_ = 0;
    uint32_t exitCode_ = 0;
};

}  // namespace vantro
