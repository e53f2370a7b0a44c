#include "support/testsupport.h"

ScriptedChooser& ScriptedChooser::Answer(const QStringList& paths)
{
    answers_ << paths;
    return *this;
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
    // Looks every 10 ms, for 10 seconds at the most, and no longer than the caller keeps the text.
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text, button, looks = 0]() mutable {
        auto* box = text.use_count() > 1 ? qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) : nullptr;
        if (!box && ++looks < 1000 && text.use_count() > 1) return;
        timer->stop();
        timer->deleteLater();
        if (!box) return;
        *text = box->text();
        QTimer::singleShot(0, box, [box, button] { box->button(button)->click(); });
    });
    timer->start(10);
    return text;
}
