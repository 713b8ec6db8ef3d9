#pragma once

#include <cstdint>

// The option flags of a web view, fixed when it is made. Our own engine
// heeds NoScrollBars and NoImages; it never has a context menu, active
// content, a cache or navigation to turn off. The others are for the
// system browser's host.
namespace WebViewOption {
constexpr uint32_t NoContextMenu = 0x1;
constexpr uint32_t NoScrollBars = 0x2;
constexpr uint32_t DialogFrame = 0x4;
constexpr uint32_t NoActiveContent = 0x8;
constexpr uint32_t NoImages = 0x10;
constexpr uint32_t NoVideos = 0x20;
constexpr uint32_t NoBackgroundSounds = 0x40;
constexpr uint32_t NoCache = 0x80;
constexpr uint32_t BlankOnly = 0x100;
} // namespace WebViewOption
