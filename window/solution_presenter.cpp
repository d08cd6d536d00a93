#include "solution_presenter.h"

#include "accessible_texts.h"
#include "qt_text.h"
#include "worked_solution.h"

#include "velmora/number_forms.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
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
    : QObject(window), fields_(fields),
      copy_(new QAction(worked_solution::copyEntryText(), window)) {
    copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy_->setShortcutContext(Qt::WindowShortcut);
    copy_->setEnabled(false);
    window->addAction(copy_);
    connect(copy_, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(solution_); });
    for (ValueField* field : fields_) {
        field->addMenuAction(copy_);
        connect(field, &QLineEdit::textChanged, this, &SolutionPresenter::putAway);
    }
}

void SolutionPresenter::present(const GivenPair& pair, const ConeValues& cone,
                                const std::optional<ConeValues>& second,
                                const NumberSettings& settings) {
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
    solution_ = worked_solution::solutionText(pair, cone, second, settings, kLineEnd);
    copy_->setEnabled(true);
}

void SolutionPresenter::putAway() {
    if (!copy_->isEnabled())
        return;
    copy_->setEnabled(false);
    solution_.clear();
    for (std::size_t slot = 0; slot < kQuantityCount; ++slot) {
        fields_[slot]->setExplanation({});
        fields_[slot]->setAccessibleDescription(plainDescription(slot));
    }
}

} // namespace velmora
