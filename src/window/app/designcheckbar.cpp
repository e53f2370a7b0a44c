// The design check in the status bar: a summary that follows every recalculation, the notes in
// its tool tip, and a small window with the notes that a click on the summary opens.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "window/app/frmMain.h"

void frmMain::CreateDesignCheck()
{
    sbrDesignCheck = new QPushButton(statusBar());
    sbrDesignCheck->setObjectName(QStringLiteral("sbrDesignCheck"));
    sbrDesignCheck->setFlat(true);
    // Out of the tab order, so that the keyboard walks the design's controls as before.
    sbrDesignCheck->setFocusPolicy(Qt::NoFocus);
    sbrDesignCheck->setStyleSheet(QStringLiteral("text-align: left; padding: 1px 4px;"));
    statusBar()->addWidget(sbrDesignCheck, 1);
    statusBar()->setSizeGripEnabled(false);
    connect(sbrDesignCheck, &QPushButton::clicked, this, &frmMain::ShowDesignNotes);
}

void frmMain::ShowDesignNotes()
{
    if (!frmDesignCheck) {
        frmDesignCheck = new QDialog(this);
        frmDesignCheck->setObjectName(QStringLiteral("frmDesignCheck"));
        frmDesignCheck->setWindowTitle(QStringLiteral("Design Check"));
        auto* layout = new QVBoxLayout(frmDesignCheck);
        auto* notes = new QLabel(frmDesignCheck);
        notes->setObjectName(QStringLiteral("lblDesignNotes"));
        notes->setTextFormat(Qt::PlainText);
        layout->addWidget(notes);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, frmDesignCheck);
        connect(buttons, &QDialogButtonBox::rejected, frmDesignCheck, &QDialog::hide);
        layout->addWidget(buttons);
    }
    frmDesignCheck->findChild<QLabel*>(QStringLiteral("lblDesignNotes"))->setText(sbrDesignCheck->toolTip());
    frmDesignCheck->show();
    frmDesignCheck->raise();
    frmDesignCheck->activateWindow();
}
