#pragma once
// The utility windows' tests run inside the real program: start-up with a
// newly created (empty) recipe database, scripted dialogs and private
// folders, and the program's globals released at the end as at exit.
#include <gtest/gtest.h>

#include "app/DatabaseMessages.h"
#include "app/Larderwise.h"
#include "startup/Startup.h"
#include "tests/support/LarderwiseTest.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

class StartedLarderwise : public LarderwiseTest {
protected:
    StartedLarderwise() {
        expectDatabaseCreated();
        startApp();
    }
};
