// Help > About: the box's texts on each opening, and its system information button on a made-up
// machine (registry values, files, viewers on the PATH) and on this desktop.
#include "support/testsupport.h"

#include "window/about/frmAbout.h"
#include "window/about/sysinfoenvironment.h"
#include "window/about/sysinfoviewers.h"

namespace {
const QString Unavailable = "System Information Is Unavailable At This Time";
const QString Told = "Tarnwell: " + Unavailable;

// One press of the button on a made-up machine: the registry's two values (null: no such key;
// the folder a string), the files there and the viewers on the PATH, and what is to happen.
struct Case {
    const char* name;
    QString expected;  // the program started, or the message shown as "caption: text"
    QByteArray program{}, folder{};
    QStringList files{}, viewers{};
    std::uint32_t programType = reg::String;
    bool queryFails = false, startFails = false;
};

// Answers the registry and machine calls from its case; a call that asks for other rights, another
// value or with another buffer size finds nothing.
class FakeMachine : public Case, public Registry, public SysInfoEnvironment {
public:
    explicit FakeMachine(const Case& setup) : Case(setup) {}
    QStringList happened;

    long OpenKey(RegKey root, const QString& name, std::uint32_t access, RegKey& key) override
    {
        const bool programKey = name == "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO" && !program.isNull();
        const bool folderKey = name == "SOFTWARE\\Microsoft\\Shared Tools Location" && !folder.isNull();
        key = root != reg::LocalMachine || access != 0x2003F ? 0 : programKey ? 1 : folderKey ? 2 : 0;
        return key ? reg::Success : reg::FileNotFound;
    }
    long QueryValue(RegKey key, const QString& name, std::uint32_t& type, QByteArray& data, std::uint32_t& size) override
    {
        if (queryFails || size != 1024 || name != (key == 1 ? "PATH" : "MSINFO")) return reg::FileNotFound;
        const QByteArray& value = key == 1 ? program : folder;
        data.replace(0, value.size(), value);
        size = value.size();
        type = key == 1 ? programType : reg::String;
        return reg::Success;
    }
    long CloseKey(RegKey) override { return reg::Success; }

    Registry& registry() override { return *this; }
    bool FileExists(const QString& path) override { return files.contains(path); }
    QString FindProgram(const QString& name) override { return viewers.contains(name) ? "/usr/bin/" + name : QString(); }
    bool StartProgram(const QString& path) override { if (!startFails) happened << path; return !startFails; }
    void ShowMessage(QWidget*, const QString& text, const QString& title) override { happened << title + ": " + text; }
};

// The cases, one press of the button each.
const QString Tool = "C:\\Tools\\info.exe", InFolder = "C:\\Shared\\MSINFO32.EXE";
const QString FirstViewer = SystemInfoViewers.front(), LastViewer = SystemInfoViewers.back();
const QByteArray SharedFolder("C:\\Shared", 10);  // with its terminating zero
const QList<Case> Machines = {
    {"first location, its zero cut", Tool, QByteArray("C:\\Tools\\info.exe", 18), SharedFolder, {InFolder}, {FirstViewer}},
    {"first location without a zero", Tool, "C:\\Tools\\info.exe"},
    {"first location, a 32-bit number", "19088760", "\x78\x05\x34\x12", {}, {}, {}, reg::Dword},  // 1234578 hex
    {"only the second, program there", InFolder, {}, SharedFolder, {InFolder}, {FirstViewer}},
    {"only the second, no program", Told, {}, SharedFolder, {Tool}, {FirstViewer}},
    {"neither: first viewer of the list", "/usr/bin/" + FirstViewer, {}, {}, {}, {LastViewer, FirstViewer}},
    {"neither and no viewer", Told},
    {"failing query", "/usr/bin/" + FirstViewer, "C:\\x.exe", SharedFolder, {InFolder}, {FirstViewer}, reg::String, true},
    {"program will not start", Told, "C:\\x.exe", {}, {}, {}, reg::String, false, true},
};

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    // The box opens with its picture and closes on OK, and opens again.
    void opensClosesAndOpensAgain()
    {
        frmMain window;
        for (int opening = 1; opening <= 2; ++opening) {
            QStringList seen;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
                seen << box->windowTitle() << box->lblVersion->text() << (box->Image1->pixmap().isNull() ? "no picture" : "picture");
                box->cmdOK->click();
            });
            Trigger(window, "mnuHelpAbout");
            QCOMPARE(seen, QStringList({"About Tarnwell", "Version 1.1.0", "picture"}));
            QVERIFY2(window.findChildren<frmAbout*>().isEmpty(), "closed but kept: the next opening would not load");
        }
    }

    // The System Info button on made-up machines.
    void sysInfoButton_data() { AddCases(Machines); }

    void sysInfoButton()
    {
        FakeMachine fake(CaseOf(Machines));
        frmAbout(nullptr, &fake).cmdSysInfo->click();
        QCOMPARE(fake.happened, QStringList{fake.expected});
    }

    // No registry here: a viewer found on the PATH starts by its path, which a shell would split,
    // without arguments; with none, the message.
    void sysInfoOnThisDesktop()
    {
        QTemporaryDir onPath(QDir::tempPath() + "/viewers; touch split-XXXXXX");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", onPath.path().toLocal8Bit());
        const auto message = AnswerMessageBox(QMessageBox::Ok);
        frmAbout about;
        about.cmdSysInfo->click();
        QCOMPARE(*message, Unavailable);

        const QString viewer = onPath.filePath(SystemInfoViewers[1]);
        PutBytes(viewer, "#!/bin/sh\n: > \"$0.$#\"\n");
        QVERIFY(QFile::setPermissions(viewer, QFile::permissions(viewer) | QFileDevice::ExeOwner));
        about.cmdSysInfo->click();
        qputenv("PATH", path);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(viewer + ".0"), 10000);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_aboutbox.moc"
