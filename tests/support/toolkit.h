#pragma once
// The toolkit's modules and the window, as every test helper and test program sees them.
#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include "window/app/frmMain.h"
#include "window/files/commondialog.h"
#include "core/payload/rowset.h"
