#pragma once
// The picture files a recipe photo can come from.
#include <memory>

#include "framework/files/FileType.h"

namespace imageFileTypes {

extern std::unique_ptr<FileType> pImageJpeg;
extern std::unique_ptr<FileType> pImageGif;
extern std::unique_ptr<FileType> pImagePng;
extern std::unique_ptr<FileType> pImageTiff;
extern std::unique_ptr<FileType> pImagePict;
extern std::unique_ptr<FileType> pImageBmp;

void _Initialize();
void _Release();

}  // namespace imageFileTypes
