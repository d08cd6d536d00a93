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

#include <optional>

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
    const std::optional<layout::ControlName> control = layout::controlNamed(name);
    return control ? w.control(*control, index) : nullptr;
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
