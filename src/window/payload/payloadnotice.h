#pragma once
// Telling the user why an add did nothing, without stopping the program to wait for an answer.
#include <QString>

class QMainWindow;

// The text in the window's status bar, and in a message box that opens over the window and
// returns at once. One message box serves every notice; a new notice replaces its text.
void ShowPayloadNotice(QMainWindow* window, const QString& text);
