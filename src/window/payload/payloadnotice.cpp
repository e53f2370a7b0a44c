#include "window/payload/payloadnotice.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>


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
