// A user's actions on the Velmora window, done with real input events.
#pragma once

#include "regional_settings.h"
#include "velmora.h"

#include <QMenu>
#include <QString>

#include <array>
#include <functional>

namespace velmora::test {

using FieldTexts = std::array<QString, 5>;

// Number formats that tests give the window in place of the user's.
NumberSettings plainSettings();
NumberSettings bulgarianSettings();
NumberSettings germanSettings();

// Opens the context menu of `widget` as a right click does, runs `use` on
// it and closes it.
void useContextMenu(QWidget* widget, const std::function<void(QMenu&)>& use);

class UserActions {
public:
    explicit UserActions(Velmora& window) : w_(window) {}

    // Clicks into value field `slot`, selects what it holds and types `text`.
    void typeInto(int slot, const QString& text);
    void pressCalculate();
    // Chooses list entry `entry`, types the two given values and presses
    // Calculate, closing the message that a second cone brings.
    void calculate(int entry, const QString& first, const QString& second);
    void pressClear();
    // Clicks list entry `entry`, scrolling the list to it first.
    void clickEntry(int entry);
    // Gives the list the focus and presses `key` (Down, Up, Home, End...).
    void pressInList(int key);

    FieldTexts fieldTexts() const;

    // Runs `action`, which is expected to open a message box; returns the
    // box's text after closing it, or an empty text when none opened.
    QString closeMessageDuring(const std::function<void()>& action);

private:
    Velmora& w_;
};

} // namespace velmora::test
