#pragma once
// The magnifying-glass picture drawn at the left end of the search pill
// (16 x 16, our own drawing, Resources/MagnifyingGlass.png). Loaded on first
// use and kept until the program ends; nullptr when the file cannot be read,
// in which case the pill is drawn without it.
#include <memory>

class Picture;

std::shared_ptr<Picture> MagnifyingGlass();
