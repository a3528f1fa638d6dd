#include "app/file_types/FileTypeSets.h"

#include "app/file_types/DatabaseFileTypes.h"
#include "app/file_types/ImageFileTypes.h"
#include "app/file_types/PrefsFileTypes.h"
#include "app/file_types/TextFileTypes.h"

void _InitFileTypes() {
    TextFileTypes::_Initialize();
    DatabaseFileTypes::_Initialize();
    imageFileTypes::_Initialize();
    Prefs::_Initialize();
}

void releaseFileTypes() {
    TextFileTypes::_Release();
    DatabaseFileTypes::_Release();
    imageFileTypes::_Release();
    Prefs::_Release();
}
