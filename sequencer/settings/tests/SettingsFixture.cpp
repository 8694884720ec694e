#include <cstdio>

#include "test_support/TestFiles.h"
#include "SettingsFakes.h"

namespace vantro {

std::map<std::string, std::string> CompleteStation() {
    std::map<std::string, std::string> files;
    files["MPSet.ini"] =
        "[General]\nFixLogPath=0\n"
        "[InitMod]\nConsole=0\nPassStr=OK\n"
        "[ScanBarcode]\nSpecifyLog=0\nSpecifyLogPath=D:\\logs\n"
        "[Display]\nTitle=Station 4\n"
        "[ReInstall]\nDevconPath=devcon\n"
        "[Uniformity]\nCriterion=5\n"
        "[SetFWparm]\n"
        "OnSetChip1ParmArg1=a\nOnSetChip1ParmArg2=b\nOnSetChip2ParmArg1=a\nOnSetChip2ParmArg2=b\n"
        "OnSetChip3ParmArg1=a\nOnSetChip3ParmArg2=b\nOnSetChip4ParmArg1=a\nOnSetChip4ParmArg2=b\n"
        "OnSetChip5ParmArg1=a\nOnSetChip5ParmArg2=b\n"
        "[FWID]\nAutoQuenfor=1\n[IsOkFW]\nAutoQuenfor=2\n[AutoQuenfor]\nReburnBySPI=1\n"
        "[ModePwd]\nEngPwd=1234\n"
        "[OperationList]\nOperationNO=2\nOperation1=None\nOperation2=SelfTest\n"
        "[MultiChip]\nSlaveNO=1\n"
        "[ITO]\nItemNO=1\nItem0=Alpha\n";
    files["config.ini"] =
        "[RealPortToDisplay]\nPortNO=2\nRealPort1=7\nRealPort2=8\n"
        "[I2CTest]\nI2CTestCmd=i2c.exe\nI2CTestParm=-p\n"
        "[SetPowerInfo]\nPowerOnCmd=on\nPowerOnParm=1\nPowerOffCmd=off\nPowerOffParm=0\n"
        "[OpenShort]\nUserSetIni=userset.ini\nOpenShortCmd=Halvorn.exe\n"
        "[UserDefBat]\nUserDefBatCmd=u.bat\n"
        "[ReserveFWparm]\nReserveParmCmd=z\nSettingFile=s\nChipOfflineTable=c\nFwOfflineTable=f\n"
        "[Uniformity]\nUniformityCmd=Uniformity.exe\n"
        "[SetFWparm]\nOnSetParmCmd=Cendra.exe\n"
        "[ScanBarCode]\nScanBarCodeCmd=scan.exe\nScanBarCodeIni=barcode.ini\nScanBarCodeRst=r.txt\n"
        "[TenFingersTest]\nTenFingersTestCmd=ten.exe\nTenFingersTestIni=tenfinger.ini\n"
        "[Quenfor]\nUptFirmCmd=Quenfor.exe\nUptFirmParm1=1\nUptFirmParm2=2\nUptFirmSPICmd=Brissel.exe\n"
        "[SoftReset]\nSoftResetCmd=sr.exe\nSoftResetParm=p\n"
        "[LinearTest]\nLinearTestCmd=Trelliq.exe\nLinearTestIni=linear.ini\n"
        "[VuzaLinearTest]\nVuzaLinearTestCmd=v.exe\nVuzaLinearTestIni=linear.ini\n"
        "[MultiLinear]\nMultiLinearCmd=m.exe\nMultiLinearIni=linear.ini\n"
        "[HardCalibration]\nCommand=ReCalibrate.exe\nParm1=1\nHasCalibParm=h\nClearFlagParm=c\n"
        "[Gannick]\nGannickCmd=Gannick.exe\nGannickParm=g\n"
        "[Dreffin]\nDreffinCmd=Dreffin.exe\nDreffinParm1=1\nDreffinParm2=2\n"
        "[CheckFwId]\nCheckFwIdCmd=c.exe\nCheckFwIdParm1=1\nCheckFwIdParm2=2\n"
        "[Tolvane]\nTolvaneCmd=Tolvane.exe\n"
        "[Mirrant]\nMirrantCmd=Mirrant.exe\n"
        "[Ferrit]\nFerritCmd=Ferrit.exe\nFerritParm=f\n"
        "[IsOkFW]\nIsOkFWCmd=Kolvent.exe\n"
        "[Yarrowe]\nYarroweCmd=Yarrowe.exe\n"
        "[ShowResult]\nShowResultCmd=notepad.exe\n"
        "[MultiChip]\nSlaveIdx0=0\nSlaveIdx1=3\n"
        "[Window]\nMostTop=1\n"
        "[Item0]\nOperationNO=2\nOperation1=SelfTest\nOperation2=MutualTest\n"
        "ThresholdFile=threshold.ini\nOpenShortFile=openshort.ini\n"
        "CheckBtnTimeOut=5\nCheckBtnInval=6\nCheckBtnNo=7\n"
        "namePrefix=SN\nenableSerialNum=1\ninitialNum=100\n"
        "AutoFirmFile=Firmware\\Alpha\nAutoGoldenPath=GoldenSample\\Alpha\nUptFirmParm=u\n"
        "GUIFirmFile1=g1\nGUIFirmFile2=g2\nGUIFirmFile3=g3\nGUIFirmFile4=g4\nGUIFirmFile5=g5\n"
        "UptSPIFirmParm=s\nSaveResultPath=Alpha_OK\nSaveFailRsltPath=Alpha_NG\n"
        "LoadSelfGoldenPath=gs\nLoadMutualGoldenPath=gm\nenableLoadSelfSample=1\nenableLoadMutualSample=0\n";
    files["userset.ini"] =
        "[Switch]\nUse2DFiles=1\nExchange_XY_Data=1\n[MutualShortCheck]\nenable_MutualShort_check=1\n"
        "[BypassChannel]\nCh_X=3,5\n";
    files["openshort.ini"] =
        "[SelfThreshold]\nTxMaxTim=10\nTxMinTim=1\nMaxVoltage=1.15\nMinVoltage=0.5\nRxMaxTim=11\nRxMinTim=2\n"
        "TxTimeThreshold=3\nNegTxTimeThreshold=4\nVolThreshold=5\nNegVolThreshold=6\nRxTimeThreshold=7\n"
        "NegRxTimeThreshold=8\n"
        "[BtnSelfThreshold]\nBtn_MaxTim=20\nBtn_MinTim=2\nBtn_MaxVoltage=2.5\nBtn_MinVoltage=0.125\n"
        "Btn_Threshold=9\nBtn_Neg_Threshold=10\n"
        "[MutThreshold]\nCalib=1\nMutl=2\nTargetMutl=3\nNegCalib=4\nNegMutl=5\nNegTargetMutl=6\n"
        "[BtnMutThreshold]\nBtnNegMutl=1\nBtnNegTargetMutl=2\nBtnNegCalib=3\nBtnMutl=4\nBtnTargetMutl="
        "5\nBtnCalib=6\n"
        "[General]\ncheck_inv_X_order=1\ncheck_inv_Y_order=0\n"
        "[MODE]\nCurrentMode=9\n"
        "[AutoModeInfo]\nSlaveNO=9\nhasCalibration=9\nTitle=x\nITO=x\nFwId=x\nLoadGoldenPath=x\n"
        "enableLoadSample=9\nSaveResultPath=x\n";
    files["threshold.ini"] =
        "[Mutual Short "
        "Threshold]\nthreshold.calibtime=11\nthreshold.min_loop=12\nthreshold.outofspecnode=13\n"
        "threshold.max_loop=14\nthreshold.voltage=15\n";
    files["linear.ini"] = "[AutoMode]\nInitialMode=0\n";
    files["barcode.ini"] = "[ScanBarcode]\nBarcodeLength=12\nTimeout=30\nBcdAuto=1\nBcdManu=0\n";
    files["tenfinger.ini"] = "[Touch]\nTestTime=8\nPassFinger=10\nReportRate=100\n";
    return files;
}

std::string RemoveKey(const std::string& text, const std::string& section, const std::string& key) {
    const size_t start = text.find("[" + section + "]\n");
    if (start == std::string::npos)
        return text;
    size_t at = text.find("\n" + key + "=", start);
    const size_t next = text.find("\n[", start + 1);
    if (at == std::string::npos || (next != std::string::npos && at > next))
        return text;
    const size_t end = text.find('\n', at + 1);
    return text.substr(0, at) + text.substr(end);
}

std::string SetKey(const std::string& text, const std::string& section, const std::string& key,
                   const std::string& value) {
    std::string removed = RemoveKey(text, section, key);
    const std::string header = "[" + section + "]\n";
    const size_t start = removed.find(header);
    if (start == std::string::npos)
        return removed + header + key + "=" + value + "\n";
    return removed.insert(start + header.size(), key + "=" + value + "\n");
}

void WriteStation(const std::map<std::string, std::string>& files) {
    for (const auto& file : files)
        test_support::WriteBytes(file.first, file.second);
}

}  // namespace vantro
