// StageInfo: everything of the current setting (stage), read from its
// config.ini section "Item<i>" and its threshold and open/short files.
#pragma once

#include "vantro/IniStore.h"

namespace vantro {

constexpr int kStageStepCount = 10;  // steps of one setting
constexpr int kStepNameSize = 32;    // 31 characters and the terminator
constexpr int kNamePrefixSize = 50;  // 49 characters
constexpr int kFirmParmSize = 32;    // UptFirmParm, UptSPIFirmParm: 31 characters
constexpr int kStagePathSize = 260;  // 259-character paths
constexpr int kGuiFirmFileCount = 5;
constexpr int kMaxBypassChannels = 300;  // MAX_CHANNEL_NUM
constexpr int kBarcodeLengthSize = 32;   // 31 characters

struct SelfThresholds {
    int TxMaxTim = 0, TxMinTim = 0, RxMaxTim = 0, RxMinTim = 0;
    double MaxVoltage = 0, MinVoltage = 0;  // taken through single precision
    int TxTimeThreshold = 0, NegTxTimeThreshold = 0;
    int VolThreshold = 0, NegVolThreshold = 0;
    int RxTimeThreshold = 0, NegRxTimeThreshold = 0;
    // [BtnSelfThreshold]
    int Btn_MaxTim = 0, Btn_MinTim = 0;
    double Btn_MaxVoltage = 0, Btn_MinVoltage = 0;
    int Btn_Threshold = 0, Btn_Neg_Threshold = 0;
};

struct MutualThresholds {
    int Calib = 0, Mutl = 0, TargetMutl = 0, NegCalib = 0, NegMutl = 0, NegTargetMutl = 0;
    // [BtnMutThreshold]
    int BtnNegMutl = 0, BtnNegTargetMutl = 0, BtnNegCalib = 0;
    int BtnMutl = 0, BtnTargetMutl = 0, BtnCalib = 0;
};

// [Mutual Short Threshold] of the threshold file: threshold.calibtime ...
struct MutualShortThreshold {
    int calibtime = 0, min_loop = 0, outofspecnode = 0, max_loop = 0, voltage = 0;
};

struct BypassList {
    int count = 0;
    int channel[kMaxBypassChannels] = {};  // zero-based
};

struct BarcodeSettings {
    char BarcodeLength[kBarcodeLengthSize] = "";
    int Timeout = 0, BcdAuto = 0, BcdManu = 0;
};

struct StageInfo {
    // Steps: OperationNO clamped to 0..10; slots are "None" when empty.
    int OperationNO = 0;
    char Operation[kStageStepCount][kStepNameSize] = {};

    IniText ThresholdFile, OpenShortFile;
    IniDictionary* thresholdIni = nullptr;  // released and reloaded on every switch
    IniDictionary* openShortIni = nullptr;

    int CheckBtnTimeOut = 0, CheckBtnInval = 0;

    char namePrefix[kNamePrefixSize] = "";
    int enableSerialNum = 0, initialNum = 0;
    int currentSerialNum = 0;  // the saved counter of this setting, or initialNum

    IniText AutoFirmFile, AutoGoldenPath;
    char UptFirmParm[kFirmParmSize] = "";
    char UptSPIFirmParm[kFirmParmSize] = "";
    char GUIFirmFile[kGuiFirmFileCount][kStagePathSize] = {};  // GUIFirmFile1..5

    char SaveResultPath[kStagePathSize] = "";
    char SaveFailRsltPath[kStagePathSize] = "";
    char LoadSelfGoldenPath[kStagePathSize] = "";
    char LoadMutualGoldenPath[kStagePathSize] = "";
    int enableLoadSelfSample = 0, enableLoadMutualSample = 0;

    SelfThresholds self;
    MutualThresholds mutual;
    MutualShortThreshold threshold;
    int enable_MutualShort_check = 0;
};

// Values the program holds process-wide; they live once in the settings context.
struct ProcessWideStageValues {
    int CheckBtnNo = 0;
    int check_inv_X_order = 0, check_inv_Y_order = 0;
    int Exchange_XY_Data = 0;
    BypassList bypassX, bypassY;
    int chipCount = 1;  // MPSet.ini [MultiChip] SlaveNO + 1, clamped 1..10
};

}  // namespace vantro
