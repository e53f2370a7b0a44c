#pragma once
// Telling the user why an add did nothing, without stopping the program to wait for an answer.
#include <QString>

class QMainWindow;

// The text in the window's status bar, and in a message box that opens over the window and
// returns at once. One message box serves every notice; a new notice replaces its text.
void ShowPayloadNotice(QMainWindow* window, const QString& text);

// True when `count` records already fill the payload table; the user is then told so.
bool RefusePayloadWhenFull(QMainWindow* window, int count);

// True when the browsed catalogue row has no name: a nameless record would read as an empty
// slot. The user is then told so.
bool RefuseUnnamedRow(QMainWindow* window, const QString& name);
