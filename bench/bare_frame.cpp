// The yardstick for start-up: the least a Qt program needs to open a
// maximized main window with a child-window area.
#include "startup_probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setCentralWidget(new QMdiArea(&w));
    // As the game does: without a window manager (Xvfb) maximizing does
    // nothing, so cover the screen either way.
    w.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    w.showMaximized();
    reportWhenShown(&w);
    return app.exec();
}
