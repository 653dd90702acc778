// Platform-neutral types shared by the services of the platform layer.
#pragma once

#include <cstdint>

namespace tiklet {

// Opaque handles: the real backend stores its HWND / HINSTANCE in them, the
// fake backend any distinct value.
using WindowHandle = void*;
using InstanceHandle = void*;

// Message arguments with the widths of a 64-bit Windows build.
using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// 32-bit colour: red in bits 0-7, green in 8-15, blue in 16-23.
using Colour = std::uint32_t;

}  // namespace tiklet
