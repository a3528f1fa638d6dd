#include "framework/runtime/Placeholder.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int runPlaceholderApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Larderwise");
    window.resize(640, 480);
    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("&Quit", QKeySequence("Ctrl+Q"), &app, &QApplication::quit);
    window.show();
    return app.exec();
}
