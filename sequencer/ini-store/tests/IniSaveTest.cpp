#include <gtest/gtest.h>

#include <string>

#include "vantro/IniFileAccess.h"
#include "vantro/IniStore.h"
#include "test_support/TestFiles.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantro {

using test_support::OnDisk;
using test_support::ReadBytes;
using test_support::WriteBytes;

namespace {

IniDictionary* LoadText(const std::string& path, const std::string& text) {
    WriteBytes(path, text);
    return IniLoad(path.c_str());
}

TEST(IniSave, RewritesInFirstAppearanceOrderAndLeavesNoBackup) {
    IniDictionary* d = LoadText("order.ini", "[Zeta]\nb : 2\na=1\n\n[Alpha]\n  k =  v  \n");
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(IniSave(d, "order.ini"));
    EXPECT_EQ(ReadBytes("order.ini"), OnDisk("[Zeta]\nb=2\na=1\n\n[Alpha]\nk=v  \n\n"));
    EXPECT_FALSE(test_support::Exists("order.ini.bak"));
    IniFree(d);
}

TEST(IniSave, AbsentKeyChangesNothing) {
    const std::string text = OnDisk("[S]\nk=1\n\n");
    IniDictionary* d = LoadText("same.ini", text);
    EXPECT_EQ(IniSetString(d, "S", "new", "x"), nullptr);
    EXPECT_TRUE(IniSave(d, "same.ini"));
    EXPECT_EQ(ReadBytes("same.ini"), text);
    IniFree(d);
}

TEST(IniSave, AllSectionsEmptyLeavesFileAndAnEmptyBackup) {
    const std::string text = "[A]\n[B]\njunk\n";
    IniDictionary* d = LoadText("empty-sections.ini", text);
    EXPECT_FALSE(IniSave(d, "empty-sections.ini"));
    EXPECT_EQ(ReadBytes("empty-sections.ini"), text);
    EXPECT_EQ(ReadBytes("empty-sections.ini.bak"), "");
    IniFree(d);
}

TEST(IniSave, BackupNameTooLongWritesNothing) {
    IniDictionary* d = LoadText("long.ini", "[S]\nk=1\n");
    const std::string path(256, 'p');  // 256 + ".bak" = 260 characters
    EXPECT_FALSE(IniSave(d, path.c_str()));
    EXPECT_FALSE(test_support::Exists(path + ".bak"));
    IniFree(d);
}

// Files whose writer fails after a number of writes, or whose replace fails.
class FailingFiles : public IniFileAccess {
public:
    int writesBeforeFailure = -1;  // -1: never fails
    bool failClose = false;
    bool failReplace = false;
    int replaces = 0;

    class Writer : public IniFileWriter {
    public:
        Writer(FailingFiles& owner, IniFileWriter* real) : owner_(owner), real_(real) {}
        ~Writer() override { delete real_; }
        bool Write(const char* data, size_t size) override {
            if (owner_.writesBeforeFailure == 0) {
                real_->Write(data, size / 2);  // part of it reaches the disk
                return false;
            }
            if (owner_.writesBeforeFailure > 0)
                --owner_.writesBeforeFailure;
            return real_->Write(data, size);
        }
        bool Close() override { return real_->Close() && !owner_.failClose; }

    private:
        FailingFiles& owner_;
        IniFileWriter* real_;
    };

    IniFileWriter* CreateText(const char* path) override {
        IniFileWriter* real = IniRealFiles().CreateText(path);
        return real ? new Writer(*this, real) : nullptr;
    }
    int FirstByte(const char* path) override { return IniRealFiles().FirstByte(path); }
    bool Replace(const char* from, const char* to) override {
        ++replaces;
        return failReplace ? false : IniRealFiles().Replace(from, to);
    }
};

TEST(IniSave, FailedWriteCloseOrReplaceLeavesTheFileUntouched) {
    const std::string text = "[A]\nx=1\ny=2\n[B]\nz=3\n";
    struct Case {
        const char* name;
        int writesBeforeFailure;
        bool failClose;
        bool failReplace;
    } cases[] = {
        {"first write fails", 0, false, false},
        {"write fails part-way", 3, false, false},
        {"close fails", -1, true, false},
        {"replace fails", -1, false, true},
    };
    for (const Case& c : cases) {
        IniDictionary* d = LoadText("guarded.ini", text);
        IniSetString(d, "A", "x", "changed");
        FailingFiles files;
        files.writesBeforeFailure = c.writesBeforeFailure;
        files.failClose = c.failClose;
        files.failReplace = c.failReplace;
        EXPECT_FALSE(IniSave(d, "guarded.ini", files)) << c.name;
        EXPECT_EQ(ReadBytes("guarded.ini"), text) << c.name;
        EXPECT_EQ(files.replaces, c.failReplace ? 1 : 0) << c.name;
        IniFree(d);
    }
}

// A settings text of [S] keys that is exactly `size` bytes on disk, ending
// with the blank line IniSave writes after a section when `blankLine`.
std::string SettingsOfSize(size_t size, bool blankLine) {
    const std::string end = blankLine ? "\n" : "";
    std::string text = "[S]\n";
    size_t bytes = OnDisk(text + end).size();
    const size_t keyBytes = OnDisk("k10000=1\n").size();
    for (int i = 0; bytes + 64 < size; ++i, bytes += keyBytes)
        text += "k" + std::to_string(10000 + i) + "=1\n";
    const size_t used = OnDisk(text + "last=\n" + end).size();
    return text + "last=" + std::string(size - used, 'x') + "\n" + end;
}

TEST(IniSave, ASaveLongerThanLoadAcceptsWritesNothing) {
    const struct {
        const char* what;
        bool blankLine;  // the file already has it: the save is as long as the file
        bool saved;
    } cases[] = {
        {"a save of exactly the limit", true, true},
        {"a save one blank line past the limit", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = SettingsOfSize(static_cast<size_t>(kIniMaxFileSize), c.blankLine);
        WriteBytes("full.ini", OnDisk(text));
        ASSERT_EQ(ReadBytes("full.ini").size(), static_cast<size_t>(kIniMaxFileSize));
        IniDictionary* d = IniLoad("full.ini");
        ASSERT_NE(d, nullptr);
        ASSERT_NE(IniSetString(d, "S", "k10000", "2"), nullptr);
        EXPECT_EQ(IniSave(d, "full.ini"), c.saved);
        IniFree(d);
        EXPECT_FALSE(test_support::Exists("full.ini.bak"));
        if (!c.saved) {
            EXPECT_TRUE(ReadBytes("full.ini") == OnDisk(text));  // 64 KiB: not printed
        }
        d = IniLoad("full.ini");
        ASSERT_NE(d, nullptr);
        EXPECT_STREQ(IniGetString(d, "S", "k10000"), c.saved ? "2" : "1");
        IniFree(d);
    }
}

#ifdef _WIN32
TEST(IniSaveWin32, TargetHeldOpenWithoutSharingStaysAsItWas) {
    const std::string text = "[S]\nk=1\n";
    IniDictionary* d = LoadText("held.ini", text);
    IniSetString(d, "S", "k", "2");
    HANDLE held =
        CreateFileA("held.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(IniSave(d, "held.ini"));
    CloseHandle(held);
    EXPECT_EQ(ReadBytes("held.ini"), text);
    EXPECT_TRUE(IniSave(d, "held.ini"));
    EXPECT_EQ(ReadBytes("held.ini"), "[S]\r\nk=2\r\n\r\n");
    IniFree(d);
}
#endif

}  // namespace

}  // namespace vantro
