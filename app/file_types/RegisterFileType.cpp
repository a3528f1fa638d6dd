#include "app/file_types/RegisterFileType.h"

void registerFileType(std::unique_ptr<FileType>& global, const std::string& name, const std::string& extensions,
                      const std::string& macType, const std::string& macCreator) {
    global.reset();
    global = std::make_unique<FileType>();
    global->setName(name);
    global->setExtensions(extensions);
    global->setMacType(macType);
    global->setMacCreator(macCreator);
    (void)global->toString();  // registers; the name itself is not kept
}
