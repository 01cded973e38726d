// The desktop program: the splash, then the main window.
#include <QApplication>
#include <QTimer>

#include "app/Programme.h"

int main(int argc, char** argv) {
    // The program takes no argument, not even Qt's own options: only the
    // program name is passed on.
    int argcQt = argc > 0 ? 1 : 0;
    QApplication application(argcQt, argv);
    velmora::ConfigurerApplication();
    velmora::Programme programme;
    QTimer::singleShot(0, &application, [&programme] { programme.Lancer(); });
    return application.exec();
}
