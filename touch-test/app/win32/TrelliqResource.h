// Trelliq's resource ids: the frame's menu, strings and icon (128), the
// dialog bar (103) and its controls, the about box (100).
#pragma once

#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDP_OLE_INIT_FAILED 100
#define IDD_DIALOG_BAR 103

#define IDC_START 1002
#define IDC_TESTING_CONSTRAIN 1003
#define IDC_ITO_RESIZE 1005
#define IDC_SAVE_AS_BMP 1008
#define IDC_CALIBRATION 1043
#define IDC_SERIAL_NUMBER 1044
#define IDC_TEST_KIND 1052
#define IDC_FIRMWARE_ID 1054
#define IDC_FIRMWARE_UPDATE 1055
#define IDC_TEST_MODE_GROUP 1053

// The view's canvas window.
#define IDC_CANVAS 40009
#define ID_APP_ABOUT 57664
