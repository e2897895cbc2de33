#pragma once

#include <cstdint>

// The program's colours as 0xRRGGBB: the window layout, the widget kinds and the pictures drawn for
// them all take their colours from here.
namespace kalmoro::palette {

inline constexpr std::uint32_t kOrange = 0xF37E00; // captions, results, icons
inline constexpr std::uint32_t kBarOrange = 0xFF9B00; // bars, frames, the current page header, button faces
inline constexpr std::uint32_t kSkinFrame = 0xFF9C03; // the page frame of the window skin
inline constexpr std::uint32_t kGrey = 0x999999; // unselected captions and icons
inline constexpr std::uint32_t kHintGrey = 0x606060; // hints beside the inputs
inline constexpr std::uint32_t kGreen = 0x339900; // hover faces and second-kind captions
inline constexpr std::uint32_t kFaceGreen = 0x3FA010; // green button faces
inline constexpr std::uint32_t kYellowGreen = 0xD6FF40; // pressed caption on a green face
inline constexpr std::uint32_t kDarkGreen = 0x006600; // copper total, return vent price, copper hints
inline constexpr std::uint32_t kDarkRed = 0xAA1414; // pressed title-bar symbols
inline constexpr std::uint32_t kRed = 0xFF0000; // the futures price
inline constexpr std::uint32_t kSlate = 0x324458; // the about page's text
inline constexpr std::uint32_t kDarkGrey = 0x404040; // the product name, page header captions
inline constexpr std::uint32_t kHeaderGround = 0xF5F5F5; // the strip behind plain page headers
inline constexpr std::uint32_t kHeaderLine = 0xC8C8C8; // the lines of plain page headers
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;

} // namespace kalmoro::palette
