#pragma once
// The program's own picture for the about window: drawn here, once, on
// first use, and kept until the release at exit. It fills the about window,
// whose texts are laid over it.
#include <cstdint>
#include <memory>

class Picture;

constexpr int32_t kSplashWidth = 500;
constexpr int32_t kSplashHeight = 385;

std::shared_ptr<Picture> larderwiseSplash();
void releaseLarderwiseSplash();
