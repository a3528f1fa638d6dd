// This test program drives the main window through the shared fixture of the
// main window's tests, compiled in here.
#include "tests/recipe_window/MainWindowFixture.cpp"
