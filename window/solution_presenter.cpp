#include "solution_presenter.h"

#include "accessible_texts.h"
#include "qt_text.h"
#include "solution_window.h"
#include "worked_solution.h"

#include "velmora/number_forms.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QStringList>

#include <utility>

namespace velmora {
namespace {

#ifdef Q_OS_WIN
constexpr QStringView kLineEnd = u"\r\n";
#else
constexpr QStringView kLineEnd = u"\n";
#endif

// What a screen reader says of value field `slot` when it tells nothing more.
QString plainDescription(std::size_t slot) {
    for (const accessibility::AccessibleText& a : accessibility::kAccessibleTexts)
        if (a.name == layout::ControlName::Text2 && a.index == static_cast<int>(slot))
            return toQString(a.description);
    return {};
}

} // namespace

SolutionPresenter::SolutionPresenter(QWidget* window, const Fields& fields)
    : QObject(window), window_(window), fields_(fields),
      copy_(new QAction(worked_solution::copyEntryText(), window)),
      show_(new QAction(QStringLiteral("Решение…"), window)) {
    copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy_->setShortcutContext(Qt::WindowShortcut);
    copy_->setEnabled(false);
    window->addAction(copy_);
    connect(copy_, &QAction::triggered, this, [this] {
        if (problem_)
            QGuiApplication::clipboard()->setText(textbook::solution(*problem_).join(kLineEnd) +
                                                  kLineEnd.toString());
    });
    show_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    show_->setShortcutContext(Qt::WindowShortcut);
    window->addAction(show_);
    connect(show_, &QAction::triggered, this, &SolutionPresenter::showSolutionWindow);
    for (ValueField* field : fields_) {
        field->addMenuAction(show_);
        field->addMenuAction(copy_);
        connect(field, &QLineEdit::textChanged, this, &SolutionPresenter::putAway);
    }
    // The solution window closes with the main window.
    window->installEventFilter(this);
}

void SolutionPresenter::opensOnActivating(QWidget* picture) {
    picture_ = picture;
    picture->setToolTip(QStringLiteral("Щракнете върху чертежа или натиснете Enter, за да видите "
                                       "решението (Ctrl+R)"));
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);
}

bool SolutionPresenter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close && solutionWindow_)
        solutionWindow_->close();
    if (watched == picture_ && picture_) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            showSolutionWindow();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                showSolutionWindow();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<ExactValue> SolutionPresenter::writtenExact(std::size_t slot) const {
    if (fields_[slot]->text() != written_[slot])
        return std::nullopt;
    return writtenExact_[slot];
}

void SolutionPresenter::showSolutionWindow() {
    if (!solutionWindow_) {
        solutionWindow_ = new SolutionWindow(window_, copy_);
        connect(solutionWindow_, &SolutionWindow::handCalculationToggled, this,
                &SolutionPresenter::updateSolutionWindow);
        connect(solutionWindow_, &SolutionWindow::unitChanged, this,
                &SolutionPresenter::updateSolutionWindow);
        updateSolutionWindow();
    }
    solutionWindow_->show();
    solutionWindow_->raise();
    solutionWindow_->activateWindow();
    // The keyboard goes to the solution's text, where the arrows read it.
    solutionWindow_->setFocus(Qt::ActiveWindowFocusReason);
}

void SolutionPresenter::updateSolutionWindow() {
    if (problem_) {
        problem_->handCalculation = solutionWindow_ && solutionWindow_->handCalculation();
        problem_->unit = solutionWindow_ ? solutionWindow_->unit() : LengthUnit::None;
    }
    if (!solutionWindow_)
        return;
    if (problem_ && !outdated_)
        solutionWindow_->showSolution(*problem_);
    else
        solutionWindow_->showNoSolution(problem_ ? textbook::solutionOutdated()
                                                 : textbook::noSolutionYet());
}

void SolutionPresenter::present(const GivenPair& pair, const ConeValues& cone,
                                const std::optional<ConeValues>& second,
                                const NumberSettings& settings,
                                const std::array<textbook::GivenValue, 2>& given) {
    const std::array<QStringList, kQuantityCount> derivation =
        worked_solution::derivation(pair, cone, settings);
    for (std::size_t slot = 0; slot < kQuantityCount; ++slot) {
        ValueField* field = fields_[slot];
        const double value = cone.bySlot[slot];
        // The whole value first, where the field does not show it; a given
        // field's tooltip shows its own text.
        QStringList lines;
        if (sevenDecimalsHideDigits(value))
            lines << worked_solution::valueText(value, settings);
        else if (!derivation[slot].isEmpty() && !field->showsWholeText())
            lines << field->text();
        lines += derivation[slot];
        const QString explanation = lines.join(QLatin1Char('\n'));
        field->setExplanation(explanation);
        field->setAccessibleDescription(explanation.isEmpty() ? plainDescription(slot)
                                                              : explanation);
    }
    textbook::Problem problem{pair, {cone}, given, settings, false};
    if (second)
        problem.cones.push_back(*second);
    problem_ = std::move(problem);
    outdated_ = false;
    for (std::size_t slot = 0; slot < kQuantityCount; ++slot) {
        written_[slot] = fields_[slot]->text();
        writtenExact_[slot].reset();
    }
    writtenExact_[static_cast<std::size_t>(slotOf(pair.first))] = given[0].exact;
    writtenExact_[static_cast<std::size_t>(slotOf(pair.second))] = given[1].exact;
    copy_->setEnabled(true);
    updateSolutionWindow();
}

void SolutionPresenter::putAway() {
    if (!copy_->isEnabled())
        return;
    copy_->setEnabled(false);
    outdated_ = true;
    updateSolutionWindow();
    for (std::size_t slot = 0; slot < kQuantityCount; ++slot) {
        fields_[slot]->setExplanation({});
        fields_[slot]->setAccessibleDescription(plainDescription(slot));
    }
}

} // namespace velmora
