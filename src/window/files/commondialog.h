#pragma once
// The window's common file dialog: the handlers set its properties, show it modally in open or
// save mode and read the chosen path back. A cancelled dialog is reported to the caller. Who
// answers it is a FileChooser: the toolkit's dialog unless another one is set.
#include <QObject>
#include <QString>
#include <memory>

#include "window/files/filechooser.h"

class QWidget;

class CommonDialog : public QObject {
    Q_OBJECT
public:
    explicit CommonDialog(QWidget* owner);

    // Flags, as the handlers combine them.
    static constexpr int OverwritePrompt = 0x2;

    void setFileName(const QString& name) { fileName_ = name; }
    QString fileName() const { return fileName_; }
    // "Description|pattern|Description|pattern..."
    void setFilter(const QString& filter) { filter_ = filter; }
    QString filter() const { return filter_; }
    void setInitDir(const QString& folder) { initDir_ = folder; }
    QString initDir() const { return initDir_; }
    void setFlags(int flags) { flags_ = flags; }
    int flags() const { return flags_; }
    void setCancelError(bool reported) { cancelError_ = reported; }
    bool cancelError() const { return cancelError_; }

    // Show the dialog; true with fileName() holding the full path chosen, false on cancel.
    bool ShowOpen();
    bool ShowSave();
    // The open dialog in which one or more files may be chosen: true with fileNames() holding
    // their full paths (and fileName() the first), false on cancel.
    bool ShowOpenSeveral();
    QStringList fileNames() const { return fileNames_; }

    void setChooser(std::shared_ptr<FileChooser> chooser) { chooser_ = std::move(chooser); }
    FileChooser* chooser() const { return chooser_.get(); }

    // The filter text as the toolkit's list of "Description (patterns)" entries.
    static QStringList FilterList(const QString& filter);

private:
    bool Show(bool save);
    FileRequest Request(bool save) const;
    // Takes the paths chosen; false when there are none.
    bool Take(const QStringList& chosen);
    QString StartFolder() const;

    QWidget* owner_;
    QString fileName_;
    QStringList fileNames_;
    QString filter_;
    QString initDir_;
    int flags_ = 0;
    bool cancelError_ = false;
    // The initial folder of the last dialog in which a file was chosen, and that file's folder.
    QString lastInitDir_;
    QString lastFolder_;
    std::shared_ptr<FileChooser> chooser_ = std::make_shared<DialogChooser>();
};
