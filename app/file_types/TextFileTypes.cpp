#include "app/file_types/TextFileTypes.h"

#include "app/file_types/RegisterFileType.h"

namespace TextFileTypes {

std::unique_ptr<FileType> pText;
std::unique_ptr<FileType> pTextClipping;
std::unique_ptr<FileType> pTexEdit;
std::unique_ptr<FileType> pTextReadOnly;
std::unique_ptr<FileType> pRTFFile;

void _Initialize() {
    registerFileType(pText, "Text", "txt;text;TEXT;TXT", "text", "laWi");
    // The clipping's extension keeps its leading dot; the registry ignores it
    // when matching names, so "x.textClipping" is still recognised.
    registerFileType(pTextClipping, "Text Clipping", ".textClipping", "clpt", "????");
    registerFileType(pTexEdit, "TexEdit", "", "TEXT", "laWi");
    registerFileType(pTextReadOnly, "Text Read Only", "", "ttro", "ttxt");
    registerFileType(pRTFFile, "RTF File", "RTF;rtf", "RTFf", "????");
}

void _Release() {
    pText.reset();
    pTextClipping.reset();
    pTexEdit.reset();
    pTextReadOnly.reset();
    pRTFFile.reset();
}

}  // namespace TextFileTypes
