// The serial-number dialog's rules on a fake dialog.
#include <gtest/gtest.h>

#include <string>

#include "FakeDialogView.h"
#include "vantro/SerialNumberDialog.h"
#include "vantro/SettingsDialogsResource.h"

namespace vantro {
namespace {

struct SerialDialog {
    FakeDialogView view;
    SerialNumberDialogModel model;
    explicit SerialDialog(const SerialNumberRecord& record) : model(view, record) {
        view.onEditChange = [this](int id) { model.OnEditChange(id); };
        view.onClick = [this](int id) { model.OnClick(id); };
        model.OnShow();
    }
};

SerialNumberRecord Record(const char* prefix, int initial, int use) {
    SerialNumberRecord record;
    record.path = "C:\\units";
    std::snprintf(record.namePrefix, sizeof record.namePrefix, "%s", prefix);
    record.initialNum = initial;
    record.enableSerialNum = use;
    return record;
}

TEST(SerialNumberDialog, ShowsTheRecordAndTheUseFlagEnables) {
    SerialDialog dialog(Record("SN", 40, 0));
    EXPECT_EQ(dialog.view.Text(IDC_SERIAL_PATH), "C:\\units");
    EXPECT_EQ(dialog.view.Text(IDC_SERIAL_PREFIX), "SN");
    EXPECT_EQ(dialog.view.Text(IDC_SERIAL_INITIAL), "40");
    EXPECT_FALSE(dialog.view.IsChecked(IDC_SERIAL_USE));
    EXPECT_FALSE(dialog.view.Enabled(IDC_SERIAL_PREFIX));
    EXPECT_FALSE(dialog.view.Enabled(IDC_SERIAL_INITIAL));
    dialog.view.Click(IDC_SERIAL_USE, true);
    EXPECT_TRUE(dialog.view.Enabled(IDC_SERIAL_PREFIX));
    EXPECT_TRUE(dialog.view.Enabled(IDC_SERIAL_INITIAL));
    EXPECT_EQ(dialog.model.Record().enableSerialNum, 1);

    SerialDialog used(Record("SN", 40, 1));
    EXPECT_TRUE(used.view.IsChecked(IDC_SERIAL_USE));
    EXPECT_TRUE(used.view.Enabled(IDC_SERIAL_PREFIX));
}

TEST(SerialNumberDialog, BrowseTakesAChosenFolderOnly) {
    SerialDialog dialog(Record("SN", 1, 1));
    dialog.view.folderAnswers = {{false, ""}, {true, "C:\\units\\line2"}, {true, std::string(300, 'f')}};
    dialog.view.Click(IDC_SERIAL_BROWSE);
    EXPECT_EQ(dialog.model.Record().path, "C:\\units");
    dialog.view.Click(IDC_SERIAL_BROWSE);
    EXPECT_EQ(dialog.model.Record().path, "C:\\units\\line2");
    EXPECT_EQ(dialog.view.Text(IDC_SERIAL_PATH), "C:\\units\\line2");
    dialog.view.Click(IDC_SERIAL_BROWSE);
    EXPECT_EQ(dialog.model.Record().path, "C:\\units\\line2");
    EXPECT_EQ(dialog.view.folderRequests, std::vector<std::string>(3, "Select folder"));
}

TEST(SerialNumberDialog, OkChecksPrefixAndNumber) {
    struct Case {
        const char* prefix;
        const char* initial;
        bool ok;
        const char* box;
    };
    const Case cases[] = {
        {"", "3", false, "Prefix Couldn't be empty."},
        {"LN", "-1", false, "initialNum Couldn't be empty."},
        {"LN", "12", true, nullptr},
        {"LN", "0", true, nullptr},
    };
    for (const Case& c : cases) {
        SerialDialog dialog(Record("SN", 40, 1));
        dialog.view.Type(IDC_SERIAL_PREFIX, c.prefix);
        dialog.view.Type(IDC_SERIAL_INITIAL, c.initial);
        EXPECT_EQ(dialog.model.OnOK(), c.ok) << c.prefix << c.initial;
        if (c.box) {
            ASSERT_EQ(dialog.view.boxes.size(), 1u);
            EXPECT_EQ(dialog.view.boxes[0].text, c.box);
            EXPECT_EQ(dialog.view.boxes[0].caption, c.box);
        } else {
            EXPECT_TRUE(dialog.view.boxes.empty());
            EXPECT_STREQ(dialog.model.Record().namePrefix, c.prefix);
        }
    }
}

TEST(SerialNumberDialog, LongPrefixIsCutTo49) {
    SerialDialog dialog(Record("SN", 1, 1));
    dialog.view.Type(IDC_SERIAL_PREFIX, std::string(100, 'p'));
    EXPECT_EQ(std::string(dialog.model.Record().namePrefix), std::string(49, 'p'));
    dialog.view.Type(IDC_SERIAL_INITIAL, "abc");
    EXPECT_EQ(dialog.model.Record().initialNum, 1);
}

}  // namespace
}  // namespace vantro
