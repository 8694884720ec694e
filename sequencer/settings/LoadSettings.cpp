// LoadSettings: the fixed-order start-up load.  A required text that is
// absent shows its one box and ends the load; no key after it is read.
#include "vantro/LoadSettings.h"

#include <cstdio>

#include "SettingFolders.h"
#include "SettingsReaders.h"
#include "vantro/OperationCatalogue.h"
#include "vantro/StageFiles.h"
#include "vantro/SwitchSetting.h"

namespace vantro {

namespace {

enum class From { MPSet, Config };

struct IntKey {
    From file;
    const char* section;
    const char* key;
    int* target;
};

struct TextKey {
    From file;
    const char* section;
    const char* key;
    IniText* target;
    const char* word;      // section word of the message when it differs
    const char* key_word;  // key word of the message when it differs
};

struct Loader {
    SettingsContext& d;
    SequencerSettings& s;

    IniDictionary* Dict(From file) const { return file == From::MPSet ? d.mpset : d.config; }

    void Ints(const IntKey* keys, size_t count) {
        for (size_t i = 0; i < count; ++i)
            *keys[i].target = IniGetInt(Dict(keys[i].file), keys[i].section, keys[i].key);
    }

    bool Texts(const TextKey* keys, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            const TextKey& k = keys[i];
            const std::string message =
                MissingKeyText(k.word ? k.word : k.section, k.key_word ? k.key_word : k.key);
            if (!RequireText(d, Dict(k.file), k.section, k.key, *k.target, nullptr, message.c_str()))
                return false;
        }
        return true;
    }

    IniText Optional(From file, const char* section, const char* key) {
        return IniGetText(Dict(file), section, key);
    }
};

#define COUNT(a) (sizeof(a) / sizeof((a)[0]))

constexpr From M = From::MPSet;
constexpr From C = From::Config;

bool LoadToolFile(Loader& l, IniText& fileName, const char* section, const char* key,
                  IniDictionary*& target) {
    fileName = l.Optional(C, section, key);
    target = l.d.loadIni(fileName.c_str());
    if (target)
        return true;
    ShowWarning(l.d, "Could not load LinearTest Config File!");
    return false;
}

// The operation names on offer, and the extra files they need.
bool LoadOfferedOperations(Loader& l) {
    SequencerSettings& s = l.s;
    s.OperationList.OperationNO = IniGetInt(l.d.mpset, "OperationList", "OperationNO");
    if (s.OperationList.OperationNO > kOfferedOperationSlots) {
        ShowWarning(l.d, "OperCombListSize could not be larger than 36");
        return false;
    }
    char key[32];
    for (int n = 1; n <= s.OperationList.OperationNO; ++n) {
        std::snprintf(key, sizeof key, "Operation%d", n);
        const char* value = IniGetString(l.d.mpset, "OperationList", key);
        char* slot = s.OperationList.Operation[n - 1];
        if (!value) {
            CopyBounded(slot, kOfferedNameSize, "None");
            continue;
        }
        CopyBounded(slot, kOfferedNameSize, value);
        const vantro::OperationInfo* operation = vantro::FindOperation(slot);
        if (!operation)
            continue;  // "None" and names of no operation need nothing
        switch (operation->family) {
            case vantro::OperationFamily::kLinearTest:
                if (!s.linearTestIni && !LoadToolFile(l, s.LinearTest.LinearTestIni, "LinearTest",
                                                      "LinearTestIni", s.linearTestIni))
                    return false;
                break;
            case vantro::OperationFamily::kCustomerLinearTests:
                if (!s.vuzaLinearTestIni &&
                    !LoadToolFile(l, s.VuzaLinearTest.VuzaLinearTestIni, "VuzaLinearTest",
                                  "VuzaLinearTestIni", s.vuzaLinearTestIni))
                    return false;
                break;
            case vantro::OperationFamily::kMultiLinearTest:
                if (!s.multiLinearIni && !LoadToolFile(l, s.MultiLinear.MultiLinearIni, "MultiLinear",
                                                       "MultiLinearIni", s.multiLinearIni))
                    return false;
                break;
            case vantro::OperationFamily::kScanBarcode:
                if (s.barcodeIni)
                    break;
                s.barcodeIni = l.d.loadIni(s.ScanBarcode.ScanBarCodeIni.c_str());
                if (!s.barcodeIni) {
                    ShowWarning(l.d, "Could not load ScanBarCode Config File!");
                    return false;
                }
                LoadBarcodeIni(l.d, s.barcodeIni);  // the load goes on either way
                break;
            case vantro::OperationFamily::kTenFingersTest: {
                if (s.tenFingersLoaded)
                    break;
                IniDictionary* tenFingers = l.d.loadIni(s.TenFingersTest.TenFingersTestIni.c_str());
                if (!tenFingers) {
                    ShowWarning(l.d, "Could not load TenFingerTest Config File!");
                    return false;
                }
                s.Touch.TestTime = IniGetInt(tenFingers, "Touch", "TestTime");
                s.Touch.PassFinger = IniGetInt(tenFingers, "Touch", "PassFinger");
                s.Touch.ReportRate = IniGetInt(tenFingers, "Touch", "ReportRate");
                IniFree(tenFingers);
                s.tenFingersLoaded = true;
                break;
            }
            case vantro::OperationFamily::kMutualTest:
                s.mutualTestOffered = true;
                break;
            case vantro::OperationFamily::kSelfTest:
                s.selfTestOffered = true;
                break;
            default:
                break;  // no extra file
        }
    }
    return true;
}

int Clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

// Ports beyond the 64-entry table are never written.
bool LoadPortDisplay(Loader& l) {
    SequencerSettings& s = l.s;
    s.RealPortToDisplay.PortNO =
        Clamp(IniGetInt(l.d.config, "RealPortToDisplay", "PortNO"), 0, kMaxRealPorts);
    char key[32];
    for (int n = 1; n <= s.RealPortToDisplay.PortNO; ++n) {
        std::snprintf(key, sizeof key, "RealPort%d", n);
        s.RealPortToDisplay.RealPort[n - 1] = IniGetInt(l.d.config, "RealPortToDisplay", key);
    }
    return true;
}

// The modes, the log naming, the title and the re-install tool's folder.
bool LoadModesAndReinstall(Loader& l) {
    SequencerSettings& s = l.s;
    IniDictionary* mpset = l.d.mpset;
    const IntKey general[] = {
        {M, "General", "CHNcomment", &s.General.CHNcomment},
        {M, "General", "ReadFWInfo", &s.General.ReadFWInfo},
        {M, "General", "AutoSaveLogs", &s.General.AutoSaveLogs},
        {M, "General", "OnlySaveFailLog", &s.General.OnlySaveFailLog},
        {M, "General", "LogAddTimeInfo", &s.General.LogAddTimeInfo},
        {M, "General", "FixLogPath", &s.General.FixLogPath},
        {M, "General", "APcostime", &s.General.APcostime},
        {M, "General", "SaveLogRetry", &s.General.SaveLogRetry},
        {M, "InitMod", "Console", &s.InitMod.Console},
        {M, "InitMod", "AIO", &s.InitMod.AIO},
        {M, "InitMod", "AIOPassAutoClose", &s.InitMod.AIOPassAutoClose},
        {M, "InitMod", "CloseDelayTime", &s.InitMod.CloseDelayTime},
        {M, "InitMod", "showConslResult", &s.InitMod.showConslResult},
    };
    l.Ints(general, COUNT(general));
    s.InitMod.PassStr = l.Optional(M, "InitMod", "PassStr");
    s.InitMod.FailStr = l.Optional(M, "InitMod", "FailStr");
    s.ScanBarcode.Vendor = l.Optional(M, "ScanBarcode", "Vendor");
    s.ScanBarcode.SpecifyLog = IniGetInt(mpset, "ScanBarcode", "SpecifyLog");
    s.ScanBarcode.Stage = l.Optional(M, "ScanBarcode", "Stage");
    s.ScanBarcode.SpecifyLogPath = l.Optional(M, "ScanBarcode", "SpecifyLogPath");
    s.General.UserSetThreshold = IniGetInt(mpset, "General", "UserSetThreshold");
    s.Ferrit.AutoBackToDefault = IniGetInt(mpset, "Ferrit", "AutoBackToDefault");
    s.Display.Title = l.Optional(M, "Display", "Title");
    if (s.Display.Title.present())
        l.d.window.SetWindowTitle(s.Display.Title.c_str());
    const TextKey devcon[] = {{M, "ReInstall", "DevconPath", &s.ReInstall.DevconPath, "Quenfor", nullptr}};
    if (!l.Texts(devcon, COUNT(devcon)))
        return false;
    const IntKey reinstall[] = {
        {M, "ReInstall", "ReInstallDelay", &s.ReInstall.ReInstallDelay},
        {M, "ReInstall", "preReinstallDelay", &s.ReInstall.preReinstallDelay},
        {M, "SetPowerInfo", "AutoSetBridgePower", &s.SetPowerInfo.AutoSetBridgePower},
        {M, "SetPowerInfo", "CalibrationDelay", &s.SetPowerInfo.CalibrationDelay},
        {M, "General", "PreReadFWInfoDelay", &s.General.PreReadFWInfoDelay},
    };
    l.Ints(reinstall, COUNT(reinstall));
    return true;
}

// The I2C test and power tools, and the name of the default user-set file.
bool LoadPowerTools(Loader& l) {
    SequencerSettings& s = l.s;
    const TextKey tools[] = {
        {C, "I2CTest", "I2CTestCmd", &s.I2CTest.I2CTestCmd, nullptr, nullptr},
        {C, "I2CTest", "I2CTestParm", &s.I2CTest.I2CTestParm, nullptr, nullptr},
        {C, "SetPowerInfo", "PowerOnCmd", &s.SetPowerInfo.PowerOnCmd, nullptr, nullptr},
        {C, "SetPowerInfo", "PowerOnParm", &s.SetPowerInfo.PowerOnParm, nullptr, nullptr},
        {C, "SetPowerInfo", "PowerOffCmd", &s.SetPowerInfo.PowerOffCmd, nullptr, nullptr},
        {C, "SetPowerInfo", "PowerOffParm", &s.SetPowerInfo.PowerOffParm, nullptr, nullptr},
        {C, "OpenShort", "UserSetIni", &s.OpenShort.UserSetIni, nullptr, nullptr},
    };
    return l.Texts(tools, COUNT(tools));
}

// The default user-set file, held for the open/short operations.
bool LoadUserSetFile(Loader& l) {
    SequencerSettings& s = l.s;
    IniFree(s.userSetIni);
    s.userSetIni = l.d.loadIni(s.OpenShort.UserSetIni.c_str());
    if (!s.userSetIni) {
        ShowWarning(l.d, "Could not find default user set file!");
        return false;
    }
    s.Use2DFiles = IniGetInt(s.userSetIni, "Switch", "Use2DFiles");
    return true;
}

// The open/short delays and the calibration query.
bool LoadTestDelays(Loader& l) {
    SequencerSettings& s = l.s;
    const IntKey delays[] = {
        {M, "OpenShort", "PreMutDelay", &s.OpenShort.PreMutDelay},
        {M, "OpenShort", "PreSelfDelay", &s.OpenShort.PreSelfDelay},
        {M, "SetFWparm", "PreQryCalibDelay", &s.SetFWparm.PreQryCalibDelay},
        {M, "SetFWparm", "QryCalibRetry", &s.SetFWparm.QryCalibRetry},
        {M, "SetFWparm", "QryCalibRetryDelay", &s.SetFWparm.QryCalibRetryDelay},
    };
    l.Ints(delays, COUNT(delays));
    return true;
}

// The batch, parameter and uniformity tools.
bool LoadParameterTools(Loader& l) {
    SequencerSettings& s = l.s;
    const TextKey tools[] = {
        {C, "UserDefBat", "UserDefBatCmd", &s.UserDefBat.UserDefBatCmd, nullptr, nullptr},
        {C, "ReserveFWparm", "ReserveParmCmd", &s.ReserveFWparm.ReserveParmCmd, nullptr, nullptr},
        {C, "ReserveFWparm", "SettingFile", &s.ReserveFWparm.SettingFile, nullptr, nullptr},
        {C, "ReserveFWparm", "ChipOfflineTable", &s.ReserveFWparm.ChipOfflineTable, nullptr, nullptr},
        {C, "ReserveFWparm", "FwOfflineTable", &s.ReserveFWparm.FwOfflineTable, nullptr, nullptr},
        {C, "Uniformity", "UniformityCmd", &s.Uniformity.UniformityCmd, nullptr, nullptr},
        {M, "Uniformity", "Criterion", &s.Uniformity.Criterion, nullptr, nullptr},
    };
    if (!l.Texts(tools, COUNT(tools)))
        return false;
    s.Uniformity.forVoltage = IniGetInt(l.d.mpset, "Uniformity", "forVoltage");
    s.Uniformity.PreUniformity = IniGetInt(l.d.mpset, "Uniformity", "PreUniformity");
    const TextKey onSet[] = {{C, "SetFWparm", "OnSetParmCmd", &s.SetFWparm.OnSetParmCmd, nullptr, nullptr}};
    return l.Texts(onSet, COUNT(onSet));
}

// Each chip's register table and configuration file, chip by chip.
bool LoadChipParameterFiles(Loader& l) {
    SequencerSettings& s = l.s;
    char key[32];
    for (int chip = 1; chip <= 5; ++chip) {
        for (int arg = 1; arg <= 2; ++arg) {
            std::snprintf(key, sizeof key, "OnSetChip%dParmArg%d", chip, arg);
            IniText& target =
                arg == 1 ? s.SetFWparm.OnSetChipParmArg1[chip - 1] : s.SetFWparm.OnSetChipParmArg2[chip - 1];
            if (!RequireText(l.d, l.d.mpset, "SetFWparm", key, target))
                return false;
        }
    }
    return true;
}

// The firmware operations' switches, delays and time limits.
bool LoadFirmwareTimes(Loader& l) {
    SequencerSettings& s = l.s;
    IniDictionary* mpset = l.d.mpset;
    s.FWID.AutoQuenfor = IniGetInt(mpset, "FWID", "AutoQuenfor") == 1;
    s.IsOkFW.AutoQuenfor = IniGetInt(mpset, "IsOkFW", "AutoQuenfor") == 1;
    s.AutoQuenfor.ReburnBySPI = IniGetInt(mpset, "AutoQuenfor", "ReburnBySPI") == 1;
    const IntKey firmware[] = {
        {M, "FWID", "PreReadFwIDelay", &s.FWID.PreReadFwIDelay},
        {M, "FWID", "ReadFwIDTimePerChip", &s.FWID.ReadFwIDTimePerChip},
        {M, "FWID", "IntervalDelay", &s.FWID.IntervalDelay},
        {M, "Tolvane", "PreTolvaneDelay", &s.Tolvane.PreTolvaneDelay},
        {M, "Tolvane", "ReadFwTimePerChip", &s.Tolvane.ReadFwTimePerChip},
        {M, "Tolvane", "IntervalDelay", &s.Tolvane.IntervalDelay},
        {M, "Mirrant", "PreMirrantDelay", &s.Mirrant.PreMirrantDelay},
        {M, "Mirrant", "MirrantTimeout", &s.Mirrant.MirrantTimeout},
        {M, "UptFirmInfo", "PreUptFWDelay", &s.UptFirmInfo.PreUptFWDelay},
        {M, "UptFirmInfo", "UptFWTimePerChip", &s.UptFirmInfo.UptFWTimePerChip},
        {M, "UptFirmInfo", "DeviceChangeTimeout", &s.UptFirmInfo.DeviceChangeTimeout},
        {M, "UptFirmInfo", "PreSPIUptFWDelay", &s.UptFirmInfo.PreSPIUptFWDelay},
        {M, "UptFirmInfo", "SPIUptFirmTimePerChip", &s.UptFirmInfo.SPIUptFirmTimePerChip},
        {M, "UptFirmInfo", "AutoReburnCnt", &s.UptFirmInfo.AutoReburnCnt},
    };
    l.Ints(firmware, COUNT(firmware));
    return true;
}

// The barcode and ten-finger tools.
bool LoadBarcodeAndTouchTools(Loader& l) {
    SequencerSettings& s = l.s;
    const TextKey tools[] = {
        {C, "ScanBarCode", "ScanBarCodeCmd", &s.ScanBarcode.ScanBarCodeCmd, nullptr, nullptr},
        {C, "ScanBarCode", "ScanBarCodeIni", &s.ScanBarcode.ScanBarCodeIni, nullptr, nullptr},
        {C, "ScanBarCode", "ScanBarCodeRst", &s.ScanBarcode.ScanBarCodeRst, nullptr, nullptr},
        {C, "TenFingersTest", "TenFingersTestCmd", &s.TenFingersTest.TenFingersTestCmd, nullptr, nullptr},
        {C, "TenFingersTest", "TenFingersTestIni", &s.TenFingersTest.TenFingersTestIni, nullptr, nullptr},
    };
    return l.Texts(tools, COUNT(tools));
}

// The mode password, copied as text, never used as a format.
bool LoadModePassword(Loader& l) {
    IniText password;
    if (!RequireText(l.d, l.d.mpset, "ModePwd", "EngPwd", password))
        return false;
    CopyBounded(l.s.ModePwd.EngPwd, password.c_str());
    return true;
}

// The further operations' delays and time limits.
bool LoadOperationTimes(Loader& l) {
    SequencerSettings& s = l.s;
    const IntKey times[] = {
        {M, "SetFWparm", "PreOnlineSetParmDelay", &s.SetFWparm.PreOnlineSetParmDelay},
        {M, "SetFWparm", "OnlineSetParmTimeout", &s.SetFWparm.OnlineSetParmTimeout},
        {C, "ReserveFWparm", "PreReserveFWParmDelay", &s.ReserveFWparm.PreReserveFWParmDelay},
        {C, "ReserveFWparm", "ReserveFWParmTimeout", &s.ReserveFWparm.ReserveFWParmTimeout},
        {M, "IsOkFW", "PreIsOkFWDelay", &s.IsOkFW.PreIsOkFWDelay},
        {M, "IsOkFW", "IsOkFWTimeout", &s.IsOkFW.IsOkFWTimeout},
        {M, "Yarrowe", "PreYarroweDelay", &s.Yarrowe.PreYarroweDelay},
        {M, "Yarrowe", "YarroweTimeout", &s.Yarrowe.YarroweTimeout},
        {M, "Yarrowe", "MutYarroweDelay", &s.Yarrowe.MutYarroweDelay},
        {M, "Ferrit", "PreFerritDelay", &s.Ferrit.PreFerritDelay},
        {M, "Ferrit", "FerritTimeout", &s.Ferrit.FerritTimeout},
        {M, "SoftReset", "PreSoftResetDelay", &s.SoftReset.PreSoftResetDelay},
        {M, "SoftReset", "SoftResetTimeout", &s.SoftReset.SoftResetTimeout},
        {M, "HardCalibration", "PreCalibDelay", &s.HardCalibration.PreCalibDelay},
        {M, "HardCalibration", "CalibTimeout", &s.HardCalibration.CalibTimeout},
        {M, "HardCalibration", "AutoMutualTest", &s.HardCalibration.AutoMutualTest},
        {M, "HardCalibration", "MutualFailRetry", &s.HardCalibration.MutualFailRetry},
        {M, "HardCalibration", "CalibMutualDelay", &s.HardCalibration.CalibMutualDelay},
        {M, "InitMod", "ShowMutResult", &s.InitMod.ShowMutResult},
        {M, "General", "FirmSettingByGUI", &s.General.FirmSettingByGUI},
    };
    l.Ints(times, COUNT(times));
    return true;
}

// The outside tools' command lines, with the open/short time limits
// between the two groups.
bool LoadToolCommands(Loader& l) {
    SequencerSettings& s = l.s;
    const TextKey firstTools[] = {
        {C, "Quenfor", "UptFirmCmd", &s.Quenfor.UptFirmCmd, nullptr, nullptr},
        {C, "Quenfor", "UptFirmParm1", &s.Quenfor.UptFirmParm1, nullptr, nullptr},
        {C, "Quenfor", "UptFirmParm2", &s.Quenfor.UptFirmParm2, nullptr, nullptr},
        {C, "Quenfor", "UptFirmSPICmd", &s.Quenfor.UptFirmSPICmd, nullptr, nullptr},
        {C, "SoftReset", "SoftResetCmd", &s.SoftReset.SoftResetCmd, "LinearTest", nullptr},
        {C, "SoftReset", "SoftResetParm", &s.SoftReset.SoftResetParm, "LinearTest", nullptr},
        {C, "LinearTest", "LinearTestCmd", &s.LinearTest.LinearTestCmd, nullptr, nullptr},
        {C, "VuzaLinearTest", "VuzaLinearTestCmd", &s.VuzaLinearTest.VuzaLinearTestCmd, nullptr, nullptr},
        {C, "MultiLinear", "MultiLinearCmd", &s.MultiLinear.MultiLinearCmd, nullptr, nullptr},
        {C, "HardCalibration", "Command", &s.HardCalibration.Command, "Calibration", nullptr},
        {C, "HardCalibration", "Parm1", &s.HardCalibration.Parm1, "Calibration", nullptr},
        {C, "HardCalibration", "HasCalibParm", &s.HardCalibration.HasCalibParm, "Calibration", nullptr},
        {C, "HardCalibration", "ClearFlagParm", &s.HardCalibration.ClearFlagParm, "Calibration", nullptr},
        {C, "OpenShort", "OpenShortCmd", &s.OpenShort.OpenShortCmd, nullptr, nullptr},
        {C, "Gannick", "GannickCmd", &s.Gannick.GannickCmd, nullptr, "m_GannickCmd"},
        {C, "Gannick", "GannickParm", &s.Gannick.GannickParm, nullptr, nullptr},
    };
    if (!l.Texts(firstTools, COUNT(firstTools)))
        return false;
    const IntKey openShort[] = {
        {M, "OpenShort", "MutualTestTimeout", &s.OpenShort.MutualTestTimeout},
        {M, "OpenShort", "MutualFailAutoRetry", &s.OpenShort.MutualFailAutoRetry},
        {M, "OpenShort", "SelfTestTimeout", &s.OpenShort.SelfTestTimeout},
        {M, "OpenShort", "SelfTestRepeatTargetTime", &s.OpenShort.SelfTestRepeatTargetTime},
    };
    l.Ints(openShort, COUNT(openShort));
    const TextKey firmwareTools[] = {
        {C, "Dreffin", "DreffinCmd", &s.Dreffin.DreffinCmd, nullptr, nullptr},
        {C, "Dreffin", "DreffinParm1", &s.Dreffin.DreffinParm1, nullptr, nullptr},
        {C, "Dreffin", "DreffinParm2", &s.Dreffin.DreffinParm2, nullptr, nullptr},
        {C, "CheckFwId", "CheckFwIdCmd", &s.CheckFwId.CheckFwIdCmd, "Dreffin", nullptr},
        {C, "CheckFwId", "CheckFwIdParm1", &s.CheckFwId.CheckFwIdParm1, "Dreffin", nullptr},
        {C, "CheckFwId", "CheckFwIdParm2", &s.CheckFwId.CheckFwIdParm2, "Dreffin", nullptr},
        {C, "Tolvane", "TolvaneCmd", &s.Tolvane.TolvaneCmd, nullptr, nullptr},
        {C, "Mirrant", "MirrantCmd", &s.Mirrant.MirrantCmd, nullptr, nullptr},
        {C, "Ferrit", "FerritCmd", &s.Ferrit.FerritCmd, nullptr, nullptr},
        {C, "Ferrit", "FerritParm", &s.Ferrit.FerritParm, nullptr, "m_FerritParm"},
        {C, "IsOkFW", "IsOkFWCmd", &s.IsOkFW.IsOkFWCmd, "Kolvent", "KolventCmd"},
        {C, "Yarrowe", "YarroweCmd", &s.Yarrowe.YarroweCmd, nullptr, nullptr},
        {C, "ShowResult", "ShowResultCmd", &s.ShowResult.ShowResultCmd, nullptr, nullptr},
    };
    return l.Texts(firmwareTools, COUNT(firmwareTools));
}

// The loop, the chips and the window; the chip count indexes ten-slot tables.
bool LoadLoopAndChips(Loader& l) {
    SequencerSettings& s = l.s;
    s.AutoLoopTest.AutoLoop = IniGetInt(l.d.mpset, "AutoLoopTest", "AutoLoop");
    s.AutoLoopTest.BreakAsFail = IniGetInt(l.d.mpset, "AutoLoopTest", "BreakAsFail");
    s.MultiChip.SlaveNO = IniGetInt(l.d.mpset, "MultiChip", "SlaveNO");
    l.d.shared.chipCount = Clamp(s.MultiChip.SlaveNO, 0, kMaxChipCount - 1) + 1;
    char key[32];
    for (int i = 0; i < kSlaveIdxCount; ++i) {
        std::snprintf(key, sizeof key, "SlaveIdx%d", i);
        s.MultiChip.SlaveIdx[i] = IniGetInt(l.d.config, "MultiChip", key);
    }
    s.Window.MostTop = IniGetInt(l.d.config, "Window", "MostTop");
    return true;
}

// The settings list; config.ini is saved once when a folder key changed.
bool LoadSettingsListAndSave(Loader& l) {
    bool configChanged = false;
    if (!LoadSettingsList(l.d, configChanged))
        return false;
    if (configChanged)
        IniSave(l.d.config, l.d.configPath);  // a failed save leaves the file as it was
    return true;
}

// The load's steps in their fixed order; the first that fails ends it.
using LoadStep = bool (*)(Loader&);
constexpr LoadStep kLoadSteps[] = {
    LoadPortDisplay,          LoadModesAndReinstall, LoadPowerTools,          LoadUserSetFile,
    LoadTestDelays,           LoadParameterTools,    LoadChipParameterFiles,  LoadFirmwareTimes,
    LoadBarcodeAndTouchTools, LoadModePassword,      LoadOfferedOperations,   LoadOperationTimes,
    LoadToolCommands,         LoadLoopAndChips,      LoadSettingsListAndSave,
};

}  // namespace

bool LoadSettings(IniDictionary* mpset, SettingsContext& dialog, IniDictionary* config) {
    dialog.mpset = mpset;
    dialog.config = config;
    Loader l{dialog, dialog.settings};
    for (LoadStep step : kLoadSteps)
        if (!step(l))
            return false;
    return SwitchSetting(dialog, 0);
}

}  // namespace vantro
