#include "cone_drawing.h"

#include "drawn_number.h"
#include "round_scale.h"
#include "textbook_solution.h"

#include "velmora/value_text.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace velmora {
namespace {

// Nothing handed to QPainter lies further than this from the origin, in
// device pixels; a length under kVisible pixels cannot be seen.
constexpr double kFarthest = 1e6;
constexpr double kVisible = 0.5;
constexpr double kDegree = std::numbers::pi / 180;

double clampedCoordinate(double v) {
    return std::isfinite(v) ? std::clamp(v, -kFarthest, kFarthest) : 0.0;
}

// A length of the cone on the device: finite, from 0 to kFarthest; a speck
// of under a thousandth of a pixel is nothing.
double onDevice(double length) {
    if (!(length > 1e-3)) // NaN too
        return 0;
    return std::min(length, kFarthest);
}

// The cone's lengths in device pixels and its angle in degrees.
struct Pixels {
    double r, l, h, alpha;
};

double sanitizedAngle(double degrees) {
    return std::isfinite(degrees) ? std::clamp(degrees, 0.0, 360.0) : 0.0;
}

Pixels pixelsOf(const ConeNet& net, double scale) {
    return {onDevice(net.baseRadius * scale), onDevice(net.sectorRadius * scale),
            onDevice(net.height * scale), sanitizedAngle(net.sectorAngleDegrees)};
}

// ---- Texts

// `value` to three significant digits, or to a whole number where it has
// more whole digits, below a billion, and whether that is `value` itself.
struct Rounded {
    double mantissa = 0;
    int exponent = 0;
    bool exact = true;
};

Rounded rounded(double value) {
    if (!std::isfinite(value) || value == 0)
        return {value, 0, true};
    const double whole = std::floor(std::log10(std::abs(value))) + 1;
    const int digits = whole > 3 && whole < 10 ? static_cast<int>(whole) : 3;
    std::array<char, 64> buffer{};
    char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, digits - 1)
                          .ptr;
    // "1.73e+00", "4.00e-320"
    char* const e = std::find(buffer.data(), end, 'e');
    Rounded r;
    double back = 0;
    std::from_chars(buffer.data(), e, r.mantissa);
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, r.exponent);
    std::from_chars(buffer.data(), end, back);
    r.exact = back == value;
    return r;
}

// "R = 3 cm", "H ≈ 0,64", "α ≈ 338°": rounded, and then said to be.
QString labelText(QStringView name, double value, const QString& unit,
                  const NumberSettings& settings, bool exact = true) {
    if (!std::isfinite(value))
        return name.toString() + QStringLiteral(" = ") +
               QString::fromStdString(formatValue(value, settings)) + unit;
    const Rounded r = rounded(value);
    return name.toString() + (r.exact && exact ? QStringLiteral(" = ") : QStringLiteral(" ≈ ")) +
           drawnNumberText(r.mantissa, r.exponent, settings) + unit;
}

struct ConeLabels {
    QString r, l, h, alpha;
};

ConeLabels labelsOf(const ConeNet& net, const DrawingStyle& style) {
    const QString unit = unitSuffix(style.unit, 1);
    return {labelText(u"R", net.baseRadius, unit, style.settings),
            labelText(u"L", net.sectorRadius, unit, style.settings),
            labelText(u"H", net.height, unit, style.settings),
            // An angle of a cone so narrow that it is 0 in doubles is not 0.
            labelText(u"α", sanitizedAngle(net.sectorAngleDegrees), QStringLiteral("°"),
                      style.settings, net.sectorAngleDegrees > 0 || !(net.baseRadius > 0))};
}

// ---- Sizes that do not change with the scale

struct Measures {
    QFontMetricsF metrics;
    double line;  // a line of text
    double gap;   // between a line and its label
    double pen;   // the width of the lines
    double space; // between the parts of the drawing
    QSizeF size(const QString& text) const {
        return {std::ceil(metrics.horizontalAdvance(text)) + 2, line};
    }
};

Measures measuresOf(const QPainter& painter, const DrawingStyle& style) {
    QFontMetricsF metrics(style.font, painter.device());
    const double line = std::max(1.0, metrics.height());
    return {metrics, line, line / 4, std::max(1.0, line / 12), line};
}

struct LabelSizes {
    QSizeF r, l, h, alpha;
};

LabelSizes sizesOf(const ConeLabels& labels, const Measures& m) {
    return {m.size(labels.r), m.size(labels.l), m.size(labels.h), m.size(labels.alpha)};
}

QRectF centredAt(const QPointF& centre, const QSizeF& size) {
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
            size.height()};
}

// ---- Where the parts and labels go, relative to the part's anchor (y down)

struct SectionShape {
    QRectF rLabel, lLabel, hLabel;
    // Where H does not fit inside the triangle, a measure of the height to
    // its left, at this x, with H beside it.
    std::optional<double> heightRule;
    QRectF bounds;
};

// The base centre is the origin, the apex (0, −h).
SectionShape sectionShape(const Pixels& px, const LabelSizes& sizes, const Measures& m) {
    SectionShape s;
    // L off the middle of the right side, along its outward normal: to the
    // right of a tall cone, above a flat one.
    const double side = std::hypot(px.r, px.h);
    const QPointF normal = side > 0 ? QPointF(px.h / side, -px.r / side) : QPointF(1, 0);
    const double reach =
        sizes.l.width() / 2 * normal.x() + sizes.l.height() / 2 * std::abs(normal.y()) + m.gap;
    s.lLabel = centredAt(QPointF(px.r / 2, -px.h / 2) + normal * reach, sizes.l);

    // H to the right of the height where the triangle has room for it,
    // else beside a measure of the height left of the triangle.
    const double top = -px.h / 2 - sizes.h.height() / 2;
    const bool inside = px.h > 0 && top >= -px.h && top + sizes.h.height() <= 0 &&
                        px.r * (1 + top / px.h) >= sizes.h.width() + 2 * m.gap;
    if (!inside)
        s.heightRule = -px.r - 2 * m.gap;
    s.hLabel =
        QRectF(QPointF(inside ? m.gap : *s.heightRule - m.gap - sizes.h.width(), top), sizes.h);

    // R under the base's right half, below any label a tiny triangle
    // leaves there.
    s.rLabel = centredAt(QPointF(px.r / 2, m.gap + sizes.r.height() / 2), sizes.r);
    for (const QRectF& other : {s.hLabel, s.lLabel})
        if (s.rLabel.intersects(other))
            s.rLabel.moveTop(other.bottom() + m.gap);

    const QRectF triangle =
        QRectF(-px.r, -px.h, 2 * px.r, px.h).adjusted(-m.pen, -m.pen, m.pen, m.pen);
    s.bounds = triangle.united(s.rLabel).united(s.lLabel).united(s.hLabel);
    return s;
}

struct NetShape {
    double marker; // the radius of the angle's arc
    QRectF alphaLabel;
    QRectF bounds;
};

// The sector's apex is the origin; the sector opens downwards and the base
// circle's centre is (0, l + r).
NetShape netShape(const Pixels& px, const LabelSizes& sizes, const Measures& m) {
    NetShape n;
    const double half = px.alpha / 2 * kDegree;
    const bool wide = half >= std::numbers::pi / 2;
    const double halfWidth = std::max(wide ? px.l : px.l * std::sin(half), px.r);
    const double top = wide ? px.l * std::cos(half) : 0.0;
    const QRectF shape(-halfWidth, top, 2 * halfWidth, px.l + 2 * px.r - top);

    n.marker = std::min(0.3 * px.l, 1.2 * m.line);
    // "α = 216°" inside the sector under its arc mark where it fits; above
    // the apex of a narrow sector; else beside the net.
    const QSizeF& size = sizes.alpha;
    const double depth = n.marker + m.gap;
    const bool between = wide || size.width() / 2 + m.gap <= depth * std::tan(std::min(half, 1.5));
    const bool inside =
        between && std::hypot(size.width() / 2, depth + size.height()) <= px.l - m.gap;
    if (inside)
        n.alphaLabel = centredAt(QPointF(0, depth + size.height() / 2), size);
    else if (!wide)
        n.alphaLabel = centredAt(QPointF(0, -m.gap - size.height() / 2), size);
    else
        n.alphaLabel = QRectF(QPointF(halfWidth + m.gap, -size.height() / 2), size);
    n.bounds = shape.adjusted(-m.pen, -m.pen, m.pen, m.pen).united(n.alphaLabel);
    return n;
}

// ---- Painting the parts

struct Pens {
    QPen outline, height, label;
    QBrush tint;
};

Pens pensOf(const DrawingStyle& style, const Measures& m) {
    QPen outline(style.ink, m.pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen height(style.accent, m.pen, Qt::DashLine, Qt::FlatCap);
    QColor tint = style.accent;
    tint.setAlphaF(0.18f);
    return {outline, height, QPen(style.ink), QBrush(tint)};
}

void drawLabel(QPainter& painter, const QRectF& box, const QString& text) {
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawSection(QPainter& painter, const QPointF& at, const Pixels& px, const ConeLabels& labels,
                 const SectionShape& shape, const Pens& pens) {
    painter.save();
    painter.translate(at);
    const QPointF apex(0, -px.h);
    const std::array<QPointF, 3> corners{QPointF(-px.r, 0), QPointF(px.r, 0), apex};
    painter.setPen(pens.outline);
    painter.setBrush(pens.tint);
    painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
    if (px.h >= kVisible) {
        painter.setPen(pens.height);
        painter.drawLine(QPointF(0, 0), apex);
        if (shape.heightRule) {
            const double x = *shape.heightRule, tick = shape.hLabel.height() / 6;
            painter.setPen(QPen(pens.height.color(), pens.outline.widthF() / 2));
            painter.drawLine(QPointF(x, 0), QPointF(x, -px.h));
            painter.drawLine(QPointF(x - tick, 0), QPointF(x + tick, 0));
            painter.drawLine(QPointF(x - tick, -px.h), QPointF(x + tick, -px.h));
        }
        // The right angle between the height and the base.
        const double corner = std::min({shape.hLabel.height() / 3, px.r / 3, px.h / 3});
        if (corner >= 3) {
            painter.setPen(pens.outline);
            painter.drawPolyline(std::array<QPointF, 3>{QPointF(corner, 0),
                                                        QPointF(corner, -corner),
                                                        QPointF(0, -corner)}
                                     .data(),
                                 3);
        }
    }
    painter.setPen(pens.label);
    drawLabel(painter, shape.rLabel, labels.r);
    drawLabel(painter, shape.lLabel, labels.l);
    drawLabel(painter, shape.hLabel, labels.h);
    painter.restore();
}

// The sector from its apex: its arc from the left edge's end to the right
// one's, counter-clockwise on the screen as Qt counts angles.
QPainterPath sectorPath(double radius, double alpha) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.arcTo(QRectF(-radius, -radius, 2 * radius, 2 * radius), -90 - alpha / 2, alpha);
    path.closeSubpath();
    return path;
}

void drawNet(QPainter& painter, const QPointF& at, const Pixels& px, const ConeLabels& labels,
             const NetShape& shape, const Pens& pens) {
    painter.save();
    painter.translate(at);
    painter.setPen(pens.outline);
    painter.setBrush(pens.tint);
    if (px.l > 0)
        painter.drawPath(sectorPath(px.l, px.alpha));
    if (px.r > 0)
        painter.drawEllipse(QPointF(0, px.l + px.r), px.r, px.r);
    if (shape.marker >= 2) {
        QPainterPath arc;
        const QRectF around(-shape.marker, -shape.marker, 2 * shape.marker, 2 * shape.marker);
        arc.arcMoveTo(around, -90 - px.alpha / 2);
        arc.arcTo(around, -90 - px.alpha / 2, px.alpha);
        painter.setPen(QPen(pens.height.color(), pens.outline.widthF()));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arc);
    }
    painter.setPen(pens.label);
    drawLabel(painter, shape.alphaLabel, labels.alpha);
    painter.restore();
}

QPointF clampedPoint(const QPointF& p) {
    return {clampedCoordinate(p.x()), clampedCoordinate(p.y())};
}

// ---- The whole drawing

// What cannot be seen of a cone at the drawing's scale.
enum class Unseen { Nothing, Cone, Radius, Height, NoHeight };

constexpr std::array<const char*, 5> kUnseenTexts{
    "",
    "конусът е твърде малък, за да се види в този мащаб.",
    "радиусът е твърде малък, за да се види в този мащаб: сечението и развивката изглеждат "
    "като отсечки.",
    "височината е твърде малка, за да се види в този мащаб: сечението изглежда като отсечка.",
    "височината е 0: осното сечение е отсечка, а развивката е цял кръг.",
};

Unseen unseenOf(const ConeNet& net, const Pixels& px) {
    if (px.l < kVisible)
        return Unseen::Cone;
    if (px.r < kVisible)
        return Unseen::Radius;
    if (!(net.height > 0))
        return Unseen::NoHeight;
    return px.h < kVisible ? Unseen::Height : Unseen::Nothing;
}

QString sentence(const QString& title, Unseen unseen) {
    QString text = QString::fromUtf8(kUnseenTexts.at(static_cast<std::size_t>(unseen)));
    if (!title.isEmpty())
        return title + QStringLiteral(": ") + text;
    text[0] = text[0].toUpper();
    return text;
}

const std::array<QString, 2> kCaptions{QStringLiteral("осно сечение"), QStringLiteral("развивка")};

// The cones with their lengths divided by the longest of them, so that no
// length on the way to the device overflows or underflows before its time.
struct Cones {
    std::vector<ConeNet> nets; // in units of `longest`
    double longest = 0;
};

bool drawable(const ConeNet& net) {
    const std::array<double, 3> lengths{net.baseRadius, net.sectorRadius, net.height};
    return std::ranges::all_of(lengths, [](double v) { return std::isfinite(v) && v >= 0; }) &&
           net.sectorRadius > 0;
}

Cones normalized(const std::vector<DrawnCone>& cones) {
    Cones c;
    for (const DrawnCone& cone : cones)
        c.longest =
            std::max({c.longest, cone.net.baseRadius, cone.net.sectorRadius, cone.net.height});
    for (const DrawnCone& cone : cones)
        c.nets.push_back({cone.net.baseRadius / c.longest, cone.net.sectorRadius / c.longest,
                          cone.net.sectorAngleDegrees, cone.net.height / c.longest});
    return c;
}

// How the parts are put together: each cone's section beside or above its
// net, and the cones beside or above each other.
struct Arrangement {
    bool partsInRow;
    bool conesInRow;
};
constexpr std::array<Arrangement, 4> kArrangements{
    {{true, false}, {false, true}, {true, true}, {false, false}}};

struct Part {
    QRectF caption; // in the drawing
    QPointF anchor; // the base centre or the sector's apex, in the drawing
};

struct Layout {
    QSizeF size;
    std::vector<std::array<Part, 2>> parts; // section, net of each cone
    std::vector<QRectF> titles;
    std::vector<Pixels> pixels;
    std::vector<SectionShape> sections;
    std::vector<NetShape> nets;
};

class Drawing {
public:
    Drawing(const std::vector<DrawnCone>& cones, const DrawingStyle& style, const Measures& m)
        : cones_(cones), normal_(normalized(cones)), m_(m) {
        for (const DrawnCone& cone : cones) {
            labels_.push_back(labelsOf(cone.net, style));
            sizes_.push_back(sizesOf(labels_.back(), m));
            titleSizes_.push_back(cone.title.isEmpty() ? QSizeF() : m.size(cone.title));
        }
    }

    double longest() const { return normal_.longest; }
    const ConeLabels& labels(std::size_t i) const { return labels_[i]; }

    // The parts at `scale` pixels to the longest length.
    Layout layout(const Arrangement& arrangement, double scale) const;

private:
    const std::vector<DrawnCone>& cones_;
    Cones normal_;
    const Measures& m_;
    std::vector<ConeLabels> labels_;
    std::vector<LabelSizes> sizes_;
    std::vector<QSizeF> titleSizes_;
};

Layout Drawing::layout(const Arrangement& arrangement, double scale) const {
    Layout out;
    const double captionHeight = m_.line + m_.gap;
    double along = 0, across = 0; // the cones' row or column
    for (std::size_t i = 0; i < cones_.size(); ++i) {
        const Pixels px = pixelsOf(normal_.nets[i], scale);
        out.pixels.push_back(px);
        out.sections.push_back(sectionShape(px, sizes_[i], m_));
        out.nets.push_back(netShape(px, sizes_[i], m_));
        const std::array<QRectF, 2> bounds{out.sections.back().bounds, out.nets.back().bounds};
        std::array<QSizeF, 2> boxes;
        for (std::size_t k = 0; k < 2; ++k)
            boxes[k] = {std::max(bounds[k].width(), m_.size(kCaptions[k]).width()),
                        captionHeight + bounds[k].height()};
        const double titleHeight = titleSizes_[i].isEmpty() ? 0.0 : m_.line + m_.gap;
        const QSizeF parts = arrangement.partsInRow
                                 ? QSizeF(boxes[0].width() + m_.space + boxes[1].width(),
                                          std::max(boxes[0].height(), boxes[1].height()))
                                 : QSizeF(std::max(boxes[0].width(), boxes[1].width()),
                                          boxes[0].height() + m_.space + boxes[1].height());
        const QSizeF group(std::max(parts.width(), titleSizes_[i].width()),
                           titleHeight + parts.height());
        // The cone's corner in the drawing.
        const QPointF corner = arrangement.conesInRow ? QPointF(along, 0) : QPointF(0, along);
        out.titles.push_back(QRectF(corner, QSizeF(group.width(), m_.line)));
        std::array<Part, 2> placed;
        double next = 0;
        for (std::size_t k = 0; k < 2; ++k) {
            // Each part's box centred across the direction of the parts.
            const QPointF box =
                corner + QPointF((group.width() - parts.width()) / 2, titleHeight) +
                (arrangement.partsInRow ? QPointF(next, (parts.height() - boxes[k].height()) / 2)
                                        : QPointF((parts.width() - boxes[k].width()) / 2, next));
            next += (arrangement.partsInRow ? boxes[k].width() : boxes[k].height()) + m_.space;
            placed[k].caption = QRectF(box, QSizeF(boxes[k].width(), m_.line));
            placed[k].anchor = box +
                               QPointF((boxes[k].width() - bounds[k].width()) / 2, captionHeight) -
                               bounds[k].topLeft();
        }
        out.parts.push_back(placed);
        along += (arrangement.conesInRow ? group.width() : group.height()) + m_.space;
        across = std::max(across, arrangement.conesInRow ? group.height() : group.width());
    }
    along = std::max(0.0, along - m_.space);
    out.size = arrangement.conesInRow ? QSizeF(along, across) : QSizeF(across, along);
    // Cones side by side or stacked are centred across their row or column.
    for (std::size_t i = 0; i < out.parts.size(); ++i) {
        const double width =
            arrangement.conesInRow ? 0.0 : out.size.width() - out.titles[i].width();
        const QPointF shift(width / 2, 0);
        out.titles[i].translate(shift);
        for (Part& part : out.parts[i]) {
            part.caption.translate(shift);
            part.anchor += shift;
        }
    }
    return out;
}

bool fits(const Layout& layout, const QSizeF& room) {
    return layout.size.width() <= room.width() && layout.size.height() <= room.height();
}

// The largest scale at which the arrangement fits `room`; 0 when it does
// not fit at any.
double largestScale(const Drawing& drawing, const Arrangement& arrangement, const QSizeF& room) {
    double low = 0, high = 2 * std::max(room.width(), room.height()) + 1;
    if (!fits(drawing.layout(arrangement, low), room))
        return 0;
    for (int step = 0; step < 48; ++step) {
        const double middle = (low + high) / 2;
        (fits(drawing.layout(arrangement, middle), room) ? low : high) = middle;
    }
    return low;
}

double pixelsPerMillimetre(const QPainter& painter) {
    const int dpi = painter.device()->logicalDpiX();
    return (dpi > 0 ? dpi : 96) / 25.4;
}

} // namespace

namespace {

// Paints one part of the drawing of `cone` at `anchor`: `draw` gets the
// cone's lengths in pixels, its labels, the sizes the style gives them and
// its pens, on a painter whose state it may change.
template <typename Draw>
void paintPart(QPainter& painter, const QPointF& anchor, double scale, const DrawnCone& cone,
               const DrawingStyle& style, Draw draw) {
    if (!painter.isActive())
        return;
    const Measures m = measuresOf(painter, style);
    const Pixels px = pixelsOf(cone.net, scale);
    const ConeLabels labels = labelsOf(cone.net, style);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(style.font);
    draw(clampedPoint(anchor), px, labels, sizesOf(labels, m), m, pensOf(style, m));
    painter.restore();
}

} // namespace

void paintAxialSection(QPainter& painter, const QPointF& baseCentre, double scale,
                       const DrawnCone& cone, const DrawingStyle& style) {
    paintPart(painter, baseCentre, scale, cone, style,
              [&](QPointF at, const Pixels& px, const ConeLabels& labels, const auto& sizes,
                  const Measures& m, const auto& pens) {
                  drawSection(painter, at, px, labels, sectionShape(px, sizes, m), pens);
              });
}

void paintNet(QPainter& painter, const QPointF& sectorApex, double scale, const DrawnCone& cone,
              const DrawingStyle& style) {
    paintPart(painter, sectorApex, scale, cone, style,
              [&](QPointF at, const Pixels& px, const ConeLabels& labels, const auto& sizes,
                  const Measures& m, const auto& pens) {
                  drawNet(painter, at, px, labels, netShape(px, sizes, m), pens);
              });
}

double paintConeDrawing(QPainter& painter, const QRectF& area, const std::vector<DrawnCone>& cones,
                        const DrawingStyle& style) {
    const QRectF room(clampedPoint(area.topLeft()), clampedPoint(area.bottomRight()));
    if (!painter.isActive() || cones.empty() || !room.isValid() ||
        !std::ranges::all_of(cones, [](const DrawnCone& c) { return drawable(c.net); }))
        return 0;
    const Measures m = measuresOf(painter, style);
    const Drawing drawing(cones, style, m);

    // The lines under the drawing: its scale, and a sentence for each cone
    // of which a part cannot be seen. They depend on the scale, which
    // depends on the room they leave: a few rounds settle them.
    QStringList below{QStringLiteral("мащаб 1:1 000 000")};
    const auto heightOf = [&](const QStringList& lines) {
        return m.metrics
                   .boundingRect(QRectF(0, 0, room.width(), kFarthest), Qt::TextWordWrap,
                                 lines.join(QLatin1Char('\n')))
                   .height() +
               m.gap;
    };
    std::optional<Layout> chosen;
    double scale = 0;
    for (int round = 0; round < 4; ++round) {
        const QSizeF left(room.width(), room.height() - heightOf(below));
        double best = 0;
        const Arrangement* arrangement = nullptr;
        for (const Arrangement& a : kArrangements) {
            if (cones.size() == 1 && a.conesInRow)
                continue; // one cone is arranged the same either way
            const double s = largestScale(drawing, a, left);
            if (s > best) {
                best = s;
                arrangement = &a;
            }
        }
        if (!arrangement)
            return 0;
        // Down to a round scale that still fits. The logarithms keep the
        // scale of a cone of 10³⁰⁰ or 10⁻³⁰⁰ in range.
        const double lgMillimetres =
            std::log10(drawing.longest()) + std::log10(pixelsPerMillimetre(painter));
        RoundScale rounded =
            RoundScale::largestWithin(std::log10(best) - lgMillimetres, style.unit, kScreenScales);
        chosen.reset();
        for (int tries = 0; tries < 30 && !chosen; ++tries) {
            scale = std::min(best, std::pow(10.0, rounded.log10Millimetres() + lgMillimetres));
            if (Layout l = drawing.layout(*arrangement, scale); fits(l, left))
                chosen = std::move(l);
            else
                rounded = rounded.nextSmaller(kScreenScales);
        }
        if (!chosen)
            return 0;
        QStringList lines{rounded.text(style.settings)};
        for (std::size_t i = 0; i < cones.size(); ++i)
            if (const Unseen u = unseenOf(cones[i].net, chosen->pixels[i]); u != Unseen::Nothing)
                lines << sentence(cones[i].title, u);
        const bool settled = heightOf(lines) <= heightOf(below);
        below = lines;
        if (settled)
            break;
    }
    // Sentences that still do not fit are left out.
    while (below.size() > 1 && chosen->size.height() + heightOf(below) > room.height())
        below.removeLast();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(style.font);
    const Pens pens = pensOf(style, m);
    const double textHeight = heightOf(below);
    const QPointF origin =
        room.topLeft() + QPointF((room.width() - chosen->size.width()) / 2,
                                 (room.height() - chosen->size.height() - textHeight) / 2);
    for (std::size_t i = 0; i < cones.size(); ++i) {
        painter.setPen(pens.label);
        if (!cones[i].title.isEmpty())
            painter.drawText(chosen->titles[i].translated(origin), Qt::AlignCenter, cones[i].title);
        for (std::size_t k = 0; k < 2; ++k)
            painter.drawText(chosen->parts[i][k].caption.translated(origin), Qt::AlignCenter,
                             kCaptions[k]);
        drawSection(painter, origin + chosen->parts[i][0].anchor, chosen->pixels[i],
                    drawing.labels(i), chosen->sections[i], pens);
        drawNet(painter, origin + chosen->parts[i][1].anchor, chosen->pixels[i], drawing.labels(i),
                chosen->nets[i], pens);
    }
    painter.setPen(pens.label);
    painter.drawText(
        QRectF(room.left(), origin.y() + chosen->size.height() + m.gap, room.width(), textHeight),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, below.join(QLatin1Char('\n')));
    painter.restore();
    const double perUnit = scale / drawing.longest();
    return std::isfinite(perUnit) ? perUnit : std::numeric_limits<double>::max();
}

QString coneDrawingDescription(const std::vector<DrawnCone>& cones, const DrawingStyle& style) {
    if (cones.empty())
        return QStringLiteral("Няма изчислен конус за начертаване.");
    QStringList each;
    for (const DrawnCone& cone : cones) {
        const ConeLabels l = labelsOf(cone.net, style);
        QString values = QStringList{l.r, l.l, l.h, l.alpha}.join(QStringLiteral(", "));
        if (!cone.title.isEmpty())
            values =
                cone.title.left(1).toLower() + cone.title.mid(1) + QStringLiteral(" – ") + values;
        each << values;
    }
    const QString what = cones.size() == 1
                             ? QStringLiteral("Осното сечение и развивката на конуса: ")
                             : QStringLiteral("Осните сечения и развивките на двата конуса: ");
    return what + each.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace velmora

namespace velmora {

std::vector<DrawnCone> drawnCones(const textbook::Problem& problem) {
    const bool two = problem.cones.size() > 1;
    std::vector<DrawnCone> cones;
    for (std::size_t i = 0; i < problem.cones.size(); ++i) {
        const ConeValues& cone = problem.cones[i];
        cones.push_back(
            {two ? textbook::coneTitle(i) : QString(),
             coneNet(cone[ConeQuantity::R], cone[ConeQuantity::L], cone[ConeQuantity::H])});
    }
    return cones;
}

} // namespace velmora
