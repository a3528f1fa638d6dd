#pragma once
// The bytes of the preferences file: a nine-byte header ("BPrefs", a 16-bit
// version, a flags byte) and the serialised store, enciphered under a
// password built at run time so it is never stored anywhere.
#include <memory>
#include <string>

#include "framework/data/MemoryBlock.h"

namespace BPrefs {

// The 65-byte file password.
std::string GenerateKey();

// Header plus enciphered body, ready to be written. `body` is not changed.
std::string EncodePrefsFile(const MemoryBlock& body);

// The plain body of a file's bytes, or nil when the header is damaged (too
// short, wrong magic, version below 256). Whether the body holds a store is
// the reader's question.
std::shared_ptr<MemoryBlock> DecodePrefsFile(const std::string& fileBytes);

}  // namespace BPrefs
