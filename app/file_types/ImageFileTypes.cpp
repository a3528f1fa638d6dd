#include "app/file_types/ImageFileTypes.h"

#include "app/file_types/RegisterFileType.h"

namespace imageFileTypes {

std::unique_ptr<FileType> pImageJpeg;
std::unique_ptr<FileType> pImageGif;
std::unique_ptr<FileType> pImagePng;
std::unique_ptr<FileType> pImageTiff;
std::unique_ptr<FileType> pImagePict;
std::unique_ptr<FileType> pImageBmp;

void _Initialize() {
    // Three-letter Mac types are kept as they were declared; BMP has no
    // extension and is known by its Mac type only (pictures are read by
    // content anyway).
    registerFileType(pImageJpeg, "image/jpeg", "jpg;jpeg", "JPEG", "");
    registerFileType(pImageGif, "image/gif", "gif", "GIF", "");
    registerFileType(pImagePng, "image/png", "png", "PNG", "");
    registerFileType(pImageTiff, "image/tiff", "tiff;tif", "TIFF", "");
    registerFileType(pImagePict, "image/x-pict", "pict", "PICT", "");
    registerFileType(pImageBmp, "image/bmp", "", "BMP", "");
}

void _Release() {
    pImageJpeg.reset();
    pImageGif.reset();
    pImagePng.reset();
    pImageTiff.reset();
    pImagePict.reset();
    pImageBmp.reset();
}

}  // namespace imageFileTypes
