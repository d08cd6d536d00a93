// Velmora: a calculator for a right circular cone.
#include "application_setup.h"
#include "command_line.h"
#include "platform_choice.h"
#include "velmora.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const auto exitCode = velmora::answerInformationOptions(argc, argv))
        return *exitCode;
    velmora::preferX11WhereReachable();
    velmora::exitWithoutDisplay();
    QApplication app(argc, argv);
    if (const auto exitCode = velmora::refuseUnknownArguments(QApplication::arguments()))
        return *exitCode;
    velmora::configureApplication(app);

    velmora::Velmora window;
    window.show();
    return QApplication::exec();
}
