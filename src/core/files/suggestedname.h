#pragma once
// The file name a dialog suggests for a design: the vehicle's name without the characters
// that cannot stand in a file name on Windows or Linux, followed by an extension.
#include <QString>

// `vehicleName` without blanks, control characters and / \ : * ? " < > |, then `extension`
// (".edt", ".pdf"; empty for none): "Demolisher AC/20 Carrier" gives "DemolisherAC20Carrier.edt".
QString SuggestedFileName(const QString& vehicleName, const QString& extension);
