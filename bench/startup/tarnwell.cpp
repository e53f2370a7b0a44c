// Start-up of the program as a whole process: the main window with its catalogue, shown and
// painted once, as `tarnwell` starts.
#include <QApplication>

#include "firstpaint.h"
#include "window/app/frmMain.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    frmMain window;
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
