#pragma once
// The main window's fixture lives in tests/support, linked into every test program.
#include "tests/support/MainWindowFixture.h"
