#include "framework/runtime/Clock.h"

#include <chrono>
#include <ctime>

namespace {
std::function<int64_t()> fakeNow;
std::function<int64_t()> fakeSinceBoot;
int32_t fakeOffset = 0;

int64_t realNow() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// CLOCK_MONOTONIC counts from the system's start and never jumps.
int64_t realSinceBoot() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
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

int64_t microsecondsSinceBoot() {
    if (fakeSinceBoot) return fakeSinceBoot();
    return fakeNow ? fakeNow() : realSinceBoot();
}

int32_t ticks() {
    const int64_t elapsed = microsecondsSinceBoot();
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(elapsed * 60 / 1000000)));
}

void setFake(std::function<int64_t()> now, int32_t offset) {
    fakeNow = std::move(now);
    fakeOffset = offset;
    fakeSinceBoot = nullptr;
}

void setFakeSinceBoot(std::function<int64_t()> sinceBoot) { fakeSinceBoot = std::move(sinceBoot); }

}  // namespace Clock
