// Device arrival and removal notices for the simulated panel.  Wine delivers
// none, so the library watches the panel's presence and sends WM_DEVICECHANGE
// itself, from the loading process, to the windows that asked for device
// notices (RegisterDeviceNotification, which the library follows).
#pragma once

namespace portaq_sim {

// Follows the process's RegisterDeviceNotification calls (at attach).
void InstallNoticeHooks();
// Starts the presence watch (idempotent).
void StartDeviceWatch();
void StopDeviceWatch();

}  // namespace portaq_sim
