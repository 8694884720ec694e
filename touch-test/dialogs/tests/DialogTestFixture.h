// A real store loaded from a small "LinearConfig.ini" written by the test in
// a fresh folder, a message sink that records its boxes, and the trace
// test's grid.
#pragma once

#include <string.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "test_support/TestFiles.h"
#include "trelliq/BorderHitGrid.h"
#include "trelliq/IniFile.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

class RecordingSink : public MessageSink {
public:
    std::vector<std::string> boxes;  // "text / caption"
    void Show(const char* text, const char* caption) override {
        boxes.push_back(std::string(text) + " / " + caption);
    }
};

struct FixtureKey {
    const char* section;
    const char* key;
    const char* value;
};

// The keys of "ConstrainI" and the dialog's check boxes, in file order.
inline const std::vector<FixtureKey> kConstrainIKeys = {
    {"Time", "value", "30"},
    {"PaintTime", "value", "31"},
    {"MousMovInvlTime", "value", "32"},
    {"LineWidth", "side", "33"},
    {"LineWidth", "cross", "34"},
    {"Distance", "X", "35"},
    {"Distance", "Y", "36"},
    {"Continuance", "X", "37"},
    {"Continuance", "Y", "38"},
    {"CANVAS", "check_canvas", "1"},
    {"Cursor", "check_cursor", "1"},
    {"Cursor", "check_log_cursor", "0"},
    {"Phase3", "check_phase3", "1"},
    {"Sensitivity", "width", "39"},
    {"Sensitivity", "speed", "40"},
    {"Sensitivity", "speed_error", "41"},
};

// The keys of "ConstrainII" and the dialog's check boxes.
inline const std::vector<FixtureKey> kConstrainIIKeys = {
    {"RptrateTime", "value", "50"},
    {"Rptrate", "value", "51"},
    {"AccuracyTime", "touchvalue", "52"},
    {"AccuracyTime", "testvalue", "53"},
    {"Accuracyrate", "value", "54"},
    {"Accuracyrate", "Point", "9"},
    {"JitterTime", "value", "55"},
    {"Grids", "X", "6"},
    {"Grids", "Y", "7"},
    {"TrcGap", "left", "56"},
    {"TrcGap", "right", "57"},
    {"TrcGap", "top", "58"},
    {"TrcGap", "bottom", "59"},
    {"TrcTime", "value", "60"},
    {"Limit", "points", "61"},
    {"Dot", "radius", "62"},
    {"Cursor", "check_cursor", "1"},
    {"Cursor", "check_log_cursor", "0"},
    {"Phase3", "check_phase3", "1"},
};

// An INI text of the keys, sections in order of first appearance, without
// the "section key" pairs named in omit.
inline std::string IniText(const std::vector<FixtureKey>& keys, const std::set<std::string>& omit = {}) {
    std::vector<std::string> sections;
    for (const FixtureKey& k : keys) {
        bool seen = false;
        for (const std::string& s : sections)
            seen = seen || s == k.section;
        if (!seen)
            sections.push_back(k.section);
    }
    std::string text;
    for (const std::string& section : sections) {
        text += "[" + section + "]\n";
        for (const FixtureKey& k : keys)
            if (section == k.section && !omit.count(section + " " + k.key))
                text += std::string(k.key) + "=" + k.value + "\n";
    }
    return text;
}

class DialogStoreTest : public test_support::FreshFolderTest {
protected:
    void TearDown() override {
        IniFileFree(IniDictionary);
        FreshFolderTest::TearDown();
    }
    // Writes the file and loads it as the program's store.
    void Load(const std::string& text) {
        ASSERT_TRUE(test_support::WriteText("LinearConfig.ini", text));
        snprintf(IniFilePath, sizeof IniFilePath, "%s", "LinearConfig.ini");
        IniDictionary = IniFileLoad();
        ASSERT_NE(IniDictionary, nullptr);
    }
    // Writes the file but leaves the program without a store.
    void WriteOnly(const std::string& text) {
        ASSERT_TRUE(test_support::WriteText("LinearConfig.ini", text));
        snprintf(IniFilePath, sizeof IniFilePath, "%s", "LinearConfig.ini");
    }
    static std::string File() { return test_support::ReadBytes("LinearConfig.ini"); }
    static std::string Stored(const char* section, const char* key) {
        const char* value = IniFileGetString(section, key);
        return value ? value : "<missing>";
    }

    TouchTestConfig config{};
    RecordingSink messages;
    BorderHitGrid grid;
};

}  // namespace trelliq
