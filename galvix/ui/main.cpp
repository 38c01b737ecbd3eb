// The galvix3 program: the splash window starts everything.
#include "form4.h"
#include "galvix_context.h"
#include "platform/qt_services.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(galvix::ui::kApplicationName);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::QtServices real(galvix::ui::kApplicationName, "Galvix3 Help");
    galvix::ui::GalvixContext context(real.services(),
                                      QApplication::applicationDirPath().toStdString() + "/");
    galvix::ui::Form4 splash(context);
    if (!splash.start())
        return 1;
    return QApplication::exec();
}
