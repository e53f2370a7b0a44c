#include "support/testsupport.h"

#include "core/payload/payloadline.h"

QStringList PayloadLines(const frmMain& window)
{
    const auto* list = Control<QListWidget>(window, QStringLiteral("lstPayload"));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QString Units(Currency c)
{
    return QString::number(c.units());
}

QString PayloadInvariantFailure(const frmMain& window)
{
    const DesignState& s = window.design().State();
    const QStringList lines = PayloadLines(window);
    if (lines.isEmpty() || lines[0] != PayloadHeaderLine()) return QStringLiteral("line 0 is not the header");
    if (lines.mid(1) != s.PayloadLines) return QStringLiteral("the list does not show the design's payload lines");
    for (const auto& [name, box] : {std::pair{"chkCASE", &s.chkCASE}, {"chkFerroFibrous", &s.chkFerroFibrous}})
        if (Control<QCheckBox>(window, QLatin1String(name))->isChecked() != box->checked)
            return QLatin1String(name) + QStringLiteral(" shows another state than the design");
    return PayloadInvariantFailure(window.design());
}
