// Reading a design file into the window. Each value goes to its control the moment it is read,
// so the controls' handlers run in the file's order. Reading ends silently at the first value
// that is missing or does not fit its target, which is checked before anything is applied:
// what was applied before it stays. The window keeps the line where it stopped.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <stdexcept>

#include "app/frmMain.h"
#include "app/textfile.h"
#include "files/designlayout.h"
#include "files/designrecord.h"
#include "payload/payloadline.h"
#include "payload/payloadtotals.h"

namespace {

using namespace designfile;


// A control the window has disabled keeps its value: a file cannot tick the turret of a VTOL
// or put armor on a turret that is not there.
bool Takes(const QScrollBar* spinner, int value)
{
    if (value < spinner->minimum() || value > spinner->maximum()) return false;
    return spinner->isEnabled() || value == spinner->value();
}

bool Takes(const QCheckBox* box, int value)
{
    if (value != 0 && value != 1) return false;
    return box->isEnabled() || (value == 1) == box->isChecked();
}

bool ApplyInput(frmMain& w, const InputValue& input, FileValues& values)
{
    return std::visit(Overloaded{
                          [&](const LineText& v) {
                              QString text;
                              QLineEdit* box = w.*v.box;
                              if (!ReadField(values, text) || text.size() > box->maxLength()) return false;
                              box->setText(text);
                              return true;
                          },
                          [&](const PageText& v) {
                              QString text;
                              if (!ReadField(values, text)) return false;
                              (w.*v.box)->setPlainText(text);
                              return true;
                          },
                          [&](const Choice& v) {
                              Int16 index;
                              const std::span<QRadioButton* const> buttons = v.buttons(w);
                              if (!ReadField(values, index) || !v.known(index)) return false;
                              w.*v.variable = index;
                              buttons[index]->setChecked(true);
                              return true;
                          },
                          [&](const Spinner& v) {
                              Int16 value;
                              QScrollBar* spinner = w.*v.spinner;
                              if (!ReadField(values, value) || !Takes(spinner, value)) return false;
                              if (v.variable) w.*v.variable = value;
                              spinner->setValue(value);
                              return true;
                          },
                          [&](const Box& v) {
                              Int16 value;
                              QCheckBox* box = w.*v.box;
                              if (!ReadField(values, value) || !Takes(box, value)) return false;
                              box->setChecked(value == 1);
                              return true;
                          },
                      },
                      input);
}

// The records of a design file fill the table from the top: an item fits its name column, and
// once an empty record has come every record after it is empty too, so that adding an item
// later never overwrites one that was read.
bool Fits(const PayloadItem& record, bool payloadEnded)
{
    if (record.isEmpty()) return record == PayloadItem();
    return !payloadEnded && record.Name.size() <= PayloadNameWidth;
}

// Where each record begins in the file.
using RecordStarts = std::array<qsizetype, PayloadCapacity + 1>;

// Each record keeps its index; one with a name gets its line. False where reading stops.
bool ReadPayloadRecords(frmMain& w, FileValues& values, RecordStarts& starts)
{
    bool payloadEnded = false;
    for (int i = 1; i <= PayloadCapacity; ++i) {
        starts[i] = values.Position();
        const std::optional<PayloadItem> record = ReadPayloadRecord(values);
        if (!record || !Fits(*record, payloadEnded)) return false;
        w.CurrentItem = *record;
        const QString line = FormatPayloadLine(w.CurrentItem);
        w.PayloadItems[i] = w.CurrentItem;
        if (w.CurrentItem.isEmpty())
            payloadEnded = true;
        else
            w.lstPayload->addItem(line);
    }
    return true;
}

// The totals of the records read, added onto what Clear All and the check boxes left, with
// `counting` at the record being counted in. An overflow throws and ends the reading.
void RebuildPayloadTotals(frmMain& w, int& counting)
{
    for (counting = 1; counting <= PayloadCapacity; ++counting) {
        const PayloadItem& r = w.PayloadItems[counting];
        if (r.isEmpty()) continue;
        CountIntoPayload(w, r);
        w.PayloadCount += 1;
    }
}

}  // namespace

void frmMain::ReadDesignFile(const QString& path)
{
    DesignFileStopLine = 1;
    std::optional<QString> content = ReadCodePageFile(path, LargestDesignFile);
    if (!content) return;
    FileValues values(std::move(*content));
    // Until every record is in, reading stops at the value last asked for; then at the record
    // being counted in, or at the end for the recalculation.
    RecordStarts starts{};
    int counting = 0;
    const auto stopAt = [&](qsizetype at) { DesignFileStopLine = values.LineAt(at); };
    try {
        for (const InputValue& input : InputValues)
            if (!ApplyInput(*this, input, values)) return stopAt(values.LastStart());
        if (!ReadPayloadRecords(*this, values, starts)) return stopAt(values.LastStart());
    } catch (const std::exception&) {
        return stopAt(values.LastStart());
    }
    try {
        RebuildPayloadTotals(*this, counting);
        UpdateDesign();
    } catch (const std::exception&) {
        // An error in the recalculation ends the reading like any other.
        return stopAt(counting <= PayloadCapacity ? starts[counting] : values.LastStart());
    }
    DesignFileStopLine = 0;
}
