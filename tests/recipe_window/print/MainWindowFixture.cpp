// The main window's test fixture, built into this test program too: the
// printing commands are tested on the real window. Its home is the main
// window's own tests.
#include "tests/recipe_window/MainWindowFixture.cpp"
