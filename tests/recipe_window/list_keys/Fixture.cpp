// The main window fixture, built into this test program as well.
#include "tests/recipe_window/MainWindowFixture.cpp"
