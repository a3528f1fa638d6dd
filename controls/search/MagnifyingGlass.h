#pragma once
// The magnifying-glass picture drawn at the left end of the search pill
// (16 x 16, our own drawing, MagnifyingGlass.png among the resources). Loaded on first
// use and kept until the release at exit (a use after that loads it again);
// nullptr when the file cannot be read, in which case the pill is drawn
// without it (and the next use tries again).
#include <memory>

class Picture;

std::shared_ptr<Picture> MagnifyingGlass();
void releaseMagnifyingGlass();
