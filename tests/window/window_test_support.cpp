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

std::vector<QWidget*> members(const Velmora& w) {
    std::vector<QWidget*> all{w.Frame1, w.Picture1};
    auto add = [&all](const auto& array) { all.insert(all.end(), array.begin(), array.end()); };
    add(w.Label1);
    add(w.List1);
    add(w.Check1);
    add(w.Text2);
    add(w.Command1);
    add(w.Text1);
    return all;
}

QWidget* member(const Velmora& w, std::string_view id) {
    for (QWidget* widget : members(w))
        if (widget != nullptr &&
            widget->objectName() == QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())))
            return widget;
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
