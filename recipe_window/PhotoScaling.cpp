#include "recipe_window/PhotoScaling.h"

#include <algorithm>

#include "framework/runtime/Numbers.h"

PhotoPlacement placePhoto(int32_t pw, int32_t ph, int32_t cw, int32_t ch) {
    if (pw <= cw && ph <= ch)
        return {toInt32((cw - pw) / 2.0), toInt32((ch - ph) / 2.0), pw, ph};
    const double s = std::min(static_cast<double>(cw) / pw, static_cast<double>(ch) / ph);
    return {toInt32((cw - pw * s) / 2), toInt32((ch - ph * s) / 2), toInt32(pw * s), toInt32(ph * s)};
}
