#include "support/filedialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

constexpr int PollMilliseconds = 10;
constexpr int GiveUpMilliseconds = 10000;
const QString AnswerName = QStringLiteral("dialogAnswer");

// Calls `act` once with the first modal dialog of type T that comes up, from the event loop
// that runs it.
template <class T>
void WhenModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer(qApp);
    timer->setObjectName(AnswerName);
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QObject::destroyed, [waited] { delete waited; });
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, act] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && waited->elapsed() < GiveUpMilliseconds) return;
        timer->stop();
        timer->setObjectName(QString());
        timer->deleteLater();
        if (dialog) act(dialog);
    });
    timer->start(PollMilliseconds);
}

QAbstractButton* ButtonOfRole(QFileDialog* dialog, QDialogButtonBox::ButtonRole role)
{
    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
        if (dialog->findChild<QDialogButtonBox*>()->buttonRole(button) == role) return button;
    return nullptr;
}

std::shared_ptr<FileDialogSeen> AnswerWith(const QString& path, bool accept)
{
    auto seen = std::make_shared<FileDialogSeen>();
    WhenModal<QFileDialog>([seen, path, accept](QFileDialog* dialog) {
        auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        seen->shown = true;
        seen->mode = dialog->acceptMode();
        seen->nameField = nameBox->text();
        seen->directory = dialog->directory().absolutePath();
        seen->filters = dialog->nameFilters();
        seen->selectedFilter = dialog->selectedNameFilter();
        seen->asksBeforeReplacing = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        seen->defaultSuffix = dialog->defaultSuffix();
        // Queued, so that a question the dialog asks runs its own loop outside this poll.
        QTimer::singleShot(0, dialog, [dialog, nameBox, path, accept] {
            if (!accept) {
                ButtonOfRole(dialog, QDialogButtonBox::RejectRole)->click();
                return;
            }
            nameBox->setText(path);
            ButtonOfRole(dialog, QDialogButtonBox::AcceptRole)->click();
        });
    });
    return seen;
}

}  // namespace

std::shared_ptr<FileDialogSeen> AnswerFileDialog(const QString& path)
{
    return AnswerWith(path, true);
}

std::shared_ptr<FileDialogSeen> CancelFileDialog()
{
    return AnswerWith(QString(), false);
}

std::shared_ptr<QString> AnswerMessageBox(QMessageBox::StandardButton button)
{
    auto text = std::make_shared<QString>();
    WhenModal<QMessageBox>([text, button](QMessageBox* box) {
        *text = box->text();
        QTimer::singleShot(0, box, [box, button] { box->button(button)->click(); });
    });
    return text;
}

void ForgetDialogAnswers()
{
    for (QTimer* timer : qApp->findChildren<QTimer*>(AnswerName, Qt::FindDirectChildrenOnly)) delete timer;
}
