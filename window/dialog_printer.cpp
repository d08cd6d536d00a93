// The printer behind «Печат…»: Qt's print dialog and QPrinter. Built as the
// print module on Linux and linked into the program on Windows.
#include "solution_printer.h"

#include <QPrintDialog>
#include <QPrinter>

namespace velmora {
namespace {

class DialogPrinter final : public SolutionPrinter {
public:
    PrintResult print(QWidget* parent, const PrintJob& job) override {
        if (!printer_) {
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer_->setPageLayout(job.firstPageLayout);
        }
        printer_->setDocName(job.documentName);
        QPrintDialog dialog(printer_.get(), parent);
        dialog.setWindowTitle(job.dialogTitle);
        if (dialog.exec() != QDialog::Accepted)
            return {PrintOutcome::Cancelled, {}};
        if (job.paint(*printer_))
            return {PrintOutcome::Printed, {}};
        return {PrintOutcome::Failed, printer_->outputFileName()};
    }

private:
    // Kept from print to print: the printer and page chosen in the dialog.
    std::unique_ptr<QPrinter> printer_;
};

} // namespace
} // namespace velmora

// Exported by the module only: a program that links the printer in keeps
// its symbols to itself.
#ifdef VELMORA_PRINT_MODULE
#define VELMORA_PRINT_ENTRY Q_DECL_EXPORT
#else
#define VELMORA_PRINT_ENTRY
#endif

extern "C" VELMORA_PRINT_ENTRY velmora::SolutionPrinter* velmora_solution_printer_v1() {
    return new velmora::DialogPrinter;
}
