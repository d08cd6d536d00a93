// Velmora, the program's one window: a cone calculator's layout, texts,
// colours and pictures, built from the tables of layout_table.h.
#pragma once

#include "layout_table.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class Velmora : public QWidget {
    Q_OBJECT

public:
    explicit Velmora(QWidget* parent = nullptr);

    // The controls, named and indexed as in the layout table.
    std::array<QLabel*, 2> Label1{};        // 0: title strip, 1: "Дадени:"
    std::array<QListWidget*, 1> List1{};    // the selectable combinations
    QGroupBox* Frame1 = nullptr;            // "Размери", holds the quantity rows
    std::array<QCheckBox*, 5> Check1{};     // marker of quantity slot i
    std::array<QLineEdit*, 5> Text2{};      // value of quantity slot i
    QLabel* Picture1 = nullptr;             // the cone figure
    std::array<QPushButton*, 2> Command1{}; // 0: Calculate, 1: Clear
    std::array<QPlainTextEdit*, 2> Text1{}; // 0: the assignment, 1: the saying (hidden)

    // The control with this name and index, or nullptr.
    QWidget* control(layout::ControlName name, int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createControl(const layout::ControlLayout& c, QWidget* container);
    void attach(const layout::ControlLayout& c, QWidget* widget);
    void applyStackingOrder();
    void applyTabOrder();
    void centreOnScreen();

    bool placed_ = false;
};

} // namespace velmora
