// msgbox_watch: answers the message boxes and dialogs of another process by
// script and writes one record line per box (docs/standin-tool.md).
//
//   msgbox_watch (--pid <id> | --program <name.exe>) --script <file> --record <file>
//                [--count <n>] [--timeout <ms>]
//
// Exit codes: 0 the process ended or <n> boxes were answered, 1 bad use,
// 2 time-out, 3 no such process.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "test_support/MessageBoxWatcher.h"
#include "test_support/ProcessFinder.h"
#include "test_support/WatchScript.h"

using namespace test_support;

namespace {

int Usage(const char* why) {
    std::fprintf(stderr, "msgbox_watch: %s\n", why);
    std::fprintf(stderr,
                 "usage: msgbox_watch (--pid <id> | --program <name.exe>) --script <file> --record <file> "
                 "[--count <n>] [--timeout <ms>]\n");
    return 1;
}

bool ReadWhole(const char* path, std::string* text) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text->append(buffer, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool ParseNumber(const char* text, unsigned long* value) {
    char* end = nullptr;
    *value = std::strtoul(text, &end, 10);
    return *text && end && !*end;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long pid = 0, count = 0, timeoutMs = 30000;
    const char *program = nullptr, *scriptPath = nullptr, *recordPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (i + 1 >= argc)
            return Usage("an option lacks its value");
        const char* value = argv[++i];
        bool ok = true;
        if (!std::strcmp(option, "--pid"))
            ok = ParseNumber(value, &pid) && pid != 0;
        else if (!std::strcmp(option, "--program"))
            program = value;
        else if (!std::strcmp(option, "--script"))
            scriptPath = value;
        else if (!std::strcmp(option, "--record"))
            recordPath = value;
        else if (!std::strcmp(option, "--count"))
            ok = ParseNumber(value, &count);
        else if (!std::strcmp(option, "--timeout"))
            ok = ParseNumber(value, &timeoutMs);
        else
            return Usage("unknown option");
        if (!ok)
            return Usage("a number is expected");
    }
    if ((pid == 0) == (program == nullptr) || !scriptPath || !recordPath)
        return Usage("give --pid or --program, and --script and --record");

    std::string text, error;
    test_support::AnswerScript script;
    if (!ReadWhole(scriptPath, &text))
        return Usage("cannot read the script");
    if (!test_support::ParseAnswerScript(text, &script, &error))
        return Usage(error.c_str());

    FILE* record = std::fopen(recordPath, "wb");
    if (!record)
        return Usage("cannot write the record");

    const DWORD start = GetTickCount();
    auto remaining = [&] {
        const DWORD spent = GetTickCount() - start;
        return spent < timeoutMs ? timeoutMs - spent : 0;
    };
    // By name, wait for the program to come up.
    if (program)
        pid = WaitForProcess(program, remaining());
    HANDLE process = pid ? OpenProcess(SYNCHRONIZE, FALSE, pid) : nullptr;
    if (!process) {
        std::fclose(record);
        std::fprintf(stderr, "msgbox_watch: no such process\n");
        return 3;
    }

    bool recordFailed = false;
    int exitCode = 2;
    {
        // Every box is on disk before it is answered, so a killed watcher
        // leaves whole lines.
        MessageBoxWatcher watcher(pid, script.answers, script.fallback, [&](const SeenBox& box) {
            const std::string line =
                test_support::RecordLine(box.caption, box.text, box.buttons, box.answer) + "\n";
            if (std::fwrite(line.data(), 1, line.size(), record) != line.size() || std::fflush(record) != 0)
                recordFailed = true;
        });
        for (;;) {
            if (count && watcher.Seen().size() >= count) {
                exitCode = 0;
                break;
            }
            if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) {
                exitCode = 0;
                break;
            }
            if (!remaining())
                break;
        }
    }
    CloseHandle(process);
    if (std::fclose(record) != 0)
        recordFailed = true;
    if (recordFailed) {
        std::fprintf(stderr, "msgbox_watch: the record could not be written\n");
        return 1;
    }
    if (exitCode == 2)
        std::fprintf(stderr, "msgbox_watch: time-out\n");
    return exitCode;
}
