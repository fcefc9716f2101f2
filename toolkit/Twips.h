// Positions and sizes are kept as the windows were designed: single-precision
// twips. The screen works in logical pixels, 15 twips each.
#pragma once

#include <algorithm>
#include <cmath>

namespace forma {

inline constexpr float TwipsPerPixel = 15.0f;

// Beyond the widest geometry a widget can take (Qt's 2^24 - 1 pixels) a place
// or size stays at that limit: the twips keep their value, the pixels stay in
// range whatever the twips grew to (even infinity).
inline constexpr float PixelMassimi = 16777215.0f;

inline int pixel(float twips) {
    const float p = twips / TwipsPerPixel;
    if (std::isnan(p)) return 0;
    return static_cast<int>(std::lround(std::clamp(p, -PixelMassimi, PixelMassimi)));
}
inline float twips(int pixel) { return static_cast<float>(pixel) * TwipsPerPixel; }
inline float twips(double pixel) { return static_cast<float>(pixel * TwipsPerPixel); }

// A font size in points as a pixel size (20 twips per point).
inline int pixelDaPunti(float punti) {
    return static_cast<int>(std::lround(punti * 20.0f / TwipsPerPixel));
}

}  // namespace forma
