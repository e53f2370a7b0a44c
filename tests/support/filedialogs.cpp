#include "support/testsupport.h"

ScriptedChooser& ScriptedChooser::Answer(const QString& path)
{
    return Answer(path.isEmpty() ? QStringList() : QStringList{path});
}

ScriptedChooser& ScriptedChooser::Answer(const QStringList& paths)
{
    answers_ << paths;
    return *this;
}

QString ScriptedChooser::Choose(QWidget* owner, const FileRequest& request)
{
    return ChooseSeveral(owner, request).value(0);
}

QStringList ScriptedChooser::ChooseSeveral(QWidget*, const FileRequest& request)
{
    asked << request;
    return answers_.isEmpty() ? QStringList() : answers_.takeFirst();
}

CommonDialog& FileDialog(const frmMain& window)
{
    return *Control<CommonDialog>(window, QStringLiteral("dlgCommon"));
}

ScriptedChooser& Chooser(frmMain& window)
{
    CommonDialog& dialog = FileDialog(window);
    if (auto* scripted = dynamic_cast<ScriptedChooser*>(dialog.chooser())) return *scripted;
    auto scripted = std::make_shared<ScriptedChooser>();
    dialog.setChooser(scripted);
    return *scripted;
}

std::shared_ptr<QString> AnswerMessageBox(QMessageBox::StandardButton button)
{
    auto text = std::make_shared<QString>();
    auto* timer = new QTimer(qApp);
    // Looks every 10 ms, for 10 seconds at the most.
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text, button, looks = 0]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box && ++looks < 1000) return;
        timer->stop();
        timer->deleteLater();
        if (!box) return;
        *text = box->text();
        QTimer::singleShot(0, box, [box, button] { box->button(button)->click(); });
    });
    timer->start(10);
    return text;
}
