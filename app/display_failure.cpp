#include "display_failure.h"

#include "command_line.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace velmora {
namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The only fatal message while QApplication starts is that no
        // platform plugin could open a display.
        std::fputs(noDisplayText().toUtf8().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(kNoDisplayExitCode);
    }
    heldMessages->append({type, QString::fromUtf8(context.category), text});
}

} // namespace

DisplayFailureWatch::DisplayFailureWatch() {
    heldMessages = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(holdOrGiveUp);
}

DisplayFailureWatch::~DisplayFailureWatch() {
    qInstallMessageHandler(previousHandler);
    // The display opened: what Qt said meanwhile is told as it would have been.
    for (const HeldMessage& m : *heldMessages) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(m.type, context, m.text);
    }
    delete heldMessages;
    heldMessages = nullptr;
}

} // namespace velmora
