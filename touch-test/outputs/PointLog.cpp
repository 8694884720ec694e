// The touch-point log "temp.csv" and its time-stamped copy.
#include <stdio.h>

#include "trelliq/ResultOutputs.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {

bool ResultOutputs::OpenPointLog() {
    // A stream left open would later flush its old buffer into the new file.
    if (log_) {
        fclose(log_);
        log_ = nullptr;
    }
    logPath_ = seams_.system.CurrentFolder() + TOUCH_TEST_PATH_SEPARATOR + "temp.csv";
    log_ = fopen(logPath_.c_str(), "w");
    if (!log_) {
        fputs("can not open file!!!\n", stdout);
        fflush(stdout);
        return false;
    }
    return true;
}

void ResultOutputs::LogPoint(int x, int y) {
    if (!log_)
        return;
    const LocalTime t = seams_.clock.Now();
    fprintf(log_, "Time: %04d-%02d-%02d %02d:%02d:%02d,  X:%5d,  Y:%5d \n", t.year, t.month, t.day, t.hour,
            t.minute, t.second, x, y);
}

void ResultOutputs::SavePointLog() {
    const LocalTime t = seams_.clock.Now();
    char name[64];
    snprintf(name, sizeof(name), "LinearTest-%04d%02d%02d%02d%02d%02d.csv", t.year, t.month, t.day, t.hour,
             t.minute, t.second);
    const std::string copyPath = seams_.system.CurrentFolder() + TOUCH_TEST_PATH_SEPARATOR + name;
    if (log_) {
        fclose(log_);
        log_ = nullptr;
    }
    if (logPath_.empty() || !seams_.system.Copy(logPath_.c_str(), copyPath.c_str()))
        seams_.messages.Show("Couldn't copy file.", "Couldn't copy file.");
}

}  // namespace trelliq
