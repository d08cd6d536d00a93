// Helpers shared by the window tests.
#pragma once

#include "velmora.h"

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Test output shows a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace velmora::test {

// A freshly built window for each test.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the window and waits until it is active (has the keyboard).
    void showActive();

    std::unique_ptr<Velmora> window;
};

// Every control, through the window's typed members.
std::vector<QWidget*> members(const Velmora& window);

// The member whose object name is `id` ("Text2(3)", "Frame1"), or nullptr.
QWidget* member(const Velmora& window, std::string_view id);

// True when `widget` is `ancestor` or lies inside it.
bool isSelfOrInside(const QWidget* widget, const QWidget* ancestor);

std::string describe(const QWidget* widget);

std::string hex(const QColor& colour);

} // namespace velmora::test
