// The worked solution of the last calculation, while the fields still hold
// what it wrote: each field's tooltip and accessible description tell how
// its value follows, and «Копирай решението» in the value fields' context
// menu, or Ctrl+Shift+C anywhere in the window, copies the whole solution.
// A change of any field's text (an edit, Clear, choosing a combination)
// puts it away: the entry is disabled and the shortcut does nothing until
// the next calculation succeeds. The window «Решение» (Ctrl+R, a click on the
// cone's picture, «Решение…» in the fields' menu) shows the solution as a
// textbook writes it; it is built when first asked for.
#pragma once

#include "textbook_solution.h"
#include "value_field.h"

#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QAction;

namespace velmora {

class SolutionPresenter : public QObject {
public:
    using Fields = std::array<ValueField*, kQuantityCount>;

    // For the value fields `fields` of `window`.
    SolutionPresenter(QWidget* window, const Fields& fields);

    // `cone` of `pair` has just been written into the fields under
    // `settings`; `second` is the other cone with the same given values that
    // the user is told of, where there is one; `given` the given values as
    // the user gave them.
    void present(const GivenPair& pair, const ConeValues& cone,
                 const std::optional<ConeValues>& second, const NumberSettings& settings,
                 const std::array<textbook::GivenValue, 2>& given);

    // The exact value that the field of `slot` was written from, while it
    // still holds what the last calculation wrote there.
    std::optional<ExactValue> writtenExact(std::size_t slot) const;

    // A click on `picture`, or Enter or Space while it has the focus, opens
    // the solution window; its tooltip says so.
    void opensOnActivating(QWidget* picture);

    // Opens the solution window, or brings it to the front.
    void showSolutionWindow();
    // «Решение…»: Ctrl+R, and an entry of the fields' context menu.
    QAction* showAction() const { return show_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void putAway();
    void updateSolutionWindow();

    QWidget* window_;
    QWidget* picture_ = nullptr;
    Fields fields_;
    QAction* copy_;
    QAction* show_;
    class SolutionWindow* solutionWindow_ = nullptr;
    std::optional<textbook::Problem> problem_;
    bool outdated_ = false;
    // What the last calculation wrote into each field, and the exact values
    // of the given ones.
    std::array<QString, kQuantityCount> written_;
    std::array<std::optional<ExactValue>, kQuantityCount> writtenExact_;
};

} // namespace velmora
