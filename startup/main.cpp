#include "startup/Startup.h"

int main(int argc, char** argv) { return _Main(argc, argv); }

#if defined(__SANITIZE_ADDRESS__)
// In the sanitizer build: the session-bus library keeps its connection's
// buffers to the end of the process by design; only leaks of our own count.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
#endif
