#include "unit_and_print_row.h"

#include "solution_page.h"
#include "solution_printer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

namespace velmora {
namespace {

const QString kSuggestedFileName = QStringLiteral("конус.pdf");

// A button that triggers `action` and follows whether it is enabled.
QPushButton* buttonFor(QAction* action, QWidget* parent) {
    auto* button = new QPushButton(action->text(), parent);
    button->setToolTip(action->toolTip());
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    return button;
}

QAction* shortcutAction(const QString& text, const QString& tip, QKeyCombination keys,
                        QWidget* parent) {
    auto* action = new QAction(text, parent);
    action->setShortcut(QKeySequence(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(tip + QStringLiteral(" (") +
                       action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    action->setEnabled(false);
    parent->addAction(action);
    return action;
}

} // namespace

UnitAndPrintRow::UnitAndPrintRow(QWidget* parent)
    : QWidget(parent), unit_(new QComboBox(this)),
      print_(shortcutAction(QStringLiteral("Печат…"),
                            QStringLiteral("Отпечатва решението и развивката на конуса"),
                            Qt::CTRL | Qt::Key_P, this)),
      savePdf_(shortcutAction(QStringLiteral("Запази като PDF…"),
                              QStringLiteral("Записва решението и развивката на конуса като PDF"),
                              Qt::CTRL | Qt::Key_S, this)) {
    for (const LengthUnitInfo& info : kLengthUnits)
        unit_->addItem(info.unit == LengthUnit::None ? QStringLiteral("без")
                                                     : QString::fromLatin1(info.symbol));
    unit_->setAccessibleName(QStringLiteral("Мерна единица"));
    unit_->setToolTip(QStringLiteral("Мерната единица на дадените дължини: с нея се пишат "
                                     "стойностите и отговорите, а развивката се печата в "
                                     "естествена големина"));
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] { emit unitChanged(unit()); });
    auto* label = new QLabel(QStringLiteral("Мерна единица:"), this);
    label->setBuddy(unit_);

    connect(print_, &QAction::triggered, this, &UnitAndPrintRow::print);
    connect(savePdf_, &QAction::triggered, this, &UnitAndPrintRow::saveAsPdf);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(unit_);
    layout->addStretch();
    layout->addWidget(buttonFor(print_, this));
    layout->addWidget(buttonFor(savePdf_, this));
}

UnitAndPrintRow::~UnitAndPrintRow() = default;

LengthUnit UnitAndPrintRow::unit() const {
    return kLengthUnits.at(static_cast<std::size_t>(std::max(unit_->currentIndex(), 0))).unit;
}

void UnitAndPrintRow::setSolution(std::optional<textbook::Problem> problem) {
    problem_ = std::move(problem);
    print_->setEnabled(problem_.has_value());
    savePdf_->setEnabled(problem_.has_value());
}

void UnitAndPrintRow::print() {
    if (!problem_)
        return;
    if (!printer_) {
        LoadedPrinter loaded = newSolutionPrinter();
        if (!loaded.printer) {
            tellFailure(QStringLiteral("Печатът не е възможен: липсва модулът за печат „%1“. "
                                       "Решението може да се запази като PDF.")
                            .arg(QDir::toNativeSeparators(loaded.missingFile)));
            return;
        }
        printer_ = std::move(loaded.printer);
    }
    const PrintedSolution page = printedSolution(*problem_);
    const PrintResult result = printer_->print(
        window(),
        {QStringLiteral("Печат на решението"), page.title, defaultPageLayout(),
         [&page](QPagedPaintDevice& device) { return paintSolutionPages(device, page); }});
    if (result.outcome != PrintOutcome::Failed)
        return;
    tellFailure(
        result.outputFile.isEmpty()
            ? QStringLiteral("Решението не беше отпечатано: принтерът не прие заданието за печат.")
            : QStringLiteral("Решението не беше отпечатано: файлът „%1“ не може да "
                             "бъде записан.")
                  .arg(QDir::toNativeSeparators(result.outputFile)));
}

void UnitAndPrintRow::saveAsPdf() {
    if (!problem_)
        return;
    if (pdfFolder_.isEmpty() || !QFileInfo(pdfFolder_).isDir())
        pdfFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(pdfFolder_).isDir())
        pdfFolder_ = QDir::homePath();
    QFileDialog dialog(window(), QStringLiteral("Запази като PDF"), pdfFolder_,
                       QStringLiteral("PDF документи (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QDir(pdfFolder_).filePath(kSuggestedFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    pdfFolder_ = QFileInfo(path).absolutePath();
    writePdf(path);
}

void UnitAndPrintRow::writePdf(const QString& path) {
    const PrintedSolution page = printedSolution(*problem_);
    // A save file: a failed write, a full disk among them, leaves no half
    // written PDF and keeps a file that was there before.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        bool painted = false;
        {
            QPdfWriter writer(&file);
            writer.setPageLayout(defaultPageLayout());
            writer.setTitle(page.title);
            writer.setCreator(QStringLiteral("Velmora"));
            painted = paintSolutionPages(writer, page);
        }
        if (painted && file.commit())
            return;
    }
    tellFailure(QStringLiteral("PDF файлът не беше записан в „%1“: %2. Решението остава в "
                               "прозореца; изберете друга папка.")
                    .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void UnitAndPrintRow::tellFailure(const QString& sentence) {
    QMessageBox::warning(window(), QStringLiteral("Решение"), sentence);
}

} // namespace velmora
