#include "window_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace velmora::test {

void WindowTest::SetUp() {
    window = std::make_unique<Velmora>();
}

void WindowTest::TearDown() {
    window.reset();
    QApplication::processEvents();
}

void WindowTest::showActive() {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QWidget* member(Velmora& w, std::string_view name, int index) {
    const auto i = static_cast<std::size_t>(index);
    if (name == "Label1")
        return w.Label1.at(i);
    if (name == "List1")
        return w.List1.at(i);
    if (name == "Frame1")
        return w.Frame1;
    if (name == "Check1")
        return w.Check1.at(i);
    if (name == "Text2")
        return w.Text2.at(i);
    if (name == "Picture1")
        return w.Picture1;
    if (name == "Command1")
        return w.Command1.at(i);
    if (name == "Text1")
        return w.Text1.at(i);
    return nullptr;
}

bool isSelfOrInside(const QWidget* widget, const QWidget* ancestor) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == ancestor)
            return true;
    }
    return false;
}

std::string describe(const QWidget* widget) {
    if (widget == nullptr)
        return "(none)";
    return widget->objectName().toStdString() + " [" + widget->metaObject()->className() + "]";
}

std::string hex(const QColor& colour) {
    return colour.name(QColor::HexRgb).toUpper().toStdString();
}

} // namespace velmora::test
