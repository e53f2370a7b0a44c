#pragma once
// The window's dialogs answered in tests. The file dialog is a scripted chooser: each answer is
// queued before the command that asks, and every request is kept to look at. Message boxes are
// answered as a user does, once the box is up.
#include "support/toolkit.h"

#include "window/files/filechooser.h"

class ScriptedChooser : public FileChooser {
public:
    // The next request is answered with `path`; an empty path cancels it.
    ScriptedChooser& Answer(const QString& path) { return Answer(path.isEmpty() ? QStringList() : QStringList{path}); }
    // The next request is answered with all of `paths` where it takes several files, with the
    // first where it takes one; none cancels it.
    ScriptedChooser& Answer(const QStringList& paths);
    ScriptedChooser& Cancel() { return Answer(QString()); }
    // Requests with no answer queued are cancelled.
    QString Choose(QWidget* owner, const FileRequest& request) override { return ChooseSeveral(owner, request).value(0); }
    QStringList ChooseSeveral(QWidget* owner, const FileRequest& request) override;

    QList<FileRequest> asked;

private:
    QList<QStringList> answers_;
};

// The window's common dialog, as its commands leave it.
CommonDialog& FileDialog(const frmMain& window);
// The scripted chooser of the window's common dialog, set on first use.
ScriptedChooser& Chooser(frmMain& window);

// Presses `button` in the next message box while the text is kept; the text it showed, or empty
// when none came up.
std::shared_ptr<QString> AnswerMessageBox(QMessageBox::StandardButton button);
