#pragma once
// Newer Macs write a text clipping as a property list in the file itself
// instead of a resource fork, which is also the form that survives a copy to
// a Linux disk. The text sits in the "UTI-Data" dictionary under
// "public.utf8-plain-text" (or the UTF-16 or Mac Roman flavours). Both the
// binary ("bplist00") and the XML form are read; the binary reader checks
// the file's trailer and offset table as a whole and every object it reads,
// and never reads outside the buffer.
#include <optional>
#include <string>
#include <string_view>

// The clipping's text as UTF-8; nothing when the bytes are not a clipping
// property list, are malformed, or hold no text.
std::optional<std::string> clippingTextFromPropertyList(std::string_view bytes);
