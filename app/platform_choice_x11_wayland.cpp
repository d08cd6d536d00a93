#include "platform_choice.h"

#include <QtGlobal>

namespace velmora {

QByteArray platformRequest(const QByteArray& qpaPlatform, const QByteArray& display) {
    if (!qpaPlatform.isEmpty() || display.isEmpty())
        return qpaPlatform;
    return QByteArrayLiteral("xcb;wayland");
}

void preferX11WhereReachable() {
    const QByteArray current = qgetenv("QT_QPA_PLATFORM");
    const QByteArray wanted = platformRequest(current, qgetenv("DISPLAY"));
    if (wanted != current)
        qputenv("QT_QPA_PLATFORM", wanted);
}

} // namespace velmora
