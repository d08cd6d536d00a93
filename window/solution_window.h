// The window «Решение»: the solution of the last calculation as a textbook
// writes it, in a read-only text that can be selected, copied and read line
// by line, with «Копирай решението» and Close beside it, and the choice
// «π ≈ 3,14» for checking work done by hand; the unit of length, and printing
// (see unit_and_print_row.h); beside the text the cone drawn to scale. It
// shows what it is given and
// keeps nothing of its own: the main window builds it when it is first asked
// for, and tells it each new solution or that there is none.
#pragma once

#include "length_unit.h"
#include "textbook_solution.h"

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

    // The solution as a textbook writes it, which the copy button copies
    // too and the print buttons print, and its cones drawn beside it.
    void showSolution(const textbook::Problem& problem);
    // One sentence of what to do instead, where there is no solution to
    // show; the drawing shows nothing.
    void showNoSolution(const QString& sentence);

    class ConeDrawingWidget* drawing() const {
        return drawing_;
    }

    bool handCalculation() const;
    LengthUnit unit() const;
    QString shownText() const;

signals:
    // «π ≈ 3,14» was switched: the solution is to be written anew.
    void handCalculationToggled(bool on);
    // Another unit of length was chosen: the solution is to be written anew
    // in it, and the drawing to carry it.
    void unitChanged(LengthUnit unit);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPlainTextEdit* text_;
    ConeDrawingWidget* drawing_;
    class UnitAndPrintRow* unitAndPrint_;
    QCheckBox* handCalculation_;
};

} // namespace velmora
