// What a screen reader learns of the Velmora window as a whole, beyond what
// each control tells of itself: the window is a frame named by its caption,
// the controls it never shows are left out, and the results of a
// calculation are announced without taking the focus from where it is.
#pragma once

#include "value_field.h"

#include <array>

class QWidget;

namespace velmora::screen_reader {

// Makes Qt describe every Velmora window so. Runs once, however often it is
// called; it must run before anything asks for the window's description.
void describeVelmoraWindows();

// Announces the five values, "R = 3,0000000; L = ...", through the window's
// notice: a screen reader speaks a notice when it is shown.
void announceValues(QWidget* window, const std::array<ValueField*, 5>& fields);

} // namespace velmora::screen_reader
