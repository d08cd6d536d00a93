#include "application_setup.h"

#include "appearance.h"
#include "qt_translation.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>

namespace velmora {

void configureApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // Lets desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("bg.velmora.velmora"));
    // The classic Windows style draws the sunken 3D borders of the text boxes,
    // the list and the picture box that the window is laid out for; it is part
    // of every Qt build.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    // Its light palette too, for the message boxes and menus: a dark desktop
    // theme would put light text on the window's light colours.
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(windowFont());
    app.setWindowIcon(QIcon(kWindowIconResource));
    // The window is Bulgarian, so Qt's own texts (context menus, the
    // message buttons) are too, whatever the desktop's language, and it is
    // laid out left to right even where that language is written right to
    // left (a translation would otherwise mirror it).
    installQtTranslation(app, QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace velmora
