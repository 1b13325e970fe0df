#pragma once

#include <QColor>
#include <QPalette>

namespace ui {

// 0x00BBGGRR, or 0x80000000 + n for the system colour n, looked up when drawn.
using Color = quint32;

namespace SystemColor {
inline constexpr Color WindowBackground = 0x80000005;
inline constexpr Color WindowText = 0x80000008;
inline constexpr Color ButtonFace = 0x8000000F;
inline constexpr Color ButtonText = 0x80000012;
} // namespace SystemColor

QColor resolve(Color color, const QPalette& palette);

} // namespace ui
