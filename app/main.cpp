// The program: the title screen in a real window.
#include <QApplication>
#include <QIcon>

#include "app/program.h"
#include "ui/qt/desktop_sound.h"
#include "ui/qt/qt_host.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Aritmetica");
    // Lets the desktop match the windows to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(ARITMETICA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/program-icon.svg")));
    QApplication::setQuitOnLastWindowClosed(false);  // the screens decide when the program ends
    ui::qt::DesktopSound sound;
    ui::ScreenRegistry registry(sound);
    ui::qt::QtHost host(registry);
    app::startProgram(registry);
    if (registry.ended()) return 0;
    return QApplication::exec();
}
