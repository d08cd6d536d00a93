// The worked solution of the last calculation, while the fields still hold
// what it wrote: each field's tooltip and accessible description tell how
// its value follows, and «Копирай решението» in the value fields' context
// menu, or Ctrl+Shift+C anywhere in the window, copies the whole solution.
// A change of any field's text (an edit, Clear, choosing a combination)
// puts it away: the entry is disabled and the shortcut does nothing until
// the next calculation succeeds.
#pragma once

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
    // the user is told of, where there is one.
    void present(const GivenPair& pair, const ConeValues& cone,
                 const std::optional<ConeValues>& second, const NumberSettings& settings);

private:
    void putAway();

    Fields fields_;
    QAction* copy_;
    QString solution_;
};

} // namespace velmora
