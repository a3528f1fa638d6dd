#pragma once
// Reads RTF into a StyledText: our own writer's output, RTF stored by the old
// Mac platform (\mac, \ansicpg10000 and \'hh in Mac Roman), word processors'
// files and the macOS text editor's (\cocoartf, \uc0\u8232).
//
// Tolerant: unknown control words are ignored, unknown and \* destinations
// are skipped, a truncated file gives what was read up to its end. Safe on
// any bytes: nothing is read outside the input, every step consumes input,
// nesting deeper than a fixed limit is skipped, \binN skips at most what is
// left. Only input that does not open with "{\rtf" (after white space) is
// refused, with nullopt.
#include <optional>
#include <string_view>

#include "framework/text/StyledText.h"

// `skippedTooDeep`, when given, tells whether any group nested past the limit
// was skipped: content the reader could not read, unlike a document that
// simply holds no characters.
std::optional<StyledText> readRtf(std::string_view rtf, bool* skippedTooDeep = nullptr);

// True when the text opens with "{\rtf" after white space (and a UTF-8 byte
// order mark): an RTF document, not text that merely mentions RTF.
bool opensAsRtf(std::string_view rtf);
