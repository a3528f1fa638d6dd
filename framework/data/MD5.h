#pragma once
// The RFC 1321 digest of a byte string, as 16 raw bytes (not hex).
#include <string>

std::string MD5(const std::string& bytes);

// Lower-case hex of any byte string, for logs and tests.
std::string EncodeHex(const std::string& bytes);
