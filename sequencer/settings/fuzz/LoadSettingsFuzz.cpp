// Vantro's start-up load over a station whose files come from the input
// (parts cut at "\n=====\n": MPSet.ini, config.ini, then the files a complete
// station's config.ini names).  A failed load shows exactly one box of its
// failure (besides those of a threshold file that cannot be loaded and of a
// barcode file without its length); a good one makes setting 0 current, its
// threshold, barcode and stage values are written back, and the station
// saved with its stage loads the same way.  The user-set writer then saves
// the open/short file, which loads back.
#include "vantro/LoadSettings.h"
#include "vantro/StageFiles.h"
#include "SettingsFakes.h"
#include "test_support/FuzzSupport.h"

using namespace test_support;
using namespace vantro;

namespace {

const char* const kFiles[] = {"MPSet.ini",     "config.ini",  "userset.ini", "openshort.ini",
                              "threshold.ini", "barcode.ini", "linear.ini",  "tenfinger.ini"};

struct Run {
    RecordingMessages messages;
    FakeWindow window;
    FakeFolders folders;
    FixedDate date;
    SettingsContext ctx{messages, window, folders, date};
    IniDictionary* mpset = IniLoad("MPSet.ini");
    IniDictionary* config = IniLoad("config.ini");
    bool loaded = false;

    Run() {
        folders.AddFolder("Firmware\\Alpha");
        folders.AddFolder("GoldenSample\\Alpha");
        loaded = LoadSettings(mpset, ctx, config);
        // A threshold file that cannot be loaded and a barcode file without its
        // length are told, and the load goes on.
        size_t failures = 0;
        for (const Box& box : messages.boxes)
            failures += box.text != "Cannot open threshold config file!" &&
                        box.text != "Could not load ScanBarcode: BarcodeLength!";
        if (!loaded && failures != 1) {
            for (const Box& box : messages.boxes)
                fprintf(stderr, "box: %s / %s\n", box.text.c_str(), box.caption.c_str());
            FUZZ_CHECK(failures == 1, "a failed load shows exactly one box of its failure");
        }
        if (loaded)
            FUZZ_CHECK(ctx.currentSetting == 0 && ctx.stageLoaded, "a good load makes setting 0 current");
    }
    ~Run() {
        ReleaseSettingsFiles(ctx);
        IniFree(mpset);
        IniFree(config);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const bool writeUserSet = input.Byte() & 1;
    std::vector<std::string> parts = input.Parts(sizeof kFiles / sizeof kFiles[0]);
    const std::string folder = FuzzFreshFolder("station");
    FUZZ_CHECK(chdir(folder.c_str()) == 0, "into the station folder");
    for (size_t i = 0; i < parts.size(); ++i)
        FuzzWriteFile(kFiles[i], parts[i]);

    std::vector<std::string> items;
    std::string title;
    {
        Run first;
        if (!first.loaded)
            return 0;
        items = first.window.items;
        title = first.window.title;
        // The write-backs into the dictionaries: each failed key is one box, the rest goes on.
        SaveThresholdFile(first.ctx, first.ctx.stage.openShortIni);
        SaveMutualShortThreshold(first.ctx);
        if (first.ctx.settings.barcodeIni != nullptr)
            SaveBarcodeIni(first.ctx, first.ctx.settings.barcodeIni);
        SaveCurrentStage(first.ctx, first.config);
        if (IniSave(first.config, "config.ini")) {
            Run second;
            FUZZ_CHECK(second.loaded, "a station whose stage was saved loads again");
            FUZZ_CHECK(second.window.items == items && second.window.title == title,
                       "the same settings and title after the save");
        }
    }
    if (writeUserSet) {
        Run run;
        FUZZ_CHECK(run.loaded, "the station loads as before");
        UserSetValues values;
        values.firmwareId = "FW";
        values.goldenFile = "golden";
        if (WriteUserSetIni(run.ctx, values)) {
            IniDictionary* written = IniLoad(run.ctx.stage.OpenShortFile.c_str());
            FUZZ_CHECK(written != nullptr, "the written open/short file loads");
            IniFree(written);
        }
    }
    return 0;
}
