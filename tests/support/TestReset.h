#pragma once
// Puts the framework back to its state before start-up: every window and the
// application object deleted (no events), no quit requested, no captured
// press, real services and the real clock.
void resetFrameworkForTests();
