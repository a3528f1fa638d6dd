// The main window's fixture is built once in tests/support; this file stays for code that still includes it here.
#include "tests/support/MainWindowFixture.h"
