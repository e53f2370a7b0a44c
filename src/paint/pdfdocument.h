#pragma once
// The bytes of a PDF file made of drawn pages, with the sheet's fonts that their text uses.
#include <QByteArray>
#include <QList>
#include <QString>

class PdfPage;

QByteArray PdfDocument(const QList<const PdfPage*>& pages, const QString& title);
