// Printing through the desktop's print dialog, kept apart from the window:
// on Linux the dialog and Qt's print support live in a module that the
// program loads at the first «Печат…», so that a start that never prints
// does not load them. On Windows, where Qt is linked in, the same code is
// part of the program.
#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QWidget;

namespace velmora {

struct PrintJob {
    QString dialogTitle;
    QString documentName;
    // The page of the first print; later prints keep the printer and page
    // chosen in the dialog.
    QPageLayout firstPageLayout;
    // Paints the document on the printer; false where it could not.
    std::function<bool(QPagedPaintDevice&)> paint;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Cancelled;
    // Where a failed print was to be written, if to a file (print to PDF).
    QString outputFile;
};

class SolutionPrinter {
public:
    virtual ~SolutionPrinter() = default;
    // Opens the print dialog over `parent` and prints `job` if accepted.
    virtual PrintResult print(QWidget* parent, const PrintJob& job) = 0;
};

struct LoadedPrinter {
    std::unique_ptr<SolutionPrinter> printer; // none where it could not be had
    QString missingFile;                      // then, the module looked for
};

// The printer of this program: loaded from its module or linked in.
LoadedPrinter newSolutionPrinter();
// The printer from the module in `folder` (Linux builds).
LoadedPrinter loadSolutionPrinter(const QString& folder);

} // namespace velmora

// What the module exports; the number changes with the interface above.
#define VELMORA_SOLUTION_PRINTER_ENTRY "velmora_solution_printer_v1"
extern "C" velmora::SolutionPrinter* velmora_solution_printer_v1();
