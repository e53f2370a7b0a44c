#include "window/about/frmAbout.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <array>

#include "window/about/abouttexts.h"
#include "window/about/sysinfoenvironment.h"

namespace {
// Sizes are laid out in twips, fifteen to a pixel.
constexpr int TwipsPerPixel = 15;
constexpr int ClientWidth = 7035;
constexpr int ClientHeight = 3975;

struct Place {
    int left, top, width, height;
};
constexpr Place Image1Place{120, 120, 3195, 3765};
constexpr Place TitlePlace{3450, 120, 3405, 480};
constexpr Place VersionPlace{3450, 660, 3405, 225};
constexpr Place DescriptionPlace{3450, 1005, 3405, 2370};
constexpr Place OKPlace{3480, 3480, 1260, 345};
constexpr Place SysInfoPlace{5160, 3480, 1245, 345};

constexpr int Pixels(int twips) { return twips / TwipsPerPixel; }

template <class T>
T* Make(QWidget* parent, const char* name, const Place& place)
{
    auto* control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height));
    return control;
}
}  // namespace

// The picture lives in the library's resources; a static library must register them itself.
// (Outside any namespace, as the toolkit's macro requires.)
static void InitAboutResources() { Q_INIT_RESOURCE(about); }

frmAbout::frmAbout(QWidget* parent, SysInfoEnvironment* environment)
    : QDialog(parent), environment_(environment ? environment : &DesktopEnvironment())
{
    setObjectName(QStringLiteral("frmAbout"));
    InitAboutResources();
    CreateControls();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

void frmAbout::CreateControls()
{
    setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));

    Image1 = Make<QLabel>(this, "Image1", Image1Place);
    Image1->setPixmap(QPixmap(QStringLiteral(":/about/picture.png")));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblTitle = Make<QLabel>(this, "lblTitle", TitlePlace);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = Make<QLabel>(this, "lblVersion", VersionPlace);
    lblDescription = Make<QLabel>(this, "lblDescription", DescriptionPlace);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel* label : {lblTitle, lblVersion, lblDescription}) label->setTextFormat(Qt::PlainText);

    cmdOK = Make<QPushButton>(this, "cmdOK", OKPlace);
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdSysInfo = Make<QPushButton>(this, "cmdSysInfo", SysInfoPlace);
    cmdSysInfo->setText(QStringLiteral("&System Info..."));
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + AppTitle());
    lblVersion->setText(VersionLine());
    lblTitle->setText(AppTitle());
    lblDescription->setText(NoticeText());
}

void frmAbout::cmdOK_Click() { accept(); }
