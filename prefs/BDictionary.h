#pragma once
// The preferences' serialised form: a dictionary of values turned into one
// big-endian byte block and back. Every value is a block of a 2-byte tag and
// a payload with no length field; a dictionary block carries an offset table
// so that the reader cuts its keys and values apart by offsets and never
// needs to know the length of a block it does not understand (an unknown
// tag comes back as a byte block holding the raw piece).
//
// The reader takes its input from a file anyone could have edited: every
// offset and length is checked against the bytes present, nesting is capped,
// and any malformed piece refuses the whole reading.
#include <memory>
#include <vector>

#include "framework/data/Dictionary.h"
#include "framework/data/MemoryBlock.h"
#include "framework/data/Variant.h"

namespace BDictionary {

// Tags of the block kinds (the first two bytes of every block).
namespace Tag {
constexpr uint16_t Integer = 2;
constexpr uint16_t Double = 5;
constexpr uint16_t Datetime = 7;
constexpr uint16_t String = 8;
constexpr uint16_t Boolean = 11;
constexpr uint16_t Color = 16;
constexpr uint16_t Nil = 51;
constexpr uint16_t MemoryBlock = 71;
constexpr uint16_t Dictionary = 91;
constexpr uint16_t FolderItem = 381;
}  // namespace Tag

// Dictionaries nested deeper than this are refused by the writer and the
// reader alike, so neither recursion depends on the input.
constexpr int kMaxNestingDepth = 64;

// The dictionary's block; a nil dictionary gives the nil block 00 33.
// Raises when a key or value cannot be serialised (a kind the format does
// not carry, a dictionary that holds itself, nesting beyond the limit);
// nothing partial is returned.
std::shared_ptr<MemoryBlock> Convert(const std::shared_ptr<Dictionary>& dict);

// The dictionary found in the bytes, or nil when they hold none or hold a
// malformed one. Leading bytes before the outermost dictionary are skipped;
// trailing bytes belong to its last value. Raises NilObjectException for a
// nil block.
std::shared_ptr<Dictionary> Convert(const std::shared_ptr<MemoryBlock>& bytes);

// The block of a dictionary (not nil); raises as Convert does.
std::shared_ptr<MemoryBlock> DictionaryData(const Dictionary& dict);

// The block of one value, or nil when its kind cannot be serialised
// (64-bit integers, singles, currency). Raises for an unserialisable
// dictionary, as DictionaryData does.
std::shared_ptr<MemoryBlock> VariantData(const Variant& value);

// The value a whole block encodes (nil for a nil block). Raises
// UnsupportedFormatException when the block is malformed.
Variant ToVariant(const std::shared_ptr<MemoryBlock>& block);

// A new dictionary from a block that starts with a dictionary block. Raises
// UnsupportedFormatException when it is malformed.
std::shared_ptr<Dictionary> ToDictionary(const MemoryBlock& block);

// One new block holding the bytes of all blocks in order, allocated once,
// with the byte order of the first.
std::shared_ptr<MemoryBlock> JoinMemoryBlocks(const std::vector<std::shared_ptr<MemoryBlock>>& blocks);

}  // namespace BDictionary
