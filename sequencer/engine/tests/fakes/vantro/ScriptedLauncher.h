// A process launcher for the operations' tests: the started program follows
// a script (how it starts, what its wait and exit code answer, and the files it
// writes: at its start, at the n-th look for its result file or at the n-th
// poll of the test's clock), and every call is recorded, in the optional
// journal as well, in the words the test reads.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "test_support/TestFiles.h"
#include "vantro/ToolRunner.h"

namespace vantro {

// A file a run writes: at its start (atPoll 0) or at the n-th poll after it.
struct LauncherFile {
    std::string path, bytes;
    int atPoll = 0;
};

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
    // The program runs until this many polls after its start; -1 = until
    // it is ended.
    int runsUntilPoll = 0;
    std::vector<LauncherFile> files;
    std::function<void()> during;  // what else happens as this run starts
};

struct LauncherStart {
    std::string exe, arguments;
    uint32_t timeout = 0;  // of its latest wait
};

// What the journal holds, and in which words.
enum class LauncherWords {
    // Every call: "exists p", "start x|y", "wait N", "exit code", "terminate",
    // "close" and "terminate by id N".
    kEveryCall,
    // "run x|y" for each program that started, "wait N", "terminate N".
    kRuns,
    // "start x 'y'" for each start tried, "terminate" and "terminate by id N".
    kStarts,
};

class ScriptedLauncher : public ProcessLauncher {
public:
    explicit ScriptedLauncher(std::vector<std::string>* journal = nullptr,
                              LauncherWords words = LauncherWords::kEveryCall)
        : journal_(journal), words_(words) {}

    // The program file (any path other than the result file when program is
    // empty) exists while programFound, so do programs with replies and the
    // phantoms; other paths as they are on disk.
    bool FileExists(const std::string& path) override {
        Note(LauncherWords::kEveryCall, "exists " + path);
        const LauncherScript& run = started_ ? current_ : script;
        if (!run.file.empty() && path == run.file) {
            if (started_ && run.fileAtLook > 0 && ++fileLooks_ == run.fileAtLook)
                test_support::WriteBytes(run.file, run.bytes);
            return test_support::Exists(path) || (started_ && run.phantomFile);
        }
        if (replies.count(path) != 0 || std::find(phantoms.begin(), phantoms.end(), path) != phantoms.end())
            return true;
        if (programFound && (program.empty() || path == program))
            return true;
        return test_support::Exists(path);
    }

    std::unique_ptr<StartedProcess> Start(const std::string& exe, const std::string& arguments) override {
        Note(LauncherWords::kEveryCall, "start " + exe + "|" + arguments);
        Note(LauncherWords::kStarts, "start " + exe + " '" + arguments + "'");
        current_ = NextScript(exe);
        if (!current_.starts)
            return nullptr;
        Note(LauncherWords::kRuns, "run " + exe + "|" + arguments);
        started.push_back({exe, arguments, 0});
        started_ = true;
        terminated_ = false;
        fileLooks_ = 0;
        polls_ = 0;
        looksLeft_ = current_.runsForLooks;
        if (!current_.file.empty() && current_.fileAtLook == 0)
            test_support::WriteBytes(current_.file, current_.bytes);
        WriteFilesOfPoll();
        if (current_.during)
            current_.during();
        if (atStart)
            atStart();
        return std::unique_ptr<StartedProcess>(new Program(*this));
    }

    void Terminate(uint32_t id) override {
        Note(LauncherWords::kEveryCall, "terminate by id " + std::to_string(id));
        Note(LauncherWords::kStarts, "terminate by id " + std::to_string(id));
        Note(LauncherWords::kRuns, "terminate " + std::to_string(id));
        terminated.push_back(id);
    }

    // A sleep of the test's clock: the next poll of the latest run.
    void Poll() {
        ++polls_;
        WriteFilesOfPoll();
    }

    // Ready for the next step: looks for the result file count again only
    // after the next start.
    void Reset() {
        started_ = false;
        fileLooks_ = 0;
    }

    // The programs started as exe, in order.
    std::vector<LauncherStart> StartsOf(const std::string& exe) const {
        std::vector<LauncherStart> of;
        for (const LauncherStart& start : started)
            if (start.exe == exe)
                of.push_back(start);
        return of;
    }

    // Which script a start follows: the program's next reply (the last one
    // repeats), else the run's script of scripts (the last one stands for
    // every later run), else script.
    LauncherScript script;
    std::map<std::string, std::deque<LauncherScript>> replies;
    std::vector<LauncherScript> scripts;

    std::string program;
    bool programFound = true;
    std::vector<std::string> phantoms;  // exist, though not on disk
    uint32_t processId = 3100;
    std::function<void()> atStart;  // what else happens as any program starts
    std::vector<LauncherStart> started;
    std::vector<uint32_t> terminated;  // ids ended through the launcher

private:
    class Program : public StartedProcess {
    public:
        explicit Program(ScriptedLauncher& launcher) : launcher_(launcher) {}
        ~Program() override { launcher_.Note(LauncherWords::kEveryCall, "close"); }
        uint32_t ProcessId() const override { return launcher_.processId; }
        uint32_t Wait(uint32_t timeoutMs) override {
            launcher_.Note(LauncherWords::kEveryCall, "wait " + std::to_string(timeoutMs));
            launcher_.Note(LauncherWords::kRuns, "wait " + std::to_string(timeoutMs));
            launcher_.started.back().timeout = timeoutMs;
            return launcher_.current_.wait;
        }
        uint32_t ExitCode() override {
            launcher_.Note(LauncherWords::kEveryCall, "exit code");
            const LauncherScript& script = launcher_.current_;
            if (launcher_.terminated_)
                return 0;
            if (script.runsUntilPoll < 0 || launcher_.polls_ < script.runsUntilPoll)
                return kStillActive;
            if (launcher_.looksLeft_-- > 0)
                return kStillActive;
            return script.exitCode;
        }
        void Terminate() override {
            launcher_.Note(LauncherWords::kEveryCall, "terminate");
            launcher_.Note(LauncherWords::kStarts, "terminate");
            launcher_.terminated_ = true;
        }

    private:
        ScriptedLauncher& launcher_;
    };

    LauncherScript NextScript(const std::string& exe) {
        const size_t run = runs_++;
        auto found = replies.find(exe);
        if (found != replies.end() && !found->second.empty()) {
            LauncherScript next = found->second.front();
            if (found->second.size() > 1)
                found->second.pop_front();
            return next;
        }
        if (!scripts.empty())
            return scripts[std::min(run, scripts.size() - 1)];
        return script;
    }

    void WriteFilesOfPoll() {
        for (const LauncherFile& file : current_.files)
            if (file.atPoll == polls_)
                test_support::WriteBytes(file.path, file.bytes);
    }

    void Note(LauncherWords words, const std::string& entry) {
        if (journal_ && words == words_)
            journal_->push_back(entry);
    }

    std::vector<std::string>* journal_;
    LauncherWords words_;
    LauncherScript current_;
    bool started_ = false, terminated_ = false;
    int fileLooks_ = 0, looksLeft_ = 0, polls_ = 0;
    size_t runs_ = 0;
};

}  // namespace vantro
