// How the window looks beyond its layout table: its one font and the
// pictures it carries as Qt resources.
#pragma once

#include <QFont>
#include <QString>

namespace velmora {

// The resource paths of the two pictures carried by the program.
inline const QString kConeFigureResource = QStringLiteral(":/velmora/cone-figure.jpg");
inline const QString kWindowIconResource = QStringLiteral(":/velmora/window-icon.ico");

// The one font of the window and all its controls: "Times New Roman" 12 pt
// regular, falling back to the metric-compatible Liberation Serif, then to any
// serif face with Cyrillic.
QFont windowFont();

} // namespace velmora
