#include "window/app/controls.h"

#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "core/payload/rowset.h"

namespace {
// A spinner is as tall as a value label, so that every row of figures has one height.
constexpr int RowHeight = 22;

// The mouse wheel moves a spinner as its arrows do, one step per notch: up raises the value.
// The toolkit's own wheel handling would move a scroll bar's value the other way, and by
// several steps a notch.
class SpinnerWheel : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel) return false;
        auto* spinner = static_cast<QScrollBar*>(watched);
        if (!spinner->isEnabled()) return false;
        pending_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        for (; pending_ >= Notch; pending_ -= Notch) spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);
        for (; pending_ <= -Notch; pending_ += Notch) spinner->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        event->accept();
        return true;
    }

private:
    static constexpr int Notch = 120;  // eighths of a degree, one notch of a common wheel
    int pending_ = 0;                  // what a fine-grained wheel has turned short of a notch
};
}  // namespace

QLabel* MakeValueLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setMinimumWidth(64);
    label->setMinimumHeight(RowHeight);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setContentsMargins(3, 1, 3, 1);
    return label;
}

QLabel* MakeSpinnerLabel(const QString& name, QWidget* parent)
{
    QLabel* label = MakeValueLabel(name, parent);
    label->setBackgroundRole(QPalette::Window);
    label->setForegroundRole(QPalette::WindowText);
    label->setAutoFillBackground(true);
    return label;
}

QLabel* MakeCaption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QScrollBar* MakeSpinner(const QString& name, int lowest, int highest, int value, QWidget* parent)
{
    auto* spinner = new QScrollBar(Qt::Vertical, parent);
    spinner->setObjectName(name);
    // Drawn with the lowest value at the bottom. The toolkit still lets the upper arrow and the
    // trough above the handle step down, so each step is turned round before it applies.
    spinner->setInvertedAppearance(true);
    QObject::connect(spinner, &QAbstractSlider::actionTriggered, spinner, [spinner](int action) {
        const int step = action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderSingleStepSub
                             ? spinner->singleStep()
                             : spinner->pageStep();
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
        case QAbstractSlider::SliderPageStepSub:
            spinner->setSliderPosition(std::min(spinner->maximum(), spinner->value() + step));
            break;
        case QAbstractSlider::SliderSingleStepAdd:
        case QAbstractSlider::SliderPageStepAdd:
            spinner->setSliderPosition(std::max(spinner->minimum(), spinner->value() - step));
            break;
        default: break;
        }
    });
    spinner->setRange(lowest, highest);
    spinner->setSingleStep(1);
    spinner->setPageStep(10);
    spinner->setValue(value);
    spinner->setFocusPolicy(Qt::StrongFocus);
    spinner->setFixedSize(17, RowHeight);
    spinner->installEventFilter(new SpinnerWheel(spinner));
    return spinner;
}

void SetLabelText(QLabel* label, const QString& text)
{
    if (label->text() != text) label->setText(text);
}

void SetWarningColour(QLabel* label, bool warning)
{
    const QColor colour = warning ? QColor(255, 0, 0) : QColor(0, 0, 0);
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) == colour) return;
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void SetBackground(QLabel* label, int red, int green, int blue)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(red, green, blue));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void BindLabel(RowSet* rows, QLabel* label, const QString& field)
{
    rows->Bind(label, field, [label](const QString& text) { SetLabelText(label, text); });
}
