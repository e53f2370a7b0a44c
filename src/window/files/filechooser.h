#pragma once
// Who answers the window's file dialog: the toolkit's dialog for a user, a scripted answer in
// tests. The common dialog hands over what it would show and takes back the path chosen.
#include <QString>
#include <QStringList>

class QWidget;

struct FileRequest {
    bool save = false;              // the save dialog, else the open dialog
    QString title;                  // empty: the system's default
    QStringList filters;            // "Description (patterns)", the first one chosen
    QString folder;                 // where the dialog starts
    QString name;                   // the file name field, bare or a full path
    bool asksBeforeReplacing = false;
    bool several = false;           // the open dialog takes one or more existing files
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full path chosen, or an empty text when the user cancels.
    virtual QString Choose(QWidget* owner, const FileRequest& request) = 0;
    // The full paths chosen in an open dialog that takes several files, in the order chosen, or
    // none when the user cancels. By default the one path that Choose gives.
    virtual QStringList ChooseSeveral(QWidget* owner, const FileRequest& request);
};

// The toolkit's own file dialog, modal over `owner`.
class DialogChooser : public FileChooser {
public:
    QString Choose(QWidget* owner, const FileRequest& request) override;
    QStringList ChooseSeveral(QWidget* owner, const FileRequest& request) override;
};
