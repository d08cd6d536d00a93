#include "appearance.h"

#include <QStringList>

namespace velmora {

QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    // 12 pt is 16 px at 96 dots per inch. The window's geometry is fixed in
    // logical pixels at 96 dpi, so the font is fixed in the same unit: text
    // then fits its boxes whatever logical DPI the platform reports (Xvfb and
    // the offscreen platform do not all say 96). High-DPI scaling enlarges
    // font and geometry alike.
    font.setPixelSize(16);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace velmora
