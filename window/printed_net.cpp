#include "printed_net.h"

#include "velmora/number_forms.h"
#include "velmora/value_text.h"

#include <QColor>
#include <QFontMetricsF>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace velmora {
namespace {

// In slants (the sector's radius is 1).
constexpr double kFlapWidth = 0.1;
constexpr double kAngleArcRadius = 0.16;
// On paper, in millimetres.
constexpr double kMargin = 4;      // for the lines' width and the letters beside the shapes
constexpr double kLineWidth = 0.3; // the cutting line
constexpr double kThinLine = 0.15; // the radius and the angle's arc
// A net whose slant is shorter than this is enlarged: it could not be cut
// out and glued.
constexpr double kShortestSlantToCut = 20;
constexpr double kSmallestVisible = 0.5;
// Light tints that a grey-scale printer keeps apart from the lines and letters.
const QColor kSectorTint(255, 233, 168);
const QColor kBaseTint(196, 226, 255);
const QColor kFlapTint(222, 222, 222);

constexpr double kMillimetresPerInch = 25.4;

// The shapes of the net for a slant of 1: the apex at (0, 0), y downwards,
// the sector's bisector along +y; a point of the arc at angle θ from the
// bisector is (sin θ, cos θ), θ from −α/2 (the left edge) to α/2 (the right
// edge, which carries the flap).
struct NetShapes {
    QPainterPath sector;
    QPainterPath cutSides; // the left edge and the arc
    QLineF foldEdge;       // the right edge, from the apex
    QPainterPath flap;
    QPainterPath flapCut; // the flap's three free sides
    QPointF baseCentre;
    double baseRadius = 0;
    QPointF leftEnd;
    double alpha = 0; // in degrees

    QRectF bounds() const {
        const QRectF base(baseCentre - QPointF(baseRadius, baseRadius),
                          QSizeF(2 * baseRadius, 2 * baseRadius));
        return sector.boundingRect() | flap.boundingRect() | base;
    }
};

QPointF arcPoint(double thetaDegrees) {
    const double t = thetaDegrees * std::numbers::pi / 180;
    return {std::sin(t), std::cos(t)};
}

// Qt's arcs count angles counter-clockwise from 3 o'clock on screen.
double qtAngle(double thetaDegrees) {
    return thetaDegrees - 90;
}

NetShapes shapesOf(const ConeNet& cone) {
    NetShapes s;
    s.alpha = std::isfinite(cone.sectorAngleDegrees)
                  ? std::clamp(cone.sectorAngleDegrees, 0.0, 360.0)
                  : 0.0;
    const QRectF unitCircle(-1, -1, 2, 2);
    const QPointF apex(0, 0);
    s.leftEnd = arcPoint(-s.alpha / 2);
    const QPointF rightEnd = arcPoint(s.alpha / 2);

    s.sector.moveTo(apex);
    s.sector.arcTo(unitCircle, qtAngle(-s.alpha / 2), s.alpha);
    s.sector.closeSubpath();
    s.cutSides.moveTo(apex);
    s.cutSides.lineTo(s.leftEnd);
    s.cutSides.arcTo(unitCircle, qtAngle(-s.alpha / 2), s.alpha);
    s.foldEdge = QLineF(apex, rightEnd);

    // A trapezoid outside the right edge, its ends cut at 45°.
    const QPointF along = rightEnd;
    const double t = s.alpha / 2 * std::numbers::pi / 180;
    const QPointF outward(std::cos(t), -std::sin(t));
    const QPointF nearApex = apex + along * kFlapWidth + outward * kFlapWidth;
    const QPointF nearArc = rightEnd - along * kFlapWidth + outward * kFlapWidth;
    s.flap.moveTo(apex);
    s.flap.lineTo(nearApex);
    s.flap.lineTo(nearArc);
    s.flap.lineTo(rightEnd);
    s.flap.closeSubpath();
    s.flapCut.moveTo(apex);
    s.flapCut.lineTo(nearApex);
    s.flapCut.lineTo(nearArc);
    s.flapCut.lineTo(rightEnd);

    s.baseRadius = s.alpha / 360;
    s.baseCentre = QPointF(0, 1 + s.baseRadius);
    return s;
}

// A number as the labels write it: without trailing zeros, or as a power of
// ten where seven decimals would hide its digits or it is too long to read.
QString numberText(double value, const NumberSettings& settings) {
    if (sevenDecimalsHideDigits(value) || std::abs(value) >= 1e15)
        return QString::fromStdString(formatPowerOfTen(value, settings));
    return QString::fromStdString(withoutTrailingZeros(formatValue(value, settings), settings));
}

double pixelsPerMillimetre(const QPainter& painter) {
    return painter.device()->logicalDpiX() / kMillimetresPerInch;
}

// `text` centred at `centre`, turned to run along `direction` and never
// upside down.
void drawTextAlong(QPainter& painter, const QPointF& centre, const QPointF& direction,
                   const QString& text) {
    double angle = std::atan2(direction.y(), direction.x()) * 180 / std::numbers::pi;
    if (angle > 90)
        angle -= 180;
    else if (angle <= -90)
        angle += 180;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.drawText(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), Qt::AlignCenter,
                     text);
    painter.restore();
}

} // namespace

PrintedNet::PrintedNet(const ConeNet& cone, LengthUnit unit, const NumberSettings& settings)
    : cone_(cone), unit_(unit), settings_(settings), shapeBounds_(shapesOf(cone).bounds()) {}

void PrintedNet::fitTo(const QSizeF& room) {
    const double width = std::max(room.width() - 2 * kMargin, 1.0);
    const double height = std::max(room.height() - 2 * kMargin, 1.0);
    // The longest slant on paper at which the shapes fit.
    const double fitting = std::min(width / std::max(shapeBounds_.width(), 1e-9),
                                    height / std::max(shapeBounds_.height(), 1e-9));
    const bool slantUsable = std::isfinite(cone_.sectorRadius) && cone_.sectorRadius > 0;
    const double log10Slant = slantUsable ? std::log10(cone_.sectorRadius) : 0.0;
    // The most millimetres a unit may be drawn at.
    const double limit = std::log10(fitting) - log10Slant;
    const RoundScale realSize(unit_);
    const bool realSizeFits = unit_ != LengthUnit::None && limit >= realSize.log10Millimetres();
    if (realSizeFits && log10Slant + realSize.log10Millimetres() >= std::log10(kShortestSlantToCut))
        scale_ = realSize;
    else
        scale_ = RoundScale::largestWithin(limit, unit_, kPaperScales);
    slantMillimetres_ = std::pow(10.0, log10Slant + scale_.log10Millimetres());
}

QString PrintedNet::scaleText() const {
    return scale_.text(settings_);
}

QSizeF PrintedNet::sizeMillimetres() const {
    return shapeBounds_.size() * slantMillimetres_ + QSizeF(2 * kMargin, 2 * kMargin);
}

QString PrintedNet::valueText(double value, int power) const {
    return numberText(value, settings_) + unitSuffix(unit_, power);
}

QString PrintedNet::angleText(double alpha) const {
    // To tenths of a degree, which a protractor cannot better; a sliver of
    // less than a degree with its own digits.
    const bool sliver = alpha < 1;
    const double shown = sliver ? alpha : std::round(alpha * 10) / 10;
    const bool exact = sliver ? alpha == 0 : std::abs(shown - alpha) <= 1e-9 * alpha;
    return (exact ? QStringLiteral("α = ") : QStringLiteral("α ≈ ")) +
           numberText(shown, settings_) + QStringLiteral("°");
}

QString PrintedNet::tooSmallNote() const {
    const NetShapes shapes = shapesOf(cone_);
    if (shapes.baseRadius * slantMillimetres_ >= kSmallestVisible)
        return {};
    return QStringLiteral("В този мащаб основата (R = %1) е по-малка от %2 mm и не се вижда.")
        .arg(valueText(cone_.baseRadius, 1), numberText(kSmallestVisible, settings_));
}

void PrintedNet::paint(QPainter& painter, const QPointF& topLeft) const {
    const NetShapes shapes = shapesOf(cone_);
    const double perMillimetre = pixelsPerMillimetre(painter);
    const double slant = slantMillimetres_ * perMillimetre;
    QTransform toPaper;
    toPaper.translate(topLeft.x() + kMargin * perMillimetre, topLeft.y() + kMargin * perMillimetre);
    toPaper.scale(slant, slant);
    toPaper.translate(-shapeBounds_.left(), -shapeBounds_.top());
    const QPointF apex = toPaper.map(QPointF(0, 0));
    const QPointF baseCentre = toPaper.map(shapes.baseCentre);
    const double baseRadius = shapes.baseRadius * slant;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen cut(Qt::black, kLineWidth * perMillimetre, Qt::SolidLine, Qt::RoundCap,
                   Qt::RoundJoin);
    QPen fold = cut;
    fold.setStyle(Qt::DashLine);
    QPen thin = cut;
    thin.setWidthF(kThinLine * perMillimetre);

    painter.setPen(Qt::NoPen);
    painter.fillPath(toPaper.map(shapes.flap), kFlapTint);
    painter.fillPath(toPaper.map(shapes.sector), kSectorTint);
    painter.setBrush(kBaseTint);
    painter.drawEllipse(baseCentre, baseRadius, baseRadius);
    painter.setBrush(Qt::NoBrush);

    painter.setPen(cut);
    painter.drawPath(toPaper.map(shapes.cutSides));
    painter.drawPath(toPaper.map(shapes.flapCut));
    painter.drawEllipse(baseCentre, baseRadius, baseRadius);
    painter.setPen(fold);
    painter.drawLine(toPaper.map(shapes.foldEdge));

    // The angle at the apex: its arc, and its value under the arc, or left
    // of the sector where the sector is too narrow there to hold it.
    painter.setPen(thin);
    const double arc = kAngleArcRadius * slant;
    painter.drawArc(QRectF(apex - QPointF(arc, arc), QSizeF(2 * arc, 2 * arc)),
                    static_cast<int>(std::lround(qtAngle(-shapes.alpha / 2) * 16)),
                    static_cast<int>(std::lround(shapes.alpha * 16)));
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double half = shapes.alpha / 2 * std::numbers::pi / 180;
    const QString angle = angleText(shapes.alpha);
    const double angleWidth = metrics.horizontalAdvance(angle);
    const double below = arc + metrics.height();
    QPointF angleAt = apex + QPointF(0, below);
    if (shapes.alpha < 180 && 2 * below * std::tan(half) < 1.2 * angleWidth)
        angleAt.rx() -= below * std::tan(half) + angleWidth / 2 + metrics.averageCharWidth();
    drawTextAlong(painter, angleAt, QPointF(1, 0), angle);

    // The slant along the fold edge, inside the sector (the flap is outside
    // it), or outside the left edge where the sector is too narrow to hold it.
    const QString slantText = QStringLiteral("L = ") + valueText(cone_.sectorRadius, 1);
    const double offset = 0.8 * metrics.height();
    if (shapes.alpha < 180 && slant / 2 * std::sin(2 * half) < 2.5 * metrics.height()) {
        const QPointF leftEnd = toPaper.map(shapes.leftEnd);
        drawTextAlong(painter,
                      (apex + leftEnd) / 2 - QPointF(std::cos(half), std::sin(half)) * offset,
                      leftEnd - apex, slantText);
    } else {
        const QPointF rightEnd = toPaper.map(shapes.foldEdge.p2());
        drawTextAlong(painter,
                      (apex + rightEnd) / 2 + QPointF(-std::cos(half), std::sin(half)) * offset,
                      rightEnd - apex, slantText);
    }

    // The base's radius drawn to the right, its value over it, or beside
    // the circle where the circle is too small to hold it.
    painter.setPen(thin);
    painter.drawLine(baseCentre, baseCentre + QPointF(baseRadius, 0));
    painter.setBrush(Qt::black);
    painter.drawEllipse(baseCentre, thin.widthF() * 2, thin.widthF() * 2);
    painter.setPen(Qt::black);
    const QString radius = QStringLiteral("R = ") + valueText(cone_.baseRadius, 1);
    const double radiusWidth = metrics.horizontalAdvance(radius);
    if (radiusWidth < baseRadius * 0.9)
        drawTextAlong(painter, baseCentre + QPointF(baseRadius / 2, -metrics.height() * 0.6),
                      QPointF(1, 0), radius);
    else
        drawTextAlong(painter,
                      baseCentre +
                          QPointF(baseRadius + metrics.averageCharWidth() + radiusWidth / 2, 0),
                      QPointF(1, 0), radius);
    painter.restore();
}

} // namespace velmora
