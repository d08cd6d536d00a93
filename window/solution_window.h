// The window «Решение»: the solution of the last calculation as a textbook
// writes it, in a read-only text that can be selected, copied and read line
// by line, with «Копирай решението» and Close beside it, and the choice
// «π ≈ 3,14» for checking work done by hand, and beside the text the cone
// drawn to scale. It shows what it is given and
// keeps nothing of its own: the main window builds it when it is first asked
// for, and tells it each new solution or that there is none.
#pragma once

#include "cone_drawing.h"

#include "velmora/number_settings.h"

#include <QString>
#include <QWidget>

#include <vector>

class QAction;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QSplitter;

namespace velmora {

class SolutionWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own, over `owner` and closed with it. `copy` is the
    // main window's «Копирай решението» (Ctrl+Shift+C): the window offers it
    // as a button and its shortcut works here too.
    SolutionWindow(QWidget* owner, QAction* copy);

    // The solution's text, which the copy button copies too.
    void showSolution(const QString& text);
    // The cones of that solution, drawn beside it, their values written
    // under `settings`.
    void showCones(std::vector<DrawnCone> cones, const NumberSettings& settings);
    // One sentence of what to do instead, where there is no solution to
    // show; the drawing shows nothing.
    void showNoSolution(const QString& sentence);

    class ConeDrawingWidget* drawing() const {
        return drawing_;
    }

    bool handCalculation() const;
    QString shownText() const;

signals:
    // «π ≈ 3,14» was switched: the solution is to be written anew.
    void handCalculationToggled(bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPlainTextEdit* text_;
    ConeDrawingWidget* drawing_;
    QCheckBox* handCalculation_;
};

} // namespace velmora
