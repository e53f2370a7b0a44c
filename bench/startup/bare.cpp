// The yardstick of start-up: a bare main window with a tab widget, shown and painted once.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

#include "firstpaint.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    tabs->addTab(new QWidget, QStringLiteral("Page"));
    window.setCentralWidget(tabs);
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
