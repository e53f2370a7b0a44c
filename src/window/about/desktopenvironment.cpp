#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "window/about/sysinfoenvironment.h"

namespace {
class Desktop : public SysInfoEnvironment {
public:
    Registry& registry() override { return registry_; }
    bool FileExists(const QString& path) override { return QFileInfo(path).isFile(); }
    QString FindProgram(const QString& name) override { return QStandardPaths::findExecutable(name); }
    bool StartProgram(const QString& path) override { return QProcess::startDetached(path, {}); }
    void ShowMessage(QWidget* owner, const QString& text, const QString& caption) override
    {
        QMessageBox::information(owner, caption, text, QMessageBox::Ok);
    }

private:
    NoRegistry registry_;
};
}  // namespace

SysInfoEnvironment& DesktopEnvironment()
{
    static Desktop desktop;
    return desktop;
}
