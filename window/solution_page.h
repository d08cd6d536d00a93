// The solution on paper, for the printer and for a PDF: a title with the
// given values, the solution's text wrapped to the page, and for each cone
// the room of its axial section and its net to cut out, at real size in the
// solution's unit where it fits (see printed_net.h). A4 upright unless the
// printer or its dialog chose another page; what does not fit a page goes
// on to the next.
#pragma once

#include "cone_drawing.h"
#include "length_unit.h"
#include "textbook_solution.h"

#include "velmora/number_settings.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;

namespace velmora {

struct PrintedSolution {
    QString title;     // "Конус: R = 3 cm; L = 5 cm"
    QStringList lines; // the solution as the window shows it
    std::vector<DrawnCone> cones;
    LengthUnit unit = LengthUnit::None;
    NumberSettings settings;
};

PrintedSolution printedSolution(const textbook::Problem& problem);

// What a new printer or PDF starts with: A4 upright, margins of 15 mm.
QPageLayout defaultPageLayout();

// Paints `solution` on `device` from its current page on, in the device's
// page layout. False where painting could not begin or end: a file that
// cannot be written.
bool paintSolutionPages(QPagedPaintDevice& device, const PrintedSolution& solution);

} // namespace velmora
