// The layout checks measure with the program's own fonts and pictures, so
// they need a GUI application; they draw on no display.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    Q_INIT_RESOURCE(assets);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
