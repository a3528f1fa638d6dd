#include "framework/runtime/Clock.h"

#include <chrono>
#include <ctime>

namespace {
std::function<int64_t()> fakeNow;
int32_t fakeOffset = 0;

int64_t realNow() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

int64_t steadyStartMicros() {
    static const int64_t start = realNow();
    return start;
}
}  // namespace

namespace Clock {

int64_t nowMicroseconds() { return fakeNow ? fakeNow() : realNow(); }

int32_t localOffsetSeconds(int64_t micros) {
    if (fakeNow) return fakeOffset;
    std::time_t t = static_cast<std::time_t>(micros / 1000000);
    std::tm local{};
    localtime_r(&t, &local);
    return static_cast<int32_t>(local.tm_gmtoff);
}

int64_t microsecondsSinceStart() { return fakeNow ? fakeNow() : realNow() - steadyStartMicros(); }

int32_t ticks() {
    int64_t elapsed = microsecondsSinceStart();
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(elapsed * 60 / 1000000)));
}

void setFake(std::function<int64_t()> now, int32_t offset) {
    fakeNow = std::move(now);
    fakeOffset = offset;
}

}  // namespace Clock
