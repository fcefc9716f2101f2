// Positions and sizes are kept as the windows were designed: single-precision
// twips. The screen works in logical pixels, 15 twips each.
#pragma once

#include <cmath>

namespace forma {

inline constexpr float TwipsPerPixel = 15.0f;

inline int pixel(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }
inline float twips(int pixel) { return static_cast<float>(pixel) * TwipsPerPixel; }
inline float twips(double pixel) { return static_cast<float>(pixel * TwipsPerPixel); }

// A font size in points as a pixel size (20 twips per point).
inline int pixelDaPunti(float punti) {
    return static_cast<int>(std::lround(punti * 20.0f / TwipsPerPixel));
}

}  // namespace forma
