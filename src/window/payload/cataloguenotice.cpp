#include "window/payload/cataloguenotice.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>

#include "core/payload/rowset.h"

namespace {

const QString NoticeLabelName = QStringLiteral("lblCatalogueNotice");
const QString NoticeBoxName = QStringLiteral("msgCatalogue");

QString WhereLooked(const QString& path)
{
    const QFileInfo file(path);
    return QStringLiteral("It looked for the file \"%1\" in the folder \"%2\".")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

QLabel* NoticeLabel(QMainWindow* window)
{
    auto* label = window->statusBar()->findChild<QLabel*>(NoticeLabelName);
    if (!label) {
        label = new QLabel(window->statusBar());
        label->setObjectName(NoticeLabelName);
        window->statusBar()->addPermanentWidget(label, 1);
    }
    return label;
}

// Opened from the event loop, so that creating the window never waits on the user.
void ShowNoticeBox(QMainWindow* window, const QString& text)
{
    auto* box = window->findChild<QMessageBox*>(NoticeBoxName, Qt::FindDirectChildrenOnly);
    if (!box) {
        box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), QString(), QMessageBox::Ok, window);
        box->setObjectName(NoticeBoxName);
        box->setWindowModality(Qt::NonModal);
    }
    box->setText(text);
    box->show();
}

}  // namespace

// One paragraph per file: where it was looked for, then what is wrong with it.
QString CatalogueProblem(const QList<const RowSet*>& rowSets)
{
    QStringList files;
    QList<QStringList> reasons;
    for (const RowSet* rows : rowSets) {
        if (rows->errorText().isEmpty()) continue;
        qsizetype file = files.indexOf(rows->databaseName());
        if (file < 0) {
            file = files.size();
            files << rows->databaseName();
            reasons.append(QStringList());
        }
        if (!reasons[file].contains(rows->errorText())) reasons[file] << rows->errorText();
    }
    if (files.isEmpty()) return {};
    QStringList paragraphs;
    for (qsizetype file = 0; file < files.size(); ++file)
        paragraphs << WhereLooked(files[file]) + u' ' + reasons[file].join(u' ');
    return QStringLiteral("The equipment catalogue could not be read, so no weapons, equipment, ammunition or "
                          "cargo can be added. The rest of the design can still be edited.\n\n") +
           paragraphs.join(u'\n');
}

QString CatalogueFiles(const QList<const RowSet*>& rowSets)
{
    QStringList files;
    for (const RowSet* rows : rowSets) {
        const QString file = QDir::toNativeSeparators(rows->databaseName());
        if (!rows->errorText().isEmpty() && !files.contains(file)) files << file;
    }
    return files.join(QStringLiteral(", "));
}

void ReportCatalogue(QMainWindow* window, const QList<const RowSet*>& rowSets)
{
    const QString problem = CatalogueProblem(rowSets);
    QLabel* label = NoticeLabel(window);
    label->setToolTip(problem);
    if (problem.isEmpty()) {
        label->clear();
        label->hide();
        if (auto* box = window->findChild<QMessageBox*>(NoticeBoxName, Qt::FindDirectChildrenOnly)) box->hide();
        return;
    }
    label->setText(QStringLiteral("No equipment catalogue: %1 could not be read.").arg(CatalogueFiles(rowSets)));
    label->show();
    // Unless a later opening of the catalogue went well before the window came up.
    QTimer::singleShot(0, window, [window, problem] {
        if (NoticeLabel(window)->toolTip() == problem) ShowNoticeBox(window, problem);
    });
}
