#include "broadcast.h"

#include <windows.h>

namespace platform {

void BroadcastSettingChange() {
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
}

}  // namespace platform
