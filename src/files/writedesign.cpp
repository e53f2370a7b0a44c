// Writing the design to its file: the 21 inputs, then all 100 payload records, empty ones
// included. A line that cannot be written ends the writing; the lines before it stay.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "app/frmMain.h"
#include "app/textfile.h"
#include "app/typedtext.h"
#include "files/designlayout.h"
#include "files/designrecord.h"
#include "files/valueforms.h"

namespace {

using namespace designfile;

QString InputText(const frmMain& w, const InputValue& input)
{
    return std::visit(Overloaded{
                          [&](const LineText& v) { return QuotedFileText((w.*v.box)->text()); },
                          [&](const PageText& v) { return QuotedFileText(TypedText(*(w.*v.box))); },
                          [&](const Choice& v) { return IntegerFileText(w.*v.variable); },
                          [&](const Spinner& v) { return IntegerFileText((w.*v.spinner)->value()); },
                          [&](const Box& v) { return IntegerFileText((w.*v.box)->isChecked() ? 1 : 0); },
                      },
                      input);
}

}  // namespace

void frmMain::WriteDesignFile(const QString& path)
{
    LineFileWriter file;
    if (!file.Create(path)) return;
    // The lines in file order, handed over in one write: a failure leaves the same bytes in the
    // file as writing them one by one would.
    QStringList lines;
    for (const InputValue& input : InputValues) lines << InputText(*this, input);
    for (int i = 1; i <= PayloadCapacity; ++i) lines << PayloadRecordText(PayloadItems[i]);
    file.WriteLines(lines);
    file.Close();
}
