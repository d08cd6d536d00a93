// The window as its layout table builds it: each line of the table is one
// control in its container, at its place in whole pixels once the window
// shows, and nothing else lies in the window or the frame.
#include "layout_table.h"
#include "window_test_support.h"

#include <QGroupBox>
#include <QList>
#include <QRect>
#include <QTest>

#include <set>
#include <string>

namespace velmora::test {
namespace {

using layout::pixels;

std::set<const QWidget*> widgetChildren(const QWidget* container) {
    const QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return {children.begin(), children.end()};
}

TEST_F(WindowTest, EachControlOfTheLayoutTableSitsAtItsPlaceInItsContainer) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    std::set<const QWidget*> inWindow;
    std::set<const QWidget*> inFrame;
    for (const layout::ControlLayout& c : layout::kControls) {
        const std::string id = layout::controlId(c.name, c.index);
        SCOPED_TRACE(id);
        const QWidget* widget = member(*window, id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(),
                  QRect(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height)));
        (c.container == layout::Container::Frame1 ? inFrame : inWindow).insert(widget);
    }
    EXPECT_EQ(widgetChildren(window.get()), inWindow);
    EXPECT_EQ(widgetChildren(window->Frame1), inFrame);
}

} // namespace
} // namespace velmora::test
