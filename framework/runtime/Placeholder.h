#pragma once
// Temporary start-up used until the application runtime exists: shows an
// empty main window and runs the event loop.
int runPlaceholderApplication(int argc, char** argv);
