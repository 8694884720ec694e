// Templates of Trelliq's settings dialogs (Dialogs.rc).  Their control ids
// are in trelliq/DialogFields.h and written out in the templates.
#pragma once

#define IDD_SERIAL_NUMBER 132
#define IDD_CONSTRAIN_I 135
#define IDD_ITO_RESIZE 136
#define IDD_CONSTRAIN_II 137
#define IDD_TEST_SETTING 138
