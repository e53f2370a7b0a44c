// Start-up, the program folder, the spinner focus highlight and Exit.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

#include "window/app/controls.h"
#include "window/app/frmMain.h"
#include "window/files/commondialog.h"
#include "core/payload/rowset.h"

void frmMain::Form_Load()
{
    dlgCommon->setInitDir(GetAppPath());
    // Opening the catalogue shows the design with it.
    OpenCatalogue(GetAppPath() + QStringLiteral("ISWeapons.mdb"));
}

QString WithTrailingSeparator(const QString& folder)
{
    QString path = QDir::toNativeSeparators(folder);
    if (!path.endsWith(QDir::separator())) path += QDir::separator();
    return path;
}

QString frmMain::GetAppPath()
{
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

void frmMain::mnuFileExit_Click()
{
    close();
}

namespace {

// Focus that stays on the spinner while a menu is open or another program is in front does
// not count as lost.
bool FocusMovedAway(QEvent* event)
{
    if (event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool IsEnterKey(QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

// A spinner's label turns yellow while the spinner has the focus and a fixed white after.
// Enter on a spinner, or a double click on its label, opens the editor for typing a value.
bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (TakeDesignDrag(event, true)) return true;
    const bool gotFocus = event->type() == QEvent::FocusIn;
    const bool lostFocus = FocusMovedAway(event);
    for (const SpinnerInput& pair : SpinnerInputs()) {
        if (watched == this->*pair.spinner) {
            if (gotFocus) SetBackground(this->*pair.label, 255, 255, 0);
            if (lostFocus) SetBackground(this->*pair.label, 255, 255, 255);
            if (IsEnterKey(event)) {
                EditSpinnerValue(pair);
                return true;
            }
        } else if (watched == this->*pair.label && event->type() == QEvent::MouseButtonDblClick) {
            EditSpinnerValue(pair);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
