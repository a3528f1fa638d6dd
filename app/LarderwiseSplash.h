#pragma once
// The program's own picture for the about window: drawn here, once, on
// first use, and kept until the release at exit.
#include <memory>

class Picture;

std::shared_ptr<Picture> larderwiseSplash();
void releaseLarderwiseSplash();
