// Template and control ids of the password and retry prompts, shared by
// prompts.rc (included by Vantro's resource script) and the code.
#pragma once

#define IDD_PASSWORD 154
#define IDD_RETRY 164

#define IDC_PASSWORD_EDIT 1065
#define IDC_PASSWORD_CANCEL 1013
#define IDC_RETRY_MESSAGE 1071
#define IDC_RETRY_IC_VERSION 1086
#define IDC_RETRY_AP_VERSION 1087
#define IDC_RETRY_VERSION_GROUP 1088
