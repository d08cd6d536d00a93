// What the program sets on its QApplication before it builds the window. The
// tests call the same function, so they see the window as the program does.
#pragma once

class QApplication;

namespace velmora {

// Sets the application's name, version, style, font and icon, and installs
// Qt's own translation, in Bulgarian like the window.
void configureApplication(QApplication& app);

} // namespace velmora
