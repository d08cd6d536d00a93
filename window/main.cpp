// Velmora: a calculator for a right circular cone.
#include "application_setup.h"
#include "platform_choice.h"
#include "velmora.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    velmora::preferX11WhereReachable();
    QApplication app(argc, argv);
    velmora::configureApplication(app);

    velmora::Velmora window;
    window.show();
    return QApplication::exec();
}
