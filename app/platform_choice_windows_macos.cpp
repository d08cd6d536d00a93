// Where Qt has one platform plugin only (Windows, macOS), Qt's own choice is
// the right one: DISPLAY, which wine and XQuartz set, names no platform here.
#include "platform_choice.h"

namespace velmora {

void preferX11WhereReachable() {}

} // namespace velmora
