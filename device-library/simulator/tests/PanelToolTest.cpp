#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Controller.h"
#include "PanelCreator.h"
#include "PanelTool.h"

using namespace portaq_sim;

namespace {

int Tool(std::vector<std::string> args, std::string* out = nullptr) {
    std::string o, e;
    int code = RunPanelTool(args, &o, &e);
    if (out)
        *out = o;
    return code;
}

TEST(PanelTool, CreatePlugSetBytesReadAndJournal) {
    std::filesystem::remove_all("tool-panel");
    {
        std::ofstream description("tool-description.txt");
        description << "chips=2\ndevice_type=6\nchip1.set.0x5A000000=00 28 10\nplugged=0\n";
    }
    ASSERT_EQ(Tool({"create", "tool-panel", "tool-description.txt"}), 0);
    StateFolder folder("tool-panel");
    EXPECT_FALSE(folder.IsPlugged());
    ASSERT_EQ(Tool({"plug", "tool-panel"}), 0);
    EXPECT_TRUE(folder.IsPlugged());
    std::string out;
    ASSERT_EQ(Tool({"read", "tool-panel", "1", "5A000000", "3"}, &out), 0);
    EXPECT_EQ(out, "00 28 10\n");
    ASSERT_EQ(Tool({"set-bytes", "tool-panel", "0", "0xA000C004", "de", "ad"}), 0);
    ASSERT_EQ(Tool({"read", "tool-panel", "0", "A000C004", "2"}, &out), 0);
    EXPECT_EQ(out, "DE AD\n");
    ASSERT_EQ(Tool({"set", "tool-panel", "script.IO_ReportToOS", "0"}), 0);

    Controller controller(folder, 5, nullptr);
    EXPECT_EQ(controller.GetDeviceType(), 6);
    ASSERT_EQ(Tool({"journal", "tool-panel"}, &out), 0);
    EXPECT_EQ(out, "pid=5 chip=0 IO_GetDeviceType() = 6\n");
    ASSERT_EQ(Tool({"clear-journal", "tool-panel"}), 0);
    ASSERT_EQ(Tool({"journal", "tool-panel"}, &out), 0);
    EXPECT_EQ(out, "");
}

TEST(PanelTool, BadUseAndMissingPanel) {
    EXPECT_EQ(Tool({"create"}), 2);
    EXPECT_EQ(Tool({"frobnicate", "x"}), 2);
    EXPECT_EQ(Tool({"set", "no-such-panel", "vid", "1"}), 1);
    EXPECT_EQ(Tool({"set-bytes", "no-such-panel", "0", "10", "zz"}), 2);
}

}  // namespace
