// The window in Bulgarian number settings, shown and active, with what the
// tests of «Решение» do in it: open it, read it, choose its unit.
#pragma once

#include "solution_window.h"
#include "user_actions.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QTest>

namespace velmora::test {

class SolutionWindowTest : public WindowTest {
public:
    void SetUp() override {
        WindowTest::SetUp();
        window->setNumberSettings(bulgarianSettings());
        showActive();
    }

    UserActions user() { return UserActions{*window}; }

    // Opens «Решение» with a click on the picture, or with Ctrl+R.
    void openByClick() { QTest::mouseClick(window->Picture1, Qt::LeftButton); }
    void openByKeys() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->focusWidget(), Qt::Key_R, Qt::ControlModifier);
    }

    SolutionWindow* solutionWindow() const { return window->findChild<SolutionWindow*>(); }
    QString shown() const { return solutionWindow() ? solutionWindow()->shownText() : QString(); }

    // Chooses entry `index` of «Мерна единица:» with the keyboard.
    void chooseUnit(int index) {
        auto* combo = solutionWindow()->findChild<QComboBox*>();
        ASSERT_NE(combo, nullptr);
        combo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }
};

} // namespace velmora::test
