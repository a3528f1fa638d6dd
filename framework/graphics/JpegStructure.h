#pragma once
// A bounded walk over a JPEG's marker structure. The JPEG decoder fills a cut
// off file with grey and calls it a success; walking the markers tells a
// complete file from a truncated one without decoding anything.
#include <string_view>

// True when the bytes start a JPEG whose segments and scans are all complete
// up to an end-of-image marker. Bytes after that marker are allowed.
bool jpegIsComplete(std::string_view bytes);
