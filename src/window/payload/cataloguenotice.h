#pragma once
// Telling the user that the equipment catalogue cannot be used, and where it was looked for.
#include <QList>
#include <QString>

class QMainWindow;
class RowSet;

// The words of the notice for the row sets that could not be read; empty when all were read.
QString CatalogueProblem(const QList<const RowSet*>& rowSets);

// The catalogue files among them that could not be read, with native separators.
QString CatalogueFiles(const QList<const RowSet*>& rowSets);

// Shows the notice in a permanent part of the status bar and, once the window is up, in a
// message box that does not wait for an answer; a catalogue that reads well takes it away.
void ReportCatalogue(QMainWindow* window, const QList<const RowSet*>& rowSets);
