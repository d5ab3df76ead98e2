// Window measures: the game states them in twips; Qt works in logical pixels (1440 / 96 dpi).
#pragma once

#include <QRect>

#include <cmath>

inline constexpr double TwipsPerPixel = 15.0;

inline int Px(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }
inline double Twips(int px) { return px * TwipsPerPixel; }
inline QRect TwipsRect(double left, double top, double width, double height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}
