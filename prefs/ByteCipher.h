#pragma once
// The byte cipher that hides the preferences body from casual reading. It is
// obfuscation, not security: each byte moves up or down by the key byte at
// the same position (odd key bytes add, even ones subtract), so a key byte of
// 0 leaves the data byte as it was. Passwords and keys are byte strings that
// may hold 0x00, so they travel as std::string or MemoryBlock, never as C
// strings.
#include <memory>
#include <string>

#include "framework/data/MemoryBlock.h"

namespace BDictionary {

// The key for a password: a password of 64 bytes or more is its own key;
// a shorter one is stretched into four MD5 digests (64 bytes).
std::shared_ptr<MemoryBlock> EncryptionKey(const std::string& password);

// Encipher or decipher `data` in place under the password's key and return
// it; nil stays nil. The block keeps its length.
std::shared_ptr<MemoryBlock> Encrypt(std::shared_ptr<MemoryBlock> data, const std::string& password);
std::shared_ptr<MemoryBlock> Decrypt(std::shared_ptr<MemoryBlock> data, const std::string& password);

}  // namespace BDictionary
