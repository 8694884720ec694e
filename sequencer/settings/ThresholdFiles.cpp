// LoadThresholdFile and LoadBarcodeIni.
#include <cstdlib>
#include <cstring>

#include "SettingsReaders.h"
#include "vantro/StageFiles.h"

namespace vantro {

namespace {

struct IntKey {
    const char* section;
    const char* key;
    int* target;
    const char* word;  // the section word of the message
};

struct VoltageKey {
    const char* section;
    const char* key;
    double* target;
    const char* word;
};

bool ReadInts(SettingsContext& dialog, IniDictionary* dict, const IntKey* keys, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const char* text = IniGetString(dict, keys[i].section, keys[i].key);
        if (!text) {
            ShowWarning(dialog, MissingKeyText(keys[i].word, keys[i].key).c_str());
            return false;
        }
        *keys[i].target = std::atoi(text);
    }
    return true;
}

bool ReadVoltage(SettingsContext& dialog, IniDictionary* dict, const VoltageKey& key) {
    const char* text = IniGetString(dict, key.section, key.key);
    if (!text) {
        ShowWarning(dialog, MissingKeyText(key.word, key.key).c_str());
        return false;
    }
    *key.target = static_cast<float>(std::atof(text));  // kept in single precision
    return true;
}

// Comma-separated one-based channels, stored zero-based.  Empty pieces are
// skipped; an entry that is no channel of the panel (1..300) is not stored
// but counts towards the list's 300 entries.  "3,,5,0" is 3 and 5.
bool ReadBypassList(SettingsContext& dialog, IniDictionary* userSet, const char* key, BypassList& list,
                    const char* tooMany) {
    list.count = 0;
    int entries = 0;
    const char* text = IniGetString(userSet, "BypassChannel", key);
    if (!text)
        return true;
    const char* piece = text;
    while (true) {
        const char* end = std::strchr(piece, ',');
        const size_t length = end ? static_cast<size_t>(end - piece) : std::strlen(piece);
        bool empty = true;
        for (size_t i = 0; i < length; ++i) {
            if (piece[i] != ' ' && piece[i] != '\t')
                empty = false;
        }
        if (!empty) {
            if (entries >= kMaxBypassChannels) {
                ShowWarning(dialog, tooMany);
                return false;
            }
            ++entries;
            // Read as atoi reads it, but strtol saturates where atoi would overflow.
            const long channel = std::strtol(std::string(piece, length).c_str(), nullptr, 10);
            if (channel >= 1 && channel <= kMaxBypassChannels)
                list.channel[list.count++] = static_cast<int>(channel) - 1;
        }
        if (!end)
            break;
        piece = end + 1;
    }
    return true;
}

}  // namespace

bool LoadThresholdFile(SettingsContext& dialog, IniDictionary* openShortIni, IniDictionary* userSetIni) {
    SelfThresholds& self = dialog.stage.self;
    MutualThresholds& mutual = dialog.stage.mutual;

    const IntKey selfTimes1[] = {
        {"SelfThreshold", "TxMaxTim", &self.TxMaxTim, "OpenShort"},
        {"SelfThreshold", "TxMinTim", &self.TxMinTim, "OpenShort"},
    };
    const VoltageKey selfVoltages[] = {
        {"SelfThreshold", "MaxVoltage", &self.MaxVoltage, "OpenShort"},
        {"SelfThreshold", "MinVoltage", &self.MinVoltage, "OpenShort"},
    };
    const IntKey selfTimes2[] = {
        {"SelfThreshold", "RxMaxTim", &self.RxMaxTim, "OpenShort"},
        {"SelfThreshold", "RxMinTim", &self.RxMinTim, "OpenShort"},
        {"BtnSelfThreshold", "Btn_MaxTim", &self.Btn_MaxTim, "OpenShort"},
        {"BtnSelfThreshold", "Btn_MinTim", &self.Btn_MinTim, "OpenShort"},
    };
    const VoltageKey buttonVoltages[] = {
        {"BtnSelfThreshold", "Btn_MaxVoltage", &self.Btn_MaxVoltage, "OpenShort"},
        {"BtnSelfThreshold", "Btn_MinVoltage", &self.Btn_MinVoltage, "OpenShort"},
    };
    const IntKey rest[] = {
        {"SelfThreshold", "TxTimeThreshold", &self.TxTimeThreshold, "SelfThreshold"},
        {"SelfThreshold", "NegTxTimeThreshold", &self.NegTxTimeThreshold, "SelfThreshold"},
        {"SelfThreshold", "VolThreshold", &self.VolThreshold, "SelfThreshold"},
        {"SelfThreshold", "NegVolThreshold", &self.NegVolThreshold, "SelfThreshold"},
        {"SelfThreshold", "RxTimeThreshold", &self.RxTimeThreshold, "SelfThreshold"},
        {"SelfThreshold", "NegRxTimeThreshold", &self.NegRxTimeThreshold, "SelfThreshold"},
        {"BtnSelfThreshold", "Btn_Threshold", &self.Btn_Threshold, "SelfThreshold"},
        {"BtnSelfThreshold", "Btn_Neg_Threshold", &self.Btn_Neg_Threshold, "SelfThreshold"},
        {"MutThreshold", "Calib", &mutual.Calib, "MutThreshold"},
        {"MutThreshold", "Mutl", &mutual.Mutl, "MutThreshold"},
        {"MutThreshold", "TargetMutl", &mutual.TargetMutl, "MutThreshold"},
        {"MutThreshold", "NegCalib", &mutual.NegCalib, "MutThreshold"},
        {"MutThreshold", "NegMutl", &mutual.NegMutl, "MutThreshold"},
        {"MutThreshold", "NegTargetMutl", &mutual.NegTargetMutl, "MutThreshold"},
        {"BtnMutThreshold", "BtnNegMutl", &mutual.BtnNegMutl, "BtnMutThreshold"},
        {"BtnMutThreshold", "BtnNegTargetMutl", &mutual.BtnNegTargetMutl, "BtnMutThreshold"},
        {"BtnMutThreshold", "BtnNegCalib", &mutual.BtnNegCalib, "BtnMutThreshold"},
        {"BtnMutThreshold", "BtnMutl", &mutual.BtnMutl, "BtnMutThreshold"},
        {"BtnMutThreshold", "BtnTargetMutl", &mutual.BtnTargetMutl, "BtnMutThreshold"},
        {"BtnMutThreshold", "BtnCalib", &mutual.BtnCalib, "BtnMutThreshold"},
    };
    if (!ReadInts(dialog, openShortIni, selfTimes1, 2))
        return false;
    for (const VoltageKey& key : selfVoltages) {
        if (!ReadVoltage(dialog, openShortIni, key))
            return false;
    }
    if (!ReadInts(dialog, openShortIni, selfTimes2, 4))
        return false;
    for (const VoltageKey& key : buttonVoltages) {
        if (!ReadVoltage(dialog, openShortIni, key))
            return false;
    }
    if (!ReadInts(dialog, openShortIni, rest, sizeof rest / sizeof rest[0]))
        return false;

    if (dialog.stage.thresholdIni) {
        MutualShortThreshold& t = dialog.stage.threshold;
        const char* word = "Mutual Short Threshold";
        const IntKey shortKeys[] = {
            {word, "threshold.calibtime", &t.calibtime, word},
            {word, "threshold.min_loop", &t.min_loop, word},
            {word, "threshold.outofspecnode", &t.outofspecnode, word},
            {word, "threshold.max_loop", &t.max_loop, word},
            {word, "threshold.voltage", &t.voltage, word},
        };
        if (!ReadInts(dialog, dialog.stage.thresholdIni, shortKeys, 5))
            return false;
    } else {
        dialog.messages.ShowMessage("Cannot open threshold config file!", "Warning", MessageIcon::None);
    }

    dialog.shared.check_inv_X_order = IniGetInt(openShortIni, "General", "check_inv_X_order");
    dialog.shared.check_inv_Y_order = IniGetInt(openShortIni, "General", "check_inv_Y_order");

    dialog.stage.enable_MutualShort_check =
        IniGetInt(userSetIni, "MutualShortCheck", "enable_MutualShort_check");
    dialog.shared.Exchange_XY_Data = IniGetInt(userSetIni, "Switch", "Exchange_XY_Data");
    if (!ReadBypassList(dialog, userSetIni, "Ch_X", dialog.shared.bypassX,
                        "Bypass Channel X Number Could not Exceed MAX_CHANNEL_NUM !"))
        return false;
    if (!ReadBypassList(dialog, userSetIni, "Ch_Y", dialog.shared.bypassY,
                        "Bypass Channel Y Number Could not Exceed MAX_CHANNEL_NUM !"))
        return false;
    return true;
}

bool LoadBarcodeIni(SettingsContext& dialog, IniDictionary* barcodeIni) {
    BarcodeSettings& barcode = dialog.settings.barcode;
    const char* length = IniGetString(barcodeIni, "ScanBarcode", "BarcodeLength");
    if (!length) {
        ShowWarning(dialog, "Could not load ScanBarcode: BarcodeLength!");
        return false;
    }
    CopyBounded(barcode.BarcodeLength, length);
    barcode.Timeout = IniGetInt(barcodeIni, "ScanBarcode", "Timeout");
    barcode.BcdAuto = IniGetInt(barcodeIni, "ScanBarcode", "BcdAuto");
    barcode.BcdManu = IniGetInt(barcodeIni, "ScanBarcode", "BcdManu");
    return true;
}

}  // namespace vantro
