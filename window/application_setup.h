// What the program sets on its QApplication before it builds the window. The
// tests call the same function, so they see the window as the program does.
#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace velmora {

// The resource paths of the two pictures carried by the program.
inline const QString kConeFigureResource = QStringLiteral(":/velmora/cone-figure.jpg");
inline const QString kWindowIconResource = QStringLiteral(":/velmora/window-icon.ico");

// The one font of the window and all its controls: "Times New Roman" 12 pt
// regular, falling back to the metric-compatible Liberation Serif, then to any
// serif face with Cyrillic.
QFont windowFont();

// Sets the application's name, version, style, font and icon, and installs
// Qt's own translation for the default locale (the user's).
void configureApplication(QApplication& app);

} // namespace velmora
