// Typing a spinner's value: a small editor over its value label. Enter sets the spinner once
// to the value typed; Escape, or leaving the editor, puts it away with nothing changed.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <functional>

#include "window/app/frmMain.h"
#include "core/values/typedvalue.h"

namespace {

class ValueEditor : public QLineEdit {
public:
    ValueEditor(QLabel* label, std::function<void(const QString&)> apply)
        : QLineEdit(label->text(), label->parentWidget()), apply_(std::move(apply))
    {
        setObjectName(QStringLiteral("txtSpinnerValue"));
        setGeometry(label->geometry());
        selectAll();
        connect(this, &QLineEdit::returnPressed, this, [this] { Finish(true); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape)
            Finish(false);
        else
            QLineEdit::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) Finish(false);
    }

private:
    // Runs once: the editor goes away first, so that the handlers the new value runs see the
    // window as it will stay.
    void Finish(bool accepted)
    {
        if (finished_) return;
        finished_ = true;
        hide();
        if (accepted) apply_(text());
        deleteLater();
    }

    std::function<void(const QString&)> apply_;
    bool finished_ = false;
};

}  // namespace

void frmMain::AcceptTypedValues()
{
    for (const SpinnerInput& pair : SpinnerInputs()) (this->*pair.label)->installEventFilter(this);
}

void frmMain::EditSpinnerValue(const SpinnerInput& pair)
{
    QScrollBar* spinner = this->*pair.spinner;
    if (!spinner->isEnabled()) return;
    auto* editor = new ValueEditor(this->*pair.label, [this, spinner, pair](const QString& text) {
        spinner->setFocus(Qt::OtherFocusReason);
        const std::optional<int> value =
            TypedSpinnerValue(text, pair.stepsPerShownUnit(*spinner), spinner->minimum(), spinner->maximum());
        if (value) spinner->setValue(*value);
    });
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}
