#include "solution_page.h"

#include "appearance.h"
#include "printed_net.h"

#include "velmora/cone_quantity.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kTitlePoints = 16;
constexpr double kTextPoints = 11;
// In millimetres.
constexpr double kPageMargin = 15;
constexpr double kGap = 4;
constexpr double kAxialSectionHeight = 60;
// Room for the letters and values written beside the axial section.
constexpr QMarginsF kAxialSectionLabels(14, 6, 24, 8);

// The words that open a part of the solution, set in bold.
constexpr std::array<QStringView, 4> kHeadings{u"Дадено:", u"Търси се:", u"Решение:", u"Отговор:"};

QFont pageFont(double points, bool bold) {
    QFont font = windowFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Where the axial section of a cone is drawn in `area`: the base's centre
// and the device pixels to a unit of the cone's lengths, with room for its
// letters around it.
struct AxialSectionPlace {
    QPointF baseCentre;
    double scale = 0;
};

AxialSectionPlace axialSectionPlace(const QRectF& area, const ConeNet& cone, double perMillimetre) {
    const QMarginsF labels = kAxialSectionLabels * perMillimetre;
    const QRectF room = area.marginsRemoved(labels);
    const double width = 2 * cone.baseRadius;
    const double height = cone.height;
    double scale = room.width() / std::max(width, 1e-300);
    if (height > 0)
        scale = std::min(scale, room.height() / height);
    if (!std::isfinite(scale))
        scale = 0;
    const double drawnHeight = height * scale;
    return {QPointF(room.center().x(), room.bottom() - (room.height() - drawnHeight) / 2), scale};
}

// The axial section of `cone` in `area`, drawn as the solution window draws
// it, in black on white in the page's font.
void paintAxialSectionIn(QPainter& painter, const QRectF& area, const DrawnCone& cone,
                         const PrintedSolution& solution, const QFont& font, double perMillimetre) {
    const AxialSectionPlace place = axialSectionPlace(area, cone.net, perMillimetre);
    if (place.scale <= 0)
        return;
    const DrawingStyle style{Qt::black,     QColor(0x1f, 0x5f, 0xa8), Qt::white, font,
                             solution.unit, solution.settings};
    painter.save();
    paintAxialSection(painter, place.baseCentre, place.scale, cone, style);
    painter.restore();
}

// Paints blocks one under the other, from the top of a page, and begins a
// new page for a block that does not fit under what is already there.
class PageFlow {
public:
    PageFlow(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), device_(device),
          perMillimetre_(device.logicalDpiY() / kMillimetresPerInch),
          page_(0, 0, device.width(), device.height()) {}

    double perMillimetre() const { return perMillimetre_; }
    double width() const { return page_.width(); }
    double pageHeight() const { return page_.height(); }
    double top() const { return y_; }

    // Makes room for `height`: a new page unless it fits under what this
    // one holds (or the page is still empty).
    void makeRoom(double height) {
        if (y_ > 0 && y_ + height > page_.height()) {
            device_.newPage();
            y_ = 0;
        }
    }
    void advance(double height) { y_ += height; }

    // `text` wrapped to the page's width, line by line onto new pages; the
    // part before `boldUntil` in bold.
    void paragraph(const QString& text, const QFont& font, qsizetype boldUntil = 0) {
        QTextLayout layout(text, font, &device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        if (boldUntil > 0) {
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            layout.setFormats({{0, static_cast<int>(boldUntil), bold}});
        }
        layout.beginLayout();
        double lineTop = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(page_.width());
            line.setPosition(QPointF(0, lineTop));
            lineTop += line.height();
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            makeRoom(line.height());
            line.draw(&painter_, QPointF(0, y_ - line.y()));
            y_ += line.height();
        }
    }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    double perMillimetre_;
    QRectF page_;
    double y_ = 0;
};

// How much of a line of the solution is set in bold: a heading's word, or
// the whole of a line that introduces what follows ("Първи конус (…):").
qsizetype boldPart(const QString& line) {
    for (QStringView heading : kHeadings)
        if (line.startsWith(heading))
            return heading.size();
    return line.endsWith(u':') ? line.size() : 0;
}

void paintNetOf(PageFlow& flow, QPainter& painter, const PrintedSolution& solution,
                const DrawnCone& cone, const QFont& text) {
    PrintedNet net(cone.net, solution.unit, solution.settings);
    const QFontMetricsF metrics(text, painter.device());
    // The caption under it: what it is, its scale, how to make the cone.
    QString caption = (cone.title.isEmpty() ? QStringLiteral("Развивка")
                                            : QStringLiteral("Развивка – ") + cone.title) +
                      QStringLiteral(", %1. Изрежете по плътната линия, прегънете по пунктира "
                                     "и залепете ивицата под другия край на сектора.");
    const double captionRoom = 3 * metrics.lineSpacing();
    const double perMillimetre = flow.perMillimetre();
    net.fitTo(QSizeF(flow.width(), flow.pageHeight() - captionRoom) / perMillimetre);
    caption = caption.arg(net.scaleText());
    if (const QString note = net.tooSmallNote(); !note.isEmpty())
        caption += QLatin1Char(' ') + note;

    const QSizeF size = net.sizeMillimetres() * perMillimetre;
    flow.makeRoom(size.height() + captionRoom);
    painter.setFont(text);
    net.paint(painter, QPointF((flow.width() - size.width()) / 2, flow.top()));
    flow.advance(size.height());
    flow.paragraph(caption, text);
}

} // namespace

PrintedSolution printedSolution(const textbook::Problem& problem) {
    PrintedSolution page;
    page.title = QStringLiteral("Конус: ") + textbook::givenValues(problem);
    page.lines = textbook::solution(problem);
    page.unit = problem.unit;
    page.settings = problem.settings;
    page.cones = drawnCones(problem);
    return page;
}

QPageLayout defaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kPageMargin, kPageMargin, kPageMargin, kPageMargin),
                       QPageLayout::Millimeter);
}

bool paintSolutionPages(QPagedPaintDevice& device, const PrintedSolution& solution) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PageFlow flow(painter, device);
    const QFont title = pageFont(kTitlePoints, true);
    const QFont text = pageFont(kTextPoints, false);
    const double gap = kGap * flow.perMillimetre();

    painter.setPen(Qt::black);
    flow.paragraph(solution.title, title);
    flow.advance(gap);
    for (const QString& line : solution.lines)
        flow.paragraph(line, text, boldPart(line));

    const double sectionHeight = kAxialSectionHeight * flow.perMillimetre();
    const double headingHeight = QFontMetricsF(text, &device).lineSpacing();
    for (const DrawnCone& cone : solution.cones) {
        flow.advance(gap);
        flow.makeRoom(headingHeight + sectionHeight);
        if (!cone.title.isEmpty())
            flow.paragraph(cone.title, pageFont(kTextPoints, true));
        paintAxialSectionIn(painter, QRectF(0, flow.top(), flow.width(), sectionHeight), cone,
                            solution, text, flow.perMillimetre());
        flow.advance(sectionHeight + gap);
        paintNetOf(flow, painter, solution, cone, text);
    }
    return painter.end();
}

} // namespace velmora
