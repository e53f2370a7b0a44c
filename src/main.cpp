#include <QApplication>

#include "app/frmMain.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    frmMain window;
    window.show();
    return QApplication::exec();
}
