// Reaching any catalogue row in one step: a context menu on each browser that lists every row
// by class, and type-ahead on the browser's Previous and Next buttons. Either moves the browser
// as Next does, with the rule that follows a move, and changes nothing else.
#include <QApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

#include "window/app/frmMain.h"
#include "core/payload/rowset.h"
#include "core/payload/typeahead.h"

#include <algorithm>
#include <functional>

namespace {

QStringList Names(const RowSet* rows)
{
    QStringList names;
    for (int row = 0; row < rows->rowCount(); ++row) names << rows->FieldTextAt(row, QStringLiteral("Type"));
    return names;
}

// Watches the Previous and Next buttons of one browser for typed letters. A space belongs to
// a search going on; otherwise it presses the button as usual.
class TypeAheadKeys : public QObject {
public:
    TypeAheadKeys(QObject* parent, RowSet* rows, std::function<void(int)> browse)
        : QObject(parent), rows_(rows), browse_(std::move(browse))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 interval = QApplication::keyboardInputInterval();
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (command || typed.isEmpty() || !typed.front().isPrint()) return false;
        if (typed == QStringLiteral(" ") && !search_.Continues(now, interval)) return false;
        browse_(search_.Find(Names(rows_), rows_->currentIndex(), typed, now, interval));
        return true;
    }

private:
    RowSet* rows_;
    std::function<void(int)> browse_;
    TypeAhead search_;
};

}  // namespace

void frmMain::ConnectRowFinders()
{
    const struct {
        QGroupBox* frame;
        RowSet* rows;
        QPushButton* buttons[2];
        const char* menuName;
    } browsers[] = {
        {fraAddWeapons, datWeapons, {cmdPreviousWeapon, cmdNextWeapon}, "mnuWeaponRows"},
        {fraAddAmmo, datAmmo, {cmdAmmoPrevious, cmdAmmoNext}, "mnuAmmoRows"},
    };
    for (const auto& browser : browsers) {
        browser.frame->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(browser.frame, &QWidget::customContextMenuRequested, this,
                [this, browser](const QPoint& at) { ShowRowMenu(browser.frame, browser.rows, browser.menuName, at); });
        auto* keys = new TypeAheadKeys(this, browser.rows, [this, rows = browser.rows](int row) { BrowseToRow(rows, row); });
        for (QPushButton* button : browser.buttons) button->installEventFilter(keys);
    }
}

// One submenu per class, in the order the classes first come; the rows in browsing order, the
// current one ticked.
void frmMain::ShowRowMenu(QGroupBox* frame, RowSet* rows, const char* menuName, const QPoint& at)
{
    if (rows->isEmpty()) return;
    auto* menu = new QMenu(frame);
    menu->setObjectName(QString::fromLatin1(menuName));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QList<QMenu*> classes;
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QString cls = rows->FieldTextAt(row, QStringLiteral("Class"));
        auto found = std::find_if(classes.begin(), classes.end(), [&](QMenu* sub) { return sub->title() == cls; });
        QMenu* sub = found != classes.end() ? *found : classes.emplace_back(menu->addMenu(cls));
        QString caption = rows->FieldTextAt(row, QStringLiteral("Type"));
        QAction* item = sub->addAction(caption.replace(u'&', QStringLiteral("&&")));
        item->setCheckable(true);
        item->setChecked(row == rows->currentIndex());
        connect(item, &QAction::triggered, this, [this, rows, row] { BrowseToRow(rows, row); });
    }
    menu->popup(frame->mapToGlobal(at));
}
