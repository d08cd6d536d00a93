// Velmora, the program's one window: a cone calculator's layout, texts,
// colours and pictures, built from the tables of layout_table.h.
#pragma once

#include "layout_table.h"
#include "messages.h"
#include "value_field.h"

#include "velmora/number_settings.h"

#include <QMessageBox>
#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class SolutionPresenter;

class Velmora : public QWidget {
    Q_OBJECT

public:
    explicit Velmora(QWidget* parent = nullptr);

    // The controls, named and indexed as in the layout table, which builds them.
    std::array<QLabel*, 2> Label1{};        // 0: title strip, 1: "Дадени:"
    std::array<QListWidget*, 1> List1{};    // the selectable combinations
    QGroupBox* Frame1 = nullptr;            // "Размери", holds the quantity rows
    std::array<QCheckBox*, 5> Check1{};     // marker of quantity slot i
    std::array<ValueField*, 5> Text2{};     // value of quantity slot i
    QLabel* Picture1 = nullptr;             // the cone figure
    std::array<QPushButton*, 2> Command1{}; // 0: Calculate, 1: Clear
    std::array<QPlainTextEdit*, 2> Text1{}; // 0: the assignment, 1: the saying (hidden)

    // The window's event procedures and its own procedures, all in
    // velmora_procedures.cpp; the rest of this class (velmora.cpp) builds
    // the window from its layout table.
    //
    // Event procedures: Form_Load runs once, when the window is first shown
    // (or earlier, when called); the others run when the user chooses a list
    // entry or presses a button. None moves the focus.
    void Form_Load();
    void List1_Click(int Index);
    void Command1_Click(int Index);

    // The window's own procedures, which the event procedures call.
    void ApplyCombination();
    void CalculateCone();
    void ClearValues();

    // The number settings for reading and writing values, which the value
    // fields share: the user's regional settings, read at start and again
    // when the desktop's locale changes, unless a test sets others.
    void setNumberSettings(const NumberSettings& settings);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Makes the control of a layout row as the member it names, in `container`.
    QWidget* build(const layout::ControlLayout& c, QWidget* container);
    QWidget* control(const layout::ControlRef& ref) const;
    void applyStackingOrder();
    void applyTabOrder();

    void applyAccessibleTexts();
    // In velmora_procedures.cpp: what connects the controls' signals to the
    // event procedures, and the message box that CalculateCone shows.
    void connectEvents();
    void tell(const UserMessage& message);

    bool placed_ = false;
    bool loaded_ = false;
    NumberSettings numberSettings_;
    SolutionPresenter* solution_ = nullptr; // made by connectEvents
};

} // namespace velmora
