#pragma once
// The toolkit's file dialog, which in save mode refuses, as a common dialog does, a name it
// could not save: the user is told why, and the dialog stays open to correct it or cancel.
#include <QFileDialog>

class SaveCheckingFileDialog : public QFileDialog {
    Q_OBJECT
public:
    using QFileDialog::QFileDialog;

    // Why `path` cannot be saved, in the words the dialog shows; empty when it can.
    static QString SaveRefusal(const QString& path);

    void accept() override;
};
