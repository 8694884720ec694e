// Ids of the test program's resources (shared by the .rc and the tests).
#pragma once

#define IDD_FORM 100
#define IDC_NAME 1001
#define IDC_NUMBER 1002
#define IDC_APPLY 1003
#define IDC_HIDDEN 1004
#define IDC_CHECK 1005
#define IDC_CHOICE 1006

#define IDD_WORKER 110
#define IDC_STATUS 1101
#define IDC_PROGRESS 1102

#define IDD_LIST 120
#define IDC_LIST 1201

#define IDD_TABS 130
#define IDC_TABS 1301
#define IDD_PAGE_A 131
#define IDD_PAGE_B 132
#define IDC_PAGE_EDIT 1311

#define IDR_FRAME 200
#define IDD_BAR 210
#define IDC_START 1002
#define IDC_CONSTRAIN 1003
#define IDC_SAVE 1008
#define IDC_KIND 1052
#define IDC_TOOL 1043
