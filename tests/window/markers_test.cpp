// The quantity markers show the ticks the program sets; the user cannot change them.
#include "window_test_support.h"

#include <QCheckBox>
#include <QTest>

namespace velmora::test {
namespace {

class MarkerTest : public WindowTest, public ::testing::WithParamInterface<int> {
protected:
    QCheckBox* marker() { return window->Check1.at(static_cast<std::size_t>(GetParam())); }

    // Clicks the marker on its box and on its caption, then presses Space on it.
    void tryToToggle() {
        QCheckBox* box = marker();
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(22, box->height() / 2));
        QTest::mouseDClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        if (box->isEnabled()) {
            box->setFocus(Qt::TabFocusReason);
            EXPECT_TRUE(box->hasFocus());
        }
        QTest::keyClick(box, Qt::Key_Space);
    }
};

// After start-up R and L are ticked, the others not; no click changes that.
TEST_P(MarkerTest, AfterStartUpRefusesClickAndSpace) {
    showActive();
    const bool ticked = marker()->isChecked();
    EXPECT_EQ(ticked, GetParam() <= 1);
    tryToToggle();
    EXPECT_EQ(marker()->isChecked(), ticked);
}

TEST_P(MarkerTest, EnabledStillRefusesClickAndSpace) {
    showActive();
    marker()->setChecked(false);
    marker()->setEnabled(true);
    tryToToggle();
    EXPECT_FALSE(marker()->isChecked());
}

TEST_P(MarkerTest, TickSetByTheProgramStays) {
    showActive();
    marker()->setChecked(true);
    tryToToggle();
    EXPECT_TRUE(marker()->isChecked());
    marker()->setEnabled(true);
    tryToToggle();
    EXPECT_TRUE(marker()->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Slots, MarkerTest, ::testing::Range(0, 5));

} // namespace
} // namespace velmora::test
