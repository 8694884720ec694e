// SequencerSettings: every value Vantro reads from "config.ini" and
// "MPSet.ini" at start-up, grouped by the section that holds it (sections of
// the same name in both files share one group).  Text settings refer to the
// key's value node inside the dictionary, so a later IniSetString is seen by
// every reader; an absent text reads as "".  Integers read 0 when absent.
#pragma once

#include "vantro/IniStore.h"
#include "vantro/StageInfo.h"

namespace vantro {

constexpr int kMaxRealPorts = 64;
constexpr int kSlaveIdxCount = 10;
constexpr int kOfferedOperationSlots = 37;
constexpr int kOfferedNameSize = 64;  // 63 characters
constexpr int kMaxSettings = 10;
constexpr int kSettingNameSize = 32;    // 31 characters
constexpr int kEngPwdSize = 10;         // 9 characters
constexpr int kResultFolderSize = 261;  // 260-character OK/NG folder texts
constexpr int kMaxChipCount = 10;

struct SequencerSettings {
    struct {
        int PortNO = 0;  // clamped to 0..64
        int RealPort[kMaxRealPorts] = {};
    } RealPortToDisplay;

    struct {
        int CHNcomment = 0, ReadFWInfo = 0, AutoSaveLogs = 0, OnlySaveFailLog = 0;
        int LogAddTimeInfo = 0, FixLogPath = 0, APcostime = 0, SaveLogRetry = 0;
        int UserSetThreshold = 0, PreReadFWInfoDelay = 0, FirmSettingByGUI = 0;
    } General;

    struct {
        int Console = 0, AIO = 0, AIOPassAutoClose = 0, CloseDelayTime = 0, showConslResult = 0;
        IniText PassStr, FailStr;
        int ShowMutResult = 0;
    } InitMod;

    struct {  // MPSet.ini [ScanBarcode] and config.ini [ScanBarCode]
        IniText Vendor;
        int SpecifyLog = 0;
        IniText Stage, SpecifyLogPath;
        IniText ScanBarCodeCmd, ScanBarCodeIni, ScanBarCodeRst;
    } ScanBarcode;

    struct {
        int AutoBackToDefault = 0, PreFerritDelay = 0, FerritTimeout = 0;
        IniText FerritCmd, FerritParm;
    } Ferrit;

    struct {
        IniText Title;
    } Display;

    struct {
        IniText DevconPath;
        int ReInstallDelay = 0, preReinstallDelay = 0;
    } ReInstall;

    struct {
        int AutoSetBridgePower = 0, CalibrationDelay = 0;
        IniText PowerOnCmd, PowerOnParm, PowerOffCmd, PowerOffParm;
    } SetPowerInfo;

    struct {
        IniText I2CTestCmd, I2CTestParm;
    } I2CTest;

    struct {
        IniText UserSetIni, OpenShortCmd;
        int PreMutDelay = 0, PreSelfDelay = 0, MutualTestTimeout = 0, MutualFailAutoRetry = 0;
        int SelfTestTimeout = 0, SelfTestRepeatTargetTime = 0;
    } OpenShort;

    struct {
        int PreQryCalibDelay = 0, QryCalibRetry = 0, QryCalibRetryDelay = 0;
        int PreOnlineSetParmDelay = 0, OnlineSetParmTimeout = 0;
        IniText OnSetParmCmd;
        // OnSetChip<c>ParmArg1 and OnSetChip<c>ParmArg2 of chip c at index c-1.
        IniText OnSetChipParmArg1[5], OnSetChipParmArg2[5];
    } SetFWparm;

    struct {
        IniText UserDefBatCmd;
    } UserDefBat;

    struct {
        IniText ReserveParmCmd, SettingFile, ChipOfflineTable, FwOfflineTable;
        int PreReserveFWParmDelay = 0, ReserveFWParmTimeout = 0;
    } ReserveFWparm;

    struct {
        IniText UniformityCmd, Criterion;
        int forVoltage = 0, PreUniformity = 0;
    } Uniformity;

    struct {
        bool AutoQuenfor = false;
        int PreReadFwIDelay = 0, ReadFwIDTimePerChip = 0, IntervalDelay = 0;
    } FWID;

    struct {
        bool AutoQuenfor = false;
        int PreIsOkFWDelay = 0, IsOkFWTimeout = 0;
        IniText IsOkFWCmd;
    } IsOkFW;

    struct {
        bool ReburnBySPI = false;
    } AutoQuenfor;

    struct {
        int PreTolvaneDelay = 0, ReadFwTimePerChip = 0, IntervalDelay = 0;
        IniText TolvaneCmd;
    } Tolvane;

    struct {
        int PreMirrantDelay = 0, MirrantTimeout = 0;
        IniText MirrantCmd;
    } Mirrant;

    struct {
        int PreUptFWDelay = 0, UptFWTimePerChip = 0, DeviceChangeTimeout = 0;
        int PreSPIUptFWDelay = 0, SPIUptFirmTimePerChip = 0, AutoReburnCnt = 0;
    } UptFirmInfo;

    struct {
        IniText TenFingersTestCmd, TenFingersTestIni;
    } TenFingersTest;

    struct {  // the ten-finger tool's file [Touch], read once
        int TestTime = 0, PassFinger = 0, ReportRate = 0;
    } Touch;

    struct {
        char EngPwd[kEngPwdSize] = "";  // copied verbatim, at most 9 characters
    } ModePwd;

    struct {
        int OperationNO = 0;  // at most 37
        char Operation[kOfferedOperationSlots][kOfferedNameSize] = {};
    } OperationList;

    struct {
        int PreYarroweDelay = 0, YarroweTimeout = 0, MutYarroweDelay = 0;
        IniText YarroweCmd;
    } Yarrowe;

    struct {
        int PreSoftResetDelay = 0, SoftResetTimeout = 0;
        IniText SoftResetCmd, SoftResetParm;
    } SoftReset;

    struct {
        int PreCalibDelay = 0, CalibTimeout = 0, AutoMutualTest = 0;
        int MutualFailRetry = 0, CalibMutualDelay = 0;
        IniText Command, Parm1, HasCalibParm, ClearFlagParm;
    } HardCalibration;

    struct {
        IniText UptFirmCmd, UptFirmParm1, UptFirmParm2, UptFirmSPICmd;
    } Quenfor;

    struct {
        IniText LinearTestCmd, LinearTestIni;
    } LinearTest;

    struct {
        IniText VuzaLinearTestCmd, VuzaLinearTestIni;
    } VuzaLinearTest;

    struct {
        IniText MultiLinearCmd, MultiLinearIni;
    } MultiLinear;

    struct {
        IniText GannickCmd, GannickParm;
    } Gannick;

    struct {
        IniText DreffinCmd, DreffinParm1, DreffinParm2;
    } Dreffin;

    struct {
        IniText CheckFwIdCmd, CheckFwIdParm1, CheckFwIdParm2;
    } CheckFwId;

    struct {
        IniText ShowResultCmd;
    } ShowResult;

    struct {
        int AutoLoop = 0, BreakAsFail = 0;
    } AutoLoopTest;

    struct {
        int SlaveNO = 0;
        int SlaveIdx[kSlaveIdxCount] = {};
    } MultiChip;

    struct {
        int MostTop = 0;
    } Window;

    struct {
        int ItemNO = 0;
        char Item[kMaxSettings][kSettingNameSize] = {};  // names of the settings
    } ITO;

    // [Switch] Use2DFiles of the user-set file.  The open/short operations
    // copy it into their record before every golden-sample classification.
    int Use2DFiles = 0;

    // Extra files, each none until loaded.  They are owned here and released
    // by ReleaseSettingsFiles.
    IniDictionary* userSetIni = nullptr;
    IniDictionary* linearTestIni = nullptr;
    IniDictionary* vuzaLinearTestIni = nullptr;  // the customer linear-test file
    IniDictionary* multiLinearIni = nullptr;
    IniDictionary* barcodeIni = nullptr;
    bool tenFingersLoaded = false;  // its dictionary is released right after reading

    BarcodeSettings barcode;

    bool mutualTestOffered = false;
    bool selfTestOffered = false;

    // The OK and NG result folders of the current setting.
    char OkFolder[kResultFolderSize] = "";
    char NgFolder[kResultFolderSize] = "";
};

}  // namespace vantro
