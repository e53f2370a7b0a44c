// Help > About: the box's texts on each opening, and its system information button on a made-up
// machine (registry values, files, viewers on the PATH) and on this desktop.
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "about/frmAbout.h"
#include "about/sysinfoenvironment.h"
#include "about/sysinfoviewers.h"
#include "app/frmMain.h"

namespace {
const QString Unavailable = "Tarnwell: System Information Is Unavailable At This Time";

// A null value is not in the registry; the folder value is a string.
struct Machine {
    QByteArray program{}, folder{};
    QStringList files{}, viewers{};
    std::uint32_t programType = reg::String;
    bool queryFails = false, startFails = false;
};

// The registry and machine calls answered from `setup`; notes what is started or shown, and
// whether every call asked for what it should, with the empty 1024-byte buffer.
class FakeMachine : public Registry, public SysInfoEnvironment {
public:
    explicit FakeMachine(const Machine& setup) : setup(setup) {}
    const Machine& setup;
    QStringList outcome;
    int keysOpen = 0;
    bool callsAsExpected = true;

    long OpenKey(RegKey root, const QString& name, std::uint32_t access, RegKey& key) override
    {
        ++keysOpen;
        callsAsExpected &= root == reg::LocalMachine && access == 0x2003F;
        const bool program = name == "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO" && !setup.program.isNull();
        const bool folder = name == "SOFTWARE\\Microsoft\\Shared Tools Location" && !setup.folder.isNull();
        key = program ? 1 : folder ? 2 : 0;
        return key ? reg::Success : reg::FileNotFound;
    }
    long QueryValue(RegKey key, const QString& name, std::uint32_t& type, QByteArray& data, std::uint32_t& size) override
    {
        callsAsExpected &= data == QByteArray(1024, '\0') && size == 1024 && name == (key == 1 ? "PATH" : "MSINFO");
        if (setup.queryFails) return reg::FileNotFound;
        const QByteArray& value = key == 1 ? setup.program : setup.folder;
        data.replace(0, value.size(), value);
        size = value.size();
        type = key == 1 ? setup.programType : reg::String;
        return reg::Success;
    }
    long CloseKey(RegKey) override { --keysOpen; return reg::Success; }

    Registry& registry() override { return *this; }
    bool FileExists(const QString& path) override { return setup.files.contains(path); }
    QString FindProgram(const QString& name) override { return setup.viewers.contains(name) ? "/usr/bin/" + name : QString(); }
    bool StartProgram(const QString& path) override { if (!setup.startFails) outcome << path; return !setup.startFails; }
    void ShowMessage(QWidget*, const QString& text, const QString& caption) override { outcome << caption + ": " + text; }
};
}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void opensClosesAndOpensAgain()
    {
        frmMain window;
        window.show();
        for (int opening = 1; opening <= 2; ++opening) {
            QStringList seen;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
                const auto text = [box](const char* label) { return box->findChild<QLabel*>(label)->text(); };
                QString shape;  // the notice's lines, "x" filled and "-" blank
                for (const QString& line : text("lblDescription").split("\r\n")) shape += line.isEmpty() ? "-" : "x";
                const QSize picture = box->findChild<QLabel*>("Image1")->pixmap().size();
                seen << box->windowTitle() << text("lblTitle") << text("lblVersion") << shape
                     << QString("%1x%2").arg(picture.width()).arg(picture.height());
                box->findChild<QPushButton*>("cmdOK")->click();
            });
            window.mnuHelpAbout->trigger();
            QCOMPARE(seen, QStringList({"About Tarnwell", "Tarnwell", "Version 1.1.0", "xx-xx-xx-xx", "213x251"}));
            QVERIFY2(window.findChildren<frmAbout*>().isEmpty(), "closed but kept: the next opening would not load");
        }
    }

    void sysInfoButtonOnAMadeUpMachine()
    {
        const QString tool = "C:\\Tools\\info.exe", inFolder = "C:\\Shared\\MSINFO32.EXE";
        const QString first = SystemInfoViewers.front(), last = SystemInfoViewers.back();
        const QByteArray folder("C:\\Shared", 10);  // with its terminating zero
        const struct {
            const char* row;
            Machine machine;
            QString outcome;
        } cases[] = {
            {"first location, its zero cut", {QByteArray("C:\\Tools\\info.exe", 18), folder, {inFolder}, {first}}, tool},
            {"first location without a zero", {"C:\\Tools\\info.exe"}, tool},
            {"first location, a 32-bit number", {"\x78\x05\x34\x12", {}, {}, {}, reg::Dword}, "19088760"},  // 1234578 hex
            {"only the second, program there", {{}, folder, {inFolder}, {first}}, inFolder},
            {"only the second, no program", {{}, folder, {tool}, {first}}, Unavailable},
            {"neither: first viewer of the list", {{}, {}, {}, {last, first}}, "/usr/bin/" + first},
            {"neither and no viewer", {}, Unavailable},
            {"failing query", {"C:\\x.exe", folder, {inFolder}, {first}, reg::String, true}, "/usr/bin/" + first},
            {"program will not start", {"C:\\x.exe", {}, {}, {}, reg::String, false, true}, Unavailable},
        };
        for (const auto& c : cases) {
            FakeMachine machine(c.machine);
            frmAbout(nullptr, &machine).cmdSysInfo->click();
            QVERIFY2(machine.outcome == QStringList{c.outcome}, qPrintable(c.row + (": " + machine.outcome.join("|"))));
            QVERIFY2(machine.callsAsExpected && machine.keysOpen == 0, c.row);
        }
    }

    // No registry here: the first viewer found on the PATH starts by its path (a shell would
    // split the folder's name), without arguments; with none, the message.
    void sysInfoButtonOnThisDesktop()
    {
        QTemporaryDir temporary;
        const QDir folder(temporary.filePath("viewers; touch split"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", folder.path().toLocal8Bit());
        QString message;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            message = box->windowTitle() + ": " + box->text();
            box->accept();
        });
        frmAbout about;
        about.cmdSysInfo->click();
        QCOMPARE(message, Unavailable);

        const QString first = SystemInfoViewers[1], last = SystemInfoViewers.back();
        QVERIFY(QDir().mkpath(folder.path()));
        for (const QString& viewer : {last, first}) {
            QFile script(folder.filePath(viewer));
            QVERIFY(script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n: > \"$0.$#\"\n") > 0);
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        }
        about.cmdSysInfo->click();
        qputenv("PATH", path);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(first + ".0")), 10000);
        QCOMPARE(folder.entryList(QDir::Files).size(), 3);
        QVERIFY(!QFile::exists("split"));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_aboutbox.moc"
