// The window tests need one QApplication set up as the program sets up its own.
#include "application_setup.h"

#include <QApplication>
#include <QByteArray>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Headless, whatever the environment says: the tests measure pixels.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    velmora::configureApplication(app);
    return RUN_ALL_TESTS();
}
