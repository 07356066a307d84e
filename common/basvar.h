#pragma once

// The one value that windows share: the pi with which the figure formulas compute. Every figure
// calculator sets it when it opens and the menu's options panel sets it on every change of its
// decimals; the formulas that name pi read it when they compute. The last write wins.
namespace basVar {

inline double Pi = 0.0;

// The value that a figure calculator sets when it opens: pi to nine decimals.
inline constexpr double kCalculatorPi = 3.141592654;

}  // namespace basVar
