#include "platform_choice.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace velmora {
namespace {

QtMessageHandler qtMessageHandler = nullptr;

void endWhenNoPlatformStarted(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    qtMessageHandler(type, context, message);
    // Qt names its platform once a plugin has started.
    if (type != QtFatalMsg || !QGuiApplication::platformName().isEmpty())
        return;
    std::fputs("velmora: няма дисплей, на който да се отвори прозорецът\n", stderr);
    std::_Exit(1); // before Qt's abort(); there is nothing to clean up yet
}

} // namespace

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

void exitWithoutDisplay() {
    qtMessageHandler = qInstallMessageHandler(endWhenNoPlatformStarted);
}

} // namespace velmora
