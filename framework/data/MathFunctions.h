#pragma once
// The old framework's numeric functions, with its rules spelled out where
// C++ differs: Round halves away from zero (2.5 -> 3, -2.5 -> -3).
#include <algorithm>
#include <cmath>

inline double Abs(double v) { return std::fabs(v); }
inline double Round(double v) { return std::round(v); }
inline double Floor(double v) { return std::floor(v); }
inline double Ceil(double v) { return std::ceil(v); }
inline double Sqrt(double v) { return std::sqrt(v); }
inline double Pow(double base, double exponent) { return std::pow(base, exponent); }
inline double Exp(double v) { return std::exp(v); }
inline double Log(double v) { return std::log(v); }
inline double Sin(double v) { return std::sin(v); }
inline double Cos(double v) { return std::cos(v); }
inline double Tan(double v) { return std::tan(v); }
inline double Atan(double v) { return std::atan(v); }
inline double Atan2(double y, double x) { return std::atan2(y, x); }
template <class T>
T Max(T a, T b) { return std::max(a, b); }
template <class T>
T Min(T a, T b) { return std::min(a, b); }
