#include "solution_window.h"

#include "cone_drawing.h"
#include "cone_drawing_widget.h"
#include "unit_and_print_row.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include <utility>

namespace velmora {
namespace {

// The text wide enough for the longest line of a solution at the window's
// font and the drawing beside it, tall enough for a combination solved
// through an equation.
constexpr QSize kInitialSize(1040, 600);
constexpr int kInitialTextWidth = 640;

} // namespace

SolutionWindow::SolutionWindow(QWidget* owner, QAction* copy)
    : QWidget(owner, Qt::Window), text_(new QPlainTextEdit(this)),
      drawing_(new ConeDrawingWidget(this)), unitAndPrint_(new UnitAndPrintRow(this)),
      handCalculation_(new QCheckBox(QStringLiteral("π ≈ 3,14"), this)) {
    setWindowTitle(QStringLiteral("Решение"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    text_->setReadOnly(true);
    // Read-only, yet a caret for the keyboard: a screen reader follows it
    // line by line, and Shift with the arrows selects.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setFocusPolicy(Qt::StrongFocus);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setAccessibleName(QStringLiteral("Решение"));

    handCalculation_->setToolTip(
        QStringLiteral("Десетичните стойности в решението се изчисляват с π ≈ 3,14 и се "
                       "закръглят до стотни, както при решаване на ръка."));
    connect(handCalculation_, &QCheckBox::toggled, this, &SolutionWindow::handCalculationToggled);
    connect(unitAndPrint_, &UnitAndPrintRow::unitChanged, this, &SolutionWindow::unitChanged);

    auto* copyButton = new QPushButton(copy->text(), this);
    copyButton->setEnabled(copy->isEnabled());
    connect(copyButton, &QPushButton::clicked, copy, &QAction::trigger);
    connect(copy, &QAction::enabledChanged, copyButton, &QPushButton::setEnabled);
    addAction(copy);

    auto* close = new QPushButton(QStringLiteral("Затвори"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(handCalculation_);
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(close);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(text_);
    splitter->addWidget(drawing_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({kInitialTextWidth, kInitialSize.width() - kInitialTextWidth});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(unitAndPrint_);
    layout->addLayout(buttons);
    // No larger than most of the screen, at 200 % on a small one too.
    const QScreen* screen = owner ? owner->screen() : this->screen();
    resize(screen ? kInitialSize.boundedTo(screen->availableSize() * 9 / 10) : kInitialSize);
    setFocusProxy(text_);
}

void SolutionWindow::showSolution(const textbook::Problem& problem) {
    text_->setPlainText(textbook::solution(problem).join(QLatin1Char('\n')));
    unitAndPrint_->setSolution(problem);
    drawing_->setUnit(problem.unit);
    drawing_->setCones(drawnCones(problem), problem.settings);
}

void SolutionWindow::showNoSolution(const QString& sentence) {
    text_->setPlainText(sentence);
    drawing_->setCones({}, {});
    unitAndPrint_->setSolution(std::nullopt);
}

bool SolutionWindow::handCalculation() const {
    return handCalculation_->isChecked();
}

LengthUnit SolutionWindow::unit() const {
    return unitAndPrint_->unit();
}

QString SolutionWindow::shownText() const {
    return text_->toPlainText();
}

} // namespace velmora

namespace velmora {

// Esc closes the window, as it closes a dialog; the text passes it on.
void SolutionWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora
