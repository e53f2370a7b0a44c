// Writing the design to its file: the 21 inputs, then all 100 payload records, empty ones
// included. A line that cannot be written ends the writing; the lines before it stay.
#include "core/files/designlayout.h"
#include "core/files/designrecord.h"
#include "core/files/valueforms.h"
#include "core/values/textfile.h"

namespace {

using namespace designfile;

QString InputText(const DesignState& s, const InputValue& input)
{
    return std::visit(Overloaded{
                          [&](const LineText& v) { return QuotedFileText(s.*v.text); },
                          [&](const PageText& v) { return QuotedFileText(s.*v.text); },
                          [&](const Choice& v) { return IntegerFileText(s.*v.index); },
                          [&](const Number& v) { return IntegerFileText((s.*v.spinner).value); },
                          [&](const Tick& v) { return IntegerFileText((s.*v.box).checked ? 1 : 0); },
                      },
                      input);
}

}  // namespace

bool Design::WriteDesignFile(const QString& path) const
{
    LineFileWriter file;
    if (!file.Create(path)) return false;
    // The lines in file order, handed over in one write: a failure leaves the same bytes in the
    // file as writing them one by one would.
    QStringList lines;
    for (const InputValue& input : InputValues) lines << InputText(s_, input);
    for (int i = 1; i <= PayloadCapacity; ++i) lines << PayloadRecordText(s_.PayloadItems[i]);
    const bool written = file.WriteLines(lines);
    file.Close();
    return written;
}
