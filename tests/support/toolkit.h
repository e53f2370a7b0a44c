#pragma once
// The toolkit's modules and the window, as every test helper and test program sees them.
#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include "app/frmMain.h"
#include "files/commondialog.h"
#include "payload/rowset.h"
