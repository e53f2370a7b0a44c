#pragma once
// Driving the main window in tests as a user would: by the names of its controls.
#include "support/toolkit.h"
#include "support/designchecks.h"
#include "support/designfixtures.h"
#include "support/filedialogs.h"
#include "support/payloadchecks.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"
#include "support/designdriver.h"

template <class T>
T* Control(const frmMain& window, const QString& name)
{
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("no control named %s", qPrintable(name));
    return control;
}

inline QString Text(const frmMain& window, const QString& label) { return Control<QLabel>(window, label)->text(); }

inline void TestCatalogue::Attach(frmMain& window) const
{
    window.OpenCatalogue(path());
}

// Opens the standard test catalogue in the window.
inline void UseTestCatalogue(frmMain& window)
{
    StandardCatalogue().Attach(window);
}

// A fresh window over the standard test catalogue.
struct CatalogueWindow {
    frmMain window;
    CatalogueWindow() { UseTestCatalogue(window); }
};
