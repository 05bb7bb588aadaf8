#include "broadcast.h"

namespace platform {

// No desktop here redraws its icons from a setting change.
void BroadcastSettingChange() {}

}  // namespace platform
