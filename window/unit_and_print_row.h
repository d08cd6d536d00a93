// The row of the solution window with the unit of length and the printing:
// «Мерна единица:» with «без», «mm», «cm», «dm» and «m» (none at first,
// kept while the program runs, never saved), «Печат…» (Ctrl+P), which opens
// the desktop's print dialog, and «Запази като PDF…» (Ctrl+S), which asks
// for a file name and writes a PDF. Both print the solution last given and
// are disabled while there is none. A file that cannot be written is told of
// in a message; the window keeps what it shows.
#pragma once

#include "length_unit.h"
#include "textbook_solution.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QAction;
class QComboBox;

namespace velmora {

class SolutionPrinter;

class UnitAndPrintRow : public QWidget {
    Q_OBJECT
public:
    explicit UnitAndPrintRow(QWidget* parent);
    ~UnitAndPrintRow() override;

    LengthUnit unit() const;
    // The solution to print, or none.
    void setSolution(std::optional<textbook::Problem> problem);

    // «Печат…» and «Запази като PDF…»: each opens its dialog.
    void print();
    void saveAsPdf();

signals:
    void unitChanged(LengthUnit unit);

private:
    // Writes the PDF of the solution to `path`, or says in a message why not.
    void writePdf(const QString& path);
    void tellFailure(const QString& sentence);

    QComboBox* unit_;
    QAction* print_;
    QAction* savePdf_;
    std::optional<textbook::Problem> problem_;
    // Had at the first print: it keeps the printer and page chosen in the
    // dialog for the next one.
    std::unique_ptr<SolutionPrinter> printer_;
    QString pdfFolder_;
};

} // namespace velmora
