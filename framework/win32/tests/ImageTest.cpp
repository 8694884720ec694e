// Painting through a memory DC while timers keep firing, capture into a BMP
// file, JPEG through GDI+, fonts by point size, common-dialog defaults.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "framework/BitmapFile.h"
#include "framework/CommonDialogs.h"
#include "framework/Gdi.h"
#include "framework/Image.h"
#include "framework/Wnd.h"

namespace {

std::vector<unsigned char> ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// Paints a blue left half and a red right half through an off-screen bitmap.
class Canvas : public CWnd {
public:
    int ticks = 0;
    int paints = 0;

protected:
    BOOL OnEraseBkgnd(CDC*) override { return TRUE; }
    void OnPaint() override {
        CPaintDC dc(m_hWnd);  // validates: WM_TIMER keeps coming
        RECT client = GetClientRect();
        CDC memory;
        memory.CreateCompatibleDC(dc);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(dc, client.right, client.bottom);
        memory.SelectObject(bitmap);
        RECT left{0, 0, client.right / 2, client.bottom};
        RECT right{client.right / 2, 0, client.right, client.bottom};
        memory.FillSolidRect(left, RGB(0, 0, 255));
        CBrush red(RGB(255, 0, 0));
        memory.FillRect(right, red);
        dc.BitBlt(0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        ++paints;
    }
    void OnTimer(UINT_PTR id) override {
        if (id == 1) {
            ++ticks;
            Invalidate(false);
        }
        CWnd::OnTimer(id);
    }
};

TEST(Image, MemoryDcPaintCapturedToBmpAndJpegWhileTimersFire) {
    Canvas canvas;
    RECT rect{50, 50, 250, 150};
    ASSERT_TRUE(canvas.CreateEx(0, nullptr, "Canvas", WS_POPUP | WS_VISIBLE, rect, nullptr, 0));
    canvas.SetTimer(1, 10);
    DWORD until = GetTickCount() + 400;
    MSG msg;
    while (GetTickCount() < until) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(1);
    }
    canvas.KillTimer(1);
    EXPECT_GE(canvas.ticks, 10);
    EXPECT_GE(canvas.paints, 5);

    std::remove("capture.bmp");
    std::remove("capture.jpg");
    {
        CClientDC dc(canvas.m_hWnd);
        RECT area{0, 0, 200, 100};
        ASSERT_TRUE(CaptureWindowToBmp("capture.bmp", dc, area));
    }
    std::vector<unsigned char> bmp = ReadAll("capture.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ('B', bmp[0]);
    EXPECT_EQ('M', bmp[1]);
    EXPECT_EQ(bmp.size(), U32(bmp, 2));
    EXPECT_EQ(40u, U32(bmp, 14));
    EXPECT_EQ(200u, U32(bmp, 18));
    EXPECT_EQ(100u, U32(bmp, 22));
    const unsigned bits = bmp[28] | (bmp[29] << 8);
    ASSERT_GE(bits, 24u);
    EXPECT_EQ(54u, U32(bmp, 10));  // no palette above 8 bits per pixel
    // Rows are stored bottom-up in BGR(A): the pixel at (10, 10) and (190, 10).
    const size_t stride = ((200 * bits + 31) / 32) * 4;
    const size_t row = 54 + (100 - 1 - 10) * stride;
    const size_t bytesPerPixel = bits / 8;
    const unsigned char* left = &bmp[row + 10 * bytesPerPixel];
    const unsigned char* right = &bmp[row + 190 * bytesPerPixel];
    EXPECT_EQ(255, left[0]);  // blue
    EXPECT_EQ(0, left[2]);
    EXPECT_EQ(0, right[0]);
    EXPECT_EQ(255, right[2]);  // red

    ASSERT_TRUE(ConvertImageFile("capture.bmp", "capture.jpg"));
    std::vector<unsigned char> jpg = ReadAll("capture.jpg");
    ASSERT_GE(jpg.size(), 3u);
    EXPECT_EQ(0xFF, jpg[0]);
    EXPECT_EQ(0xD8, jpg[1]);
    EXPECT_EQ(0xFF, jpg[2]);
    EXPECT_FALSE(ConvertImageFile("missing.bmp", "never.jpg"));
    EXPECT_FALSE(ConvertImageFile("capture.bmp", "capture.unknown"));
    canvas.DestroyWindow();
}

TEST(Image, CaptureOfNothingWritesNoFile) {
    std::remove("empty.bmp");
    CClientDC dc(nullptr);
    RECT none{0, 0, 0, 0};
    EXPECT_FALSE(CaptureWindowToBmp("empty.bmp", dc, none));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("empty.bmp"));
}

uint16_t U16(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

TEST(Image, RectangleOfAWindowGivesItsBmpFieldForField) {
    WNDCLASSA type{};
    type.lpfnWndProc = DefWindowProcA;
    type.hInstance = GetModuleHandleA(nullptr);
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    type.lpszClassName = "BmpFieldsWindow";
    RegisterClassA(&type);
    HWND window = CreateWindowExA(0, "BmpFieldsWindow", "Fields", WS_POPUP | WS_VISIBLE, 30, 30, 40, 20,
                                  nullptr, nullptr, type.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    std::remove("fields.bmp");
    {
        CClientDC dc(window);
        SetPixel(dc, 2 + 3, 1 + 1, RGB(12, 34, 56));
        RECT area{2, 1, 9, 4};
        ASSERT_TRUE(CaptureWindowToBmp("fields.bmp", dc, area));
    }
    DestroyWindow(window);
    std::vector<unsigned char> bmp = ReadAll("fields.bmp");
    ASSERT_EQ(bmp.size(), 138u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32(bmp, 2), 138u);
    EXPECT_EQ(U16(bmp, 6), 0);
    EXPECT_EQ(U16(bmp, 8), 0);
    EXPECT_EQ(U32(bmp, 10), 54u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(U32(bmp, 18), 7u);
    EXPECT_EQ(U32(bmp, 22), 3u);
    EXPECT_EQ(U16(bmp, 26), 1);
    EXPECT_EQ(U16(bmp, 28), 32);
    EXPECT_EQ(U32(bmp, 30), 0u);
    EXPECT_EQ(U32(bmp, 34), 84u);
    // (3, 1) of the rectangle: the middle of three bottom-up rows of 28 bytes.
    const size_t at = 54 + 1 * 28 + 3 * 4;
    EXPECT_EQ(bmp[at], 0x38);
    EXPECT_EQ(bmp[at + 1], 0x22);
    EXPECT_EQ(bmp[at + 2], 0x0C);
}

TEST(Image, PalettedBitmapsGetTheirPaletteAndAnInvalidOneNoFile) {
    struct Case {
        int width, height, bits;
        uint32_t dataOffset, fileSize;
    };
    for (const Case& c : {Case{6, 4, 8, 1078, 1110}, Case{17, 2, 1, 62, 70}}) {
        HBITMAP bitmap = CreateBitmap(c.width, c.height, 1, c.bits, nullptr);
        ASSERT_NE(bitmap, nullptr);
        HGLOBAL dib = DdbToDib(nullptr, bitmap, BI_RGB);
        ASSERT_NE(dib, nullptr) << c.bits;
        std::remove("paletted.bmp");
        EXPECT_TRUE(WriteBmpFile(dib, "paletted.bmp"));
        GlobalFree(dib);
        DeleteObject(bitmap);
        std::vector<unsigned char> bmp = ReadAll("paletted.bmp");
        ASSERT_EQ(bmp.size(), c.fileSize) << c.bits;
        EXPECT_EQ(U32(bmp, 2), c.fileSize);
        EXPECT_EQ(U32(bmp, 10), c.dataOffset);
        EXPECT_EQ(U16(bmp, 28), c.bits);
    }
    HBITMAP gone = CreateBitmap(4, 4, 1, 32, nullptr);
    DeleteObject(gone);
    EXPECT_EQ(DdbToDib(nullptr, gone, BI_RGB), nullptr);
    std::remove("none.bmp");
    EXPECT_FALSE(WriteBmpFile(nullptr, "none.bmp"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("none.bmp"));
}

TEST(Gdi, PointFontsNameTheBoldWeightOfTheirFace) {
    CClientDC dc(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    LOGFONTA bold = PointFontLogFont(150, "Arial Bold", dc);
    EXPECT_STREQ("Arial", bold.lfFaceName);
    EXPECT_EQ(FW_BOLD, bold.lfWeight);
    EXPECT_EQ(-MulDiv(150, dpi, 720), bold.lfHeight);
    LOGFONTA plain = PointFontLogFont(125, "MS Shell Dlg 2", dc);
    EXPECT_STREQ("MS Shell Dlg 2", plain.lfFaceName);
    EXPECT_EQ(FW_NORMAL, plain.lfWeight);
    CFont font;
    EXPECT_TRUE(font.CreatePointFont(700, "Arial Bold"));
}

TEST(CommonDialogs, DefaultsFiltersAndScriptedAnswers) {
    FileDialogSpec open =
        OpenFileSpec("bin file(*.bin)|*.bin|bin file(*.BIN)|*.BIN||", "Load Update Firmware Bin File");
    EXPECT_EQ(static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR), open.flags);
    std::vector<char> filter = FilterForDialog(open.filter);
    const char expected[] = "bin file(*.bin)\0*.bin\0bin file(*.BIN)\0*.BIN\0";
    ASSERT_EQ(sizeof expected, filter.size());
    EXPECT_EQ(0, std::memcmp(expected, filter.data(), filter.size()));
    EXPECT_EQ(std::vector<char>({'a', '\0', 'b', '\0', '\0'}), FilterForDialog("a|b"));

    FileDialogSpec save = SaveFileSpec("bmp", "D:\\Shots\\SN7", " bitmap file(*.bmp)|*.bmp||");
    char path[MAX_PATH];
    std::vector<char> storage;
    OPENFILENAMEA ofn;
    FillOpenFileName(save, nullptr, path, sizeof path, &storage, &ofn);
    EXPECT_STREQ("D:\\Shots\\SN7", ofn.lpstrFile);
    EXPECT_STREQ("bmp", ofn.lpstrDefExt);
    EXPECT_EQ(static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER), ofn.Flags);
    EXPECT_STREQ(" bitmap file(*.bmp)", ofn.lpstrFilter);

    PromptScript script;
    script.Answer(IDOK, "C:\\fw\\a.bin");
    script.Answer(IDCANCEL);
    script.Answer(IDOK, "C:\\logs");
    std::string chosen = "unchanged";
    EXPECT_TRUE(ChooseFile(open, nullptr, &chosen));
    EXPECT_EQ("C:\\fw\\a.bin", chosen);
    EXPECT_FALSE(ChooseFile(save, nullptr, &chosen));
    EXPECT_EQ("C:\\fw\\a.bin", chosen);
    EXPECT_TRUE(BrowseForFolder(nullptr, "Select folder", &chosen));
    EXPECT_EQ("C:\\logs", chosen);
    std::vector<PromptRequest> asked = script.Requests();
    ASSERT_EQ(3u, asked.size());
    EXPECT_EQ(PromptKind::OpenFile, asked[0].kind);
    EXPECT_EQ("Load Update Firmware Bin File", asked[0].caption);
    EXPECT_EQ(PromptKind::SaveFile, asked[1].kind);
    EXPECT_EQ("D:\\Shots\\SN7", asked[1].defaultName);
    EXPECT_EQ(PromptKind::FolderBrowser, asked[2].kind);
    EXPECT_EQ("Select folder", asked[2].caption);
    EXPECT_EQ(static_cast<UINT>(BIF_RETURNONLYFSDIRS), asked[2].style);
}

}  // namespace
