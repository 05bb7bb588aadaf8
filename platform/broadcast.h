#pragma once
// Telling the desktop that a setting changed.

namespace platform {

// Windows: WM_SETTINGCHANGE with SPI_SETNONCLIENTMETRICS to every top-level
// window (SendMessageTimeout, abort if hung, 10 seconds), so that the file
// manager rebuilds its icons. Elsewhere nobody listens: returns at once.
void BroadcastSettingChange();

}  // namespace platform
