#pragma once
// Answering the window's modal dialogs in tests as a user does: wait for the dialog to come up,
// look at it, type a name and press a button. Each answer is set up before the action that
// opens the dialog and acts once, on the first such dialog that comes up.
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <memory>

// What the file dialog showed when it came up.
struct FileDialogSeen {
    bool shown = false;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QString nameField;  // the text of its file name box
    QString directory;
    QStringList filters;
    QString selectedFilter;
    bool asksBeforeReplacing = false;
    QString defaultSuffix;
};

// Types `path` into the file name box of the next file dialog and presses Open or Save.
std::shared_ptr<FileDialogSeen> AnswerFileDialog(const QString& path);
// Presses Cancel in the next file dialog.
std::shared_ptr<FileDialogSeen> CancelFileDialog();

// Presses `button` in the next message box; the text it showed, or empty when none came up.
std::shared_ptr<QString> AnswerMessageBox(QMessageBox::StandardButton button);

// Drops the answers that no dialog has used yet.
void ForgetDialogAnswers();
