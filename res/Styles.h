#pragma once

#include <cstdint>

// Window style bits as Windows defines them. The templates carry complete styles, so
// the Windows build can write them into its resource script unchanged and the host
// reads the same bits.
namespace res::style {

// Every window.
inline constexpr std::uint32_t kWsPopup = 0x80000000u;
inline constexpr std::uint32_t kWsChild = 0x40000000u;
inline constexpr std::uint32_t kWsVisible = 0x10000000u;
inline constexpr std::uint32_t kWsDisabled = 0x08000000u;
inline constexpr std::uint32_t kWsCaption = 0x00C00000u;
inline constexpr std::uint32_t kWsBorder = 0x00800000u;
inline constexpr std::uint32_t kWsVScroll = 0x00200000u;
inline constexpr std::uint32_t kWsHScroll = 0x00100000u;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000u;
inline constexpr std::uint32_t kWsGroup = 0x00020000u;
inline constexpr std::uint32_t kWsTabStop = 0x00010000u;
inline constexpr std::uint32_t kWsMinimizeBox = 0x00020000u;  // same bit as kWsGroup, on frames
inline constexpr std::uint32_t kWsMaximizeBox = 0x00010000u;  // same bit as kWsTabStop, on frames

// Dialog frames.
inline constexpr std::uint32_t kDsSetFont = 0x00000040u;
inline constexpr std::uint32_t kDsModalFrame = 0x00000080u;

// Extended styles.
inline constexpr std::uint32_t kWsExAppWindow = 0x00040000u;

// Buttons: the low four bits say which kind.
inline constexpr std::uint32_t kBsPushButton = 0x0u;
inline constexpr std::uint32_t kBsDefPushButton = 0x1u;
inline constexpr std::uint32_t kBsCheckBox = 0x2u;
inline constexpr std::uint32_t kBsAutoCheckBox = 0x3u;
inline constexpr std::uint32_t kBsRadioButton = 0x4u;
inline constexpr std::uint32_t kBsGroupBox = 0x7u;
inline constexpr std::uint32_t kBsAutoRadioButton = 0x9u;
inline constexpr std::uint32_t kBsTypeMask = 0xFu;

// Static controls.
inline constexpr std::uint32_t kSsLeft = 0x0u;
inline constexpr std::uint32_t kSsIcon = 0x3u;
inline constexpr std::uint32_t kSsTypeMask = 0x1Fu;
inline constexpr std::uint32_t kSsNoPrefix = 0x80u;

// Edit fields.
inline constexpr std::uint32_t kEsLeft = 0x0u;
inline constexpr std::uint32_t kEsAutoHScroll = 0x80u;
inline constexpr std::uint32_t kEsReadOnly = 0x800u;

// Combo boxes.
inline constexpr std::uint32_t kCbsDropDownList = 0x3u;
inline constexpr std::uint32_t kCbsSort = 0x100u;

// List views.
inline constexpr std::uint32_t kLvsReport = 0x1u;
inline constexpr std::uint32_t kLvsSingleSel = 0x4u;
inline constexpr std::uint32_t kLvsShowSelAlways = 0x8u;

// Sliders (trackbars).
inline constexpr std::uint32_t kTbsHorz = 0x0u;
inline constexpr std::uint32_t kTbsNoTicks = 0x10u;

}  // namespace res::style
