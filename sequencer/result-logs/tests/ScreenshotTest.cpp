// The dialog's screenshot: a JPEG of its client area in "TestLogs", the BMP
// on the way never left behind.
#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/Image.h"
#include "test_support/TestFiles.h"
#include "vantro/Screenshot.h"

namespace vantro {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 160, kHeight = 90;

// A plain visible window of a known client size, painted green.
class ShotWindow {
public:
    ShotWindow() {
        WNDCLASSA type{};
        type.lpfnWndProc = DefWindowProcA;
        type.hInstance = GetModuleHandleA(nullptr);
        type.hbrBackground = CreateSolidBrush(RGB(0, 160, 0));
        type.lpszClassName = "LogsShotWindow";
        RegisterClassA(&type);
        window = CreateWindowExA(0, "LogsShotWindow", "Shot", WS_POPUP | WS_VISIBLE, 40, 40, kWidth, kHeight,
                                 nullptr, nullptr, type.hInstance, nullptr);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    ~ShotWindow() { DestroyWindow(window); }
    HWND window = nullptr;
};

std::vector<std::string> FilesIn(const char* folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

bool StartsAsJpeg(const std::string& bytes) {
    return bytes.size() > 3 && bytes.compare(0, 3, "\xFF\xD8\xFF") == 0;
}

class ScreenshotTest : public test_support::FreshFolderTest {
protected:
    void SetUp() override {
        FreshFolderTest::SetUp();
        fs::create_directories("TestLogs");
        ASSERT_NE(shot.window, nullptr);
    }
    ShotWindow shot;
};

TEST_F(ScreenshotTest, LeavesOnlyAJpegOfTheClientArea) {
    test_support::WriteBytes("TestLogs\\Self.jpg", "older");
    ASSERT_TRUE(SaveScreenshot(shot.window, "TestLogs\\Self.bmp", "TestLogs\\Self.jpg"));
    EXPECT_EQ(FilesIn("TestLogs"), std::vector<std::string>{"Self.jpg"});
    const std::string jpeg = test_support::ReadBytes("TestLogs\\Self.jpg");
    EXPECT_TRUE(StartsAsJpeg(jpeg));

    GdiplusSession session;
    ASSERT_TRUE(session.Ok());
    Gdiplus::Image image(L"TestLogs\\Self.jpg");
    ASSERT_EQ(image.GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(image.GetWidth(), static_cast<UINT>(kWidth));
    EXPECT_EQ(image.GetHeight(), static_cast<UINT>(kHeight));
}

TEST_F(ScreenshotTest, NoBmpRemainsWhenTheJpegCannotBeWritten) {
    fs::create_directories("TestLogs\\Self.jpg");
    EXPECT_FALSE(SaveScreenshot(shot.window, "TestLogs\\Self.bmp", "TestLogs\\Self.jpg"));
    EXPECT_EQ(FilesIn("TestLogs"), std::vector<std::string>{"Self.jpg"});
    EXPECT_TRUE(fs::is_directory("TestLogs\\Self.jpg"));
}

TEST_F(ScreenshotTest, APathTooLongWritesNothing) {
    const std::string name = "TestLogs\\" + std::string(247, 'n');  // 256 characters
    EXPECT_FALSE(SaveScreenshot(shot.window, (name + ".bmp").c_str(), (name + ".jpg").c_str()));
    EXPECT_TRUE(FilesIn("TestLogs").empty());
}

TEST_F(ScreenshotTest, TheDialogIsRepaintedBeforeItsCapture) {
    int repaints = 0;
    WindowScreenshots screenshots([this] { return shot.window; }, [&repaints] { ++repaints; });
    EXPECT_TRUE(screenshots.Write("TestLogs\\Mutual.bmp", "TestLogs\\Mutual.jpg"));
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(StartsAsJpeg(test_support::ReadBytes("TestLogs\\Mutual.jpg")));
}

}  // namespace
}  // namespace vantro
