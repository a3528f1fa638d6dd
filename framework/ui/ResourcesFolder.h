#pragma once
// Where the application's own resources (help pages, pictures) are, found
// from the executable's place: installed as a Linux desktop expects,
// <prefix>/share/<program>/ beside <prefix>/bin/<program>; in the build
// tree, Resources/ beside bin/.
#include <string>

std::string resourcesFolderFor(const std::string& executablePath);

// The folder for the running executable.
std::string resourcesFolder();
