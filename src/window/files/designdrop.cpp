// A design file dragged from the file manager onto the window opens as File > Open opens it.
// The text boxes hand such a drag to the window and refuse other files; text still drops into them.
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <exception>

#include "window/app/frmMain.h"

namespace {

// The one local design file that a drag carries, as a full path; empty for anything else.
QString DraggedDesign(const QMimeData* data)
{
    if (!data || !data->hasUrls()) return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return QString();
    const QString path = urls.first().toLocalFile();
    if (!path.endsWith(QLatin1StringView(".edt"), Qt::CaseInsensitive)) return QString();
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

}  // namespace

void frmMain::AcceptDesignDrops()
{
    setAcceptDrops(true);
    for (QWidget* box : {static_cast<QWidget*>(txtVehicleName), static_cast<QWidget*>(txtManufacturer),
                         static_cast<QWidget*>(txtTargetingSystem), static_cast<QWidget*>(txtCommSystem),
                         txtOverview->viewport()})
        box->installEventFilter(this);
}

bool frmMain::TakeDesignDrag(QEvent* event, bool refuseOtherFiles)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drag = static_cast<QDropEvent*>(event);
    const QString path = DraggedDesign(drag->mimeData());
    if (path.isEmpty()) {
        // Other files are no text for a text box either; plain text still drops into it.
        if (!refuseOtherFiles || !drag->mimeData()->hasUrls()) return false;
        drag->ignore();
        return true;
    }
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (type == QEvent::Drop) {
        try {
            OpenDesignFile(path);
        } catch (const std::exception&) {
            // A failure ends the opening where it happened, as in the menu command.
        }
    }
    return true;
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!TakeDesignDrag(event)) event->ignore();
}

void frmMain::dragMoveEvent(QDragMoveEvent* event)
{
    if (!TakeDesignDrag(event)) event->ignore();
}

void frmMain::dropEvent(QDropEvent* event)
{
    if (!TakeDesignDrag(event)) event->ignore();
}
