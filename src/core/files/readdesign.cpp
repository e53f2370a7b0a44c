// Reading a design file into the design. Each value goes to its input the moment it is read,
// so the inputs' steps run in the file's order. Reading ends silently at the first value that
// is missing or does not fit its input, which is checked before anything is applied: what was
// applied before it stays. The design keeps the line where it stopped.
#include <stdexcept>

#include "core/files/designlayout.h"
#include "core/files/designrecord.h"
#include "core/payload/payloadline.h"
#include "core/values/textfile.h"

namespace {

using namespace designfile;

// A disabled input keeps its value: a file cannot tick the turret of a VTOL or put armor on a
// turret that is not there.
bool Takes(const Spinner& spinner, int value)
{
    if (value < spinner.minimum || value > spinner.maximum) return false;
    return spinner.enabled || value == spinner.value;
}

bool Takes(const Box& box, int value)
{
    if (value != 0 && value != 1) return false;
    return box.enabled || (value == 1) == box.checked;
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

}  // namespace

class DesignFileReader {
public:
    DesignFileReader(Design& design, FileValues& values) : d_(design), s_(design.s_), values_(values) {}

    bool ApplyInput(const InputValue& input)
    {
        return std::visit(Overloaded{
                              [&](const LineText& v) {
                                  QString text;
                                  if (!ReadField(values_, text) || text.size() > LongestLineText) return false;
                                  (d_.*v.set)(text);
                                  return true;
                              },
                              [&](const PageText& v) {
                                  QString text;
                                  if (!ReadField(values_, text)) return false;
                                  (d_.*v.set)(text);
                                  return true;
                              },
                              [&](const Choice& v) {
                                  Int16 index;
                                  if (!ReadField(values_, index) || !v.known(index)) return false;
                                  (d_.*v.choose)(index);
                                  return true;
                              },
                              [&](const Number& v) {
                                  Int16 value;
                                  Spinner& spinner = s_.*v.spinner;
                                  if (!ReadField(values_, value) || !Takes(spinner, value)) return false;
                                  d_.Move(spinner, value);
                                  return true;
                              },
                              [&](const Tick& v) {
                                  Int16 value;
                                  Box& box = s_.*v.box;
                                  if (!ReadField(values_, value) || !Takes(box, value)) return false;
                                  d_.Tick(box, value == 1);
                                  return true;
                              },
                          },
                          input);
    }

    // Each record keeps its index; one with a name gets its line. False where reading stops.
    bool ReadPayloadRecords(RecordStarts& starts)
    {
        bool payloadEnded = false;
        for (int i = 1; i <= PayloadCapacity; ++i) {
            starts[i] = values_.Position();
            const std::optional<PayloadItem> record = ReadPayloadRecord(values_);
            if (!record || !Fits(*record, payloadEnded)) return false;
            s_.CurrentItem = *record;
            const QString line = FormatPayloadLine(s_.CurrentItem);
            s_.PayloadItems[i] = s_.CurrentItem;
            ++d_.payloadVersion_;
            if (s_.CurrentItem.isEmpty())
                payloadEnded = true;
            else
                s_.PayloadLines << line;
        }
        return true;
    }

    // The totals of the records read, added onto what Clear All and the check boxes left, with
    // `counting` at the record being counted in. An overflow throws and ends the reading.
    void RebuildPayloadTotals(int& counting)
    {
        for (counting = 1; counting <= PayloadCapacity; ++counting) {
            const PayloadItem& r = s_.PayloadItems[counting];
            if (r.isEmpty()) continue;
            d_.CountIntoPayload(r);
            s_.PayloadCount += 1;
        }
    }

private:
    Design& d_;
    DesignState& s_;
    FileValues& values_;
};

int Design::ReadDesignFile(const QString& path)
{
    stopLine_ = 1;
    std::optional<QString> content = ReadCodePageFile(path, LargestDesignFile);
    if (!content) return stopLine_;
    FileValues values(std::move(*content));
    DesignFileReader reader(*this, values);
    // Until every record is in, reading stops at the value last asked for; then at the record
    // being counted in, or at the end for the recalculation.
    RecordStarts starts{};
    int counting = 0;
    const auto stopAt = [&](qsizetype at) { return stopLine_ = values.LineAt(at); };
    try {
        for (const InputValue& input : InputValues)
            if (!reader.ApplyInput(input)) return stopAt(values.LastStart());
        if (!reader.ReadPayloadRecords(starts)) return stopAt(values.LastStart());
    } catch (const std::exception&) {
        return stopAt(values.LastStart());
    }
    try {
        reader.RebuildPayloadTotals(counting);
        UpdateDesign();
    } catch (const std::exception&) {
        // An error in the recalculation ends the reading like any other.
        return stopAt(counting <= PayloadCapacity ? starts[counting] : values.LastStart());
    }
    return stopLine_ = 0;
}
