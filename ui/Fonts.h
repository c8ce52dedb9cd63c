#pragma once

#include <QFont>

namespace quorvel::ui {

// Verdana where the desktop has it, DejaVu Sans in its place otherwise; sizes
// in pixels, as the layout was made at 96 dots per inch.
QFont gameFont(int pixelSize, bool bold = false);

inline constexpr int WindowTextPixels = 13;
inline constexpr int AboutTextPixels = 11;

} // namespace quorvel::ui
