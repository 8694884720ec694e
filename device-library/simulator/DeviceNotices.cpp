#include "DeviceNotices.h"

namespace portaq_dll {

void InstallNoticeHooks() {}
void StartDeviceWatch() {}
void StopDeviceWatch() {}

}  // namespace portaq_dll
