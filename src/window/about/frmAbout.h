#pragma once
// The About box: the application's title, version and notice, and a button that starts the
// system's information tool. It is shown modally and loads its texts each time it opens.
#include <QDialog>

class QLabel;
class QPushButton;
class SysInfoEnvironment;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // `environment` is the machine the system information button works on; the desktop by
    // default.
    explicit frmAbout(QWidget* parent = nullptr, SysInfoEnvironment* environment = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    QLabel* Image1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

private:
    void CreateControls();

    SysInfoEnvironment* environment_;
};
