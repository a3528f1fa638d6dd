#include "framework/ui/ResourcesFolder.h"

#include <filesystem>

#include "framework/ui/Application.h"

std::string resourcesFolderFor(const std::string& executablePath) {
    const std::filesystem::path executable(executablePath);
    const std::filesystem::path prefix = executable.parent_path().parent_path();
    const std::filesystem::path installed = prefix / "share" / executable.filename();
    std::error_code ignored;
    if (std::filesystem::is_directory(installed, ignored)) return installed.string();
    return (prefix / "Resources").string();
}

std::string resourcesFolder() { return resourcesFolderFor(Application::ExecutableFilePath()); }
