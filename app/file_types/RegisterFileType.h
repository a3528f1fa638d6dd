#pragma once
// The one way the file-type sets build their types: a new type with its four
// properties set in the order the registry expects, then its string form
// taken, which registers it. The previous holder of the global, if any, is
// released first, withdrawing its registration.
#include <memory>
#include <string>

#include "framework/files/FileType.h"

void registerFileType(std::unique_ptr<FileType>& global, const std::string& name, const std::string& extensions,
                      const std::string& macType, const std::string& macCreator);
