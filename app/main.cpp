// Velmora: a calculator for a right circular cone.
#include "application_setup.h"
#include "command_line.h"
#include "display_failure.h"
#include "platform_choice.h"
#include "velmora.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[]) {
    if (const auto exitCode = velmora::answerBeforeStart(argc, argv))
        return *exitCode;
    velmora::preferX11WhereReachable();
    std::optional<velmora::DisplayFailureWatch> watch(std::in_place);
    QApplication app(argc, argv);
    watch.reset();
    if (const auto exitCode = velmora::refuseArgumentsQtLeft(QApplication::arguments()))
        return *exitCode;
    velmora::configureApplication(app);

    velmora::Velmora window;
    window.show();
    return QApplication::exec();
}
