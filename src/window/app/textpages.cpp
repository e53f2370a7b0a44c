// The "Specifications" and "Display Equipment" pages.
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/app/controls.h"
#include "window/app/frmMain.h"

namespace {

QLineEdit* AddTextRow(QVBoxLayout* column, const char* caption, const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    column->addWidget(MakeCaption(QString::fromLatin1(caption), parent));
    column->addWidget(box);
    return box;
}

// Every character as wide as the next: what the payload columns need.
bool LinesUpInColumns(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) == metrics.horizontalAdvance(QLatin1Char('W'));
}

// Courier New 8.25 pt where it is installed, else the system's fixed-pitch font, so that the
// payload columns line up under the header.
QFont PayloadFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(8.25);
    if (QFontInfo(font).family() == font.family()) return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(8.25);
    if (LinesUpInColumns(fixed)) return fixed;
    fixed.setFamily(QStringLiteral("monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    return fixed;
}

}  // namespace

QWidget* frmMain::CreateSpecificationsPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    txtManufacturer = AddTextRow(column, "Manufacturer:", "txtManufacturer", page);
    txtTargetingSystem = AddTextRow(column, "Targeting & Tracking System:", "txtTargetingSystem", page);
    txtCommSystem = AddTextRow(column, "Comm System:", "txtCommSystem", page);
    column->addWidget(MakeCaption(QStringLiteral("Overview and Specifications:"), page));
    txtOverview = new QPlainTextEdit(page);
    txtOverview->setObjectName(QStringLiteral("txtOverview"));
    column->addWidget(txtOverview, 1);
    return page;
}

QWidget* frmMain::CreateDisplayPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    lstPayload = new QListWidget(page);
    lstPayload->setObjectName(QStringLiteral("lstPayload"));
    lstPayload->setFont(PayloadFont());
    lstPayload->setUniformItemSizes(true);
    column->addWidget(lstPayload, 1);
    auto* buttons = new QHBoxLayout;
    cmdRemove = new QPushButton(QStringLiteral("Remove"), page);
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    cmdClearAll = new QPushButton(QStringLiteral("Clear All"), page);
    cmdClearAll->setObjectName(QStringLiteral("cmdClearAll"));
    buttons->addWidget(cmdRemove);
    buttons->addWidget(cmdClearAll);
    buttons->addStretch();
    column->addLayout(buttons);
    return page;
}
