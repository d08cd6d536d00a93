#include "cone_drawing_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include <utility>

namespace velmora {
namespace {

// A screen reader takes the drawing for a picture, as it takes an image.
QAccessibleInterface* pictureInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(ConeDrawingWidget::staticMetaObject.className()) &&
        object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

ConeDrawingWidget::ConeDrawingWidget(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(pictureInterface);
        return true;
    }();
    (void)installed;
    setAccessibleName(QStringLiteral("Чертеж на конуса"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    describe();
}

void ConeDrawingWidget::setCones(std::vector<DrawnCone> cones, const NumberSettings& settings) {
    cones_ = std::move(cones);
    settings_ = settings;
    describe();
    update();
}

void ConeDrawingWidget::setUnit(LengthUnit unit) {
    unit_ = unit;
    describe();
    update();
}

DrawingStyle ConeDrawingWidget::drawingStyle() const {
    return {palette().color(QPalette::Text),
            palette().color(QPalette::Highlight),
            palette().color(QPalette::Base),
            font(),
            unit_,
            settings_};
}

void ConeDrawingWidget::describe() {
    setAccessibleDescription(coneDrawingDescription(cones_, drawingStyle()));
}

// Room for both parts of an ordinary cone with their letters, in lines of
// the window's font.
QSize ConeDrawingWidget::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {14 * line, 14 * line};
}

QSize ConeDrawingWidget::sizeHint() const {
    const int line = fontMetrics().height();
    return {22 * line, 28 * line};
}

void ConeDrawingWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int margin = fontMetrics().height() / 2;
    paintConeDrawing(painter, QRectF(rect().adjusted(margin, margin, -margin, -margin)), cones_,
                     drawingStyle());
}

} // namespace velmora
