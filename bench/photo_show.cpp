// Showing a recipe's stored 12-megapixel photo (4000 x 3000 JPEG) in the
// main window's photo area, 118 x 118 pixels as laid out. "Whole" decodes the
// whole picture and draws it scaled down, as every recipe selection once did;
// "AtDrawnSize" is what the photo area does now: the stored bytes decoded at
// the size they are drawn at, then drawn unscaled. Each figure is also given
// as a ratio to copying the stored bytes, measured in the same run, with
// the peak resident memory of the run.
#include "bench/BenchSupport.h"
#include "bench/OffscreenMain.h"
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "recipe_window/PhotoScaling.h"
#include "recipe_window/ShownPhoto.h"

namespace {

constexpr int32_t kCanvas = 118;

// A photo with detail everywhere, so the JPEG is as large as a camera's.
const std::string& storedPhoto() {
    static const std::string bytes = [] {
        std::shared_ptr<Picture> p = NewPicture(4000, 3000);
        ::Graphics& g = *p->Graphics();
        for (int32_t x = 0; x < 4000; ++x) {
            const uint32_t u = static_cast<uint32_t>(x);  // wraps, as the colour wants
            g.ForeColor = ((u * 0x3B7) ^ (u * u * 0x1F00) ^ (u << 17)) & 0xFFFFFF;
            g.DrawLine(x, (x * 7) % 3000, x, 2999);
        }
        return p->toJPEG(90);
    }();
    return bytes;
}

template <class Work>
void measure(benchmark::State& state, Work work) {
    const std::string& bytes = storedPhoto();
    std::shared_ptr<Picture> canvas = NewPicture(kCanvas, kCanvas);
    double workSeconds = 0, copySeconds = 0;
    bench::resetPeakResident();
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        std::string copy(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        auto t1 = std::chrono::steady_clock::now();
        work(bytes, *canvas->Graphics());
        auto t2 = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(t2 - t1).count();
        workSeconds += seconds;
        copySeconds += std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MB"] = bench::peakResidentMB();
    state.counters["jpeg_bytes"] = static_cast<double>(bytes.size());
    state.counters["ratio_to_copy"] = copySeconds > 0 ? workSeconds / copySeconds : 0;
}

void BM_ShowPhoto12MPWhole(benchmark::State& state) {
    measure(state, [](const std::string& bytes, ::Graphics& g) {
        std::shared_ptr<Picture> picture = Picture::fromData(bytes);
        const PhotoPlacement at = placePhoto(picture->Width(), picture->Height(), kCanvas, kCanvas);
        g.DrawPicture(picture, at.x, at.y, at.width, at.height, 0, 0, picture->Width(), picture->Height());
    });
}
BENCHMARK(BM_ShowPhoto12MPWhole)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ShowPhoto12MPAtDrawnSize(benchmark::State& state) {
    measure(state, [](const std::string& bytes, ::Graphics& g) {
        ShownPhoto photo;
        photo.setStored(bytes);
        std::shared_ptr<Picture> picture = photo.forCanvas(kCanvas, kCanvas);
        const PhotoPlacement at = placePhoto(photo.fullWidth(), photo.fullHeight(), kCanvas, kCanvas);
        g.DrawPicture(picture, at.x, at.y, at.width, at.height, 0, 0, picture->Width(), picture->Height());
    });
}
BENCHMARK(BM_ShowPhoto12MPAtDrawnSize)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarksOffscreen(argc, argv); }
