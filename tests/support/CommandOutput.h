#pragma once
// What a shell command printed, for tests that check a file the way the
// tools of this platform read it (pdftotext, wc, cut).
#include <cstdio>
#include <string>

// Runs the command with /bin/sh; "" when it could not run.
inline std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}
