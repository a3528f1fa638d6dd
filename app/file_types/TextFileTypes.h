#pragma once
// The kinds of text document the program reads: plain text, text clippings
// dragged out of other programs, and RTF.
#include <memory>

#include "framework/files/FileType.h"

namespace TextFileTypes {

extern std::unique_ptr<FileType> pText;
extern std::unique_ptr<FileType> pTextClipping;
extern std::unique_ptr<FileType> pTexEdit;
extern std::unique_ptr<FileType> pTextReadOnly;
extern std::unique_ptr<FileType> pRTFFile;

void _Initialize();
// Releases the types in registration order, withdrawing each registration.
void _Release();

}  // namespace TextFileTypes
