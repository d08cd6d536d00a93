// The quantity markers show the ticks the program sets; the user cannot change them.
#include "window_test_support.h"

#include <QCheckBox>
#include <QTest>

namespace velmora::test {
namespace {

// Clicks the marker on its box and on its caption, then presses Space on it.
void tryToToggle(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(22, box->height() / 2));
    QTest::mouseDClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    if (box->isEnabled()) {
        box->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(box->hasFocus());
    }
    QTest::keyClick(box, Qt::Key_Space);
}

// After start-up R is ticked and H is not (the behaviour tests check every
// combination's ticks); neither changes, disabled as built or enabled.
TEST_F(WindowTest, MarkersRefuseClickAndSpace) {
    showActive();
    for (QCheckBox* box : {window->Check1[0], window->Check1[2]}) {
        SCOPED_TRACE(describe(box));
        const bool ticked = box->isChecked();
        tryToToggle(box);
        EXPECT_EQ(box->isChecked(), ticked);
        box->setEnabled(true);
        tryToToggle(box);
        EXPECT_EQ(box->isChecked(), ticked);
    }
}

} // namespace
} // namespace velmora::test
