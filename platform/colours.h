// Colours as the screens store them: 0xBBGGRR, or a system colour with the high bit set.
#pragma once

#include <QColor>
#include <cstdint>

namespace platform {

inline constexpr std::uint32_t kSystemWindowColour = 0x80000005;
inline constexpr std::uint32_t kSystemButtonFace = 0x8000000F;
inline constexpr std::uint32_t kSystemWindowText = 0x80000008;
inline constexpr std::uint32_t kSystemButtonText = 0x80000012;

QColor toQColor(std::uint32_t bbggrr);

} // namespace platform
