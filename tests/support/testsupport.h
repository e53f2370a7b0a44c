#pragma once
// Driving the main window in tests as a user would: by the names of its controls. The case
// tables and regional settings come with the design's own test helpers.
#include "support/toolkit.h"
#include "support/designdriver.h"
#include "support/designfixtures.h"
#include "support/filedialogs.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"
