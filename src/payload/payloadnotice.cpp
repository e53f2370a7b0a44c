#include "payload/payloadnotice.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

#include "app/numbertext.h"
#include "payload/payloaditem.h"

namespace {
constexpr int StatusMilliseconds = 10000;
const QString NoticeName = QStringLiteral("msgPayloadNotice");
}  // namespace

void ShowPayloadNotice(QMainWindow* window, const QString& text)
{
    window->statusBar()->showMessage(text, StatusMilliseconds);
    auto* box = window->findChild<QMessageBox*>(NoticeName, Qt::FindDirectChildrenOnly);
    if (!box) {
        box = new QMessageBox(QMessageBox::Information, window->windowTitle(), QString(), QMessageBox::Ok, window);
        box->setObjectName(NoticeName);
    }
    box->setText(text);
    box->open();
}

bool RefusePayloadWhenFull(QMainWindow* window, int count)
{
    if (count < PayloadCapacity) return false;
    ShowPayloadNotice(window, QStringLiteral("The payload is full: it holds %1 items. Remove an item before "
                                             "adding another.")
                                  .arg(FixedText(PayloadCapacity, 0)));
    return true;
}

bool RefuseUnnamedRow(QMainWindow* window, const QString& name)
{
    if (!name.isEmpty()) return false;
    ShowPayloadNotice(window, QStringLiteral("This row of the equipment catalogue has no name and cannot be added."));
    return true;
}
