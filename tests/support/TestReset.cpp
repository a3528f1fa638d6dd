#include "tests/support/TestReset.h"

#include "framework/runtime/Clock.h"
#include "framework/ui/Runtime.h"
#include "framework/runtime/Services.h"

#include <QCoreApplication>
#include <QEvent>

void resetFrameworkForTests() {
    Runtime::resetForTests();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    resetServices();
    Clock::setFake(nullptr);
}
