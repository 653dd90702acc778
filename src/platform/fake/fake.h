// Control of the in-memory backend, for tests: the registry tree with fault
// injection, the settable clock, and the records of launches, reports, window
// calls and drawing calls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/datetime.h"
#include "platform/registry.h"
#include "platform/types.h"

namespace tiklet::fake {

// Everything back to a fresh process: empty registry, no faults, clock at
// 1 January 2001 00:00:00, no records.
void ResetAll();

// ---- Registry. Paths are relative to HKEY_CURRENT_USER, without a leading
// backslash, compared without regard to case like the real store; values keep
// their type and raw bytes and are listed in the order they were added.
void SetRawValue(const std::string& key, const std::string& name, std::uint32_t type, const std::string& bytes);
void SetDword(const std::string& key, const std::string& name, std::uint32_t value);
// Stores `text` with its terminating NUL, as REG_SZ unless told otherwise.
void SetString(const std::string& key, const std::string& name, const std::string& text,
               std::uint32_t type = kRegSz);
bool GetRawValue(const std::string& key, const std::string& name, std::uint32_t& type, std::string& bytes);
void DeleteValue(const std::string& key, const std::string& name);
void DeleteKey(const std::string& key);  // with its subkeys
bool KeyExists(const std::string& key);
std::vector<std::string> ValueNames(const std::string& key);
// Faults: a key that can be neither opened nor created; a value (or, with an
// empty name, every value of the key) whose writes are refused.
void FailOpen(const std::string& key);
void FailWrite(const std::string& key, const std::string& name = "");
int OpenKeyHandles();  // keys opened and not yet closed

// ---- Clock.
void SetNow(TDateTime moment);
void SetNow(int year, int month, int day, int hour, int minute, int second, int millisecond = 0);
void Advance(std::int64_t milliseconds);
TDateTime CurrentMoment();

// ---- Launches through the shell.
struct Launch {
    WindowHandle owner = nullptr;
    std::string verb;
    std::string file;
    bool hasParameters = false;
    std::string parameters;
};
std::vector<Launch>& Launches();

// ---- Problems reported on the error and debugger output.
std::vector<std::string>& Reports();

// ---- Drawing. Every call is recorded; objects are counted; rows and text
// anchors are rasterised into a canvas.
struct GdiCall {
    std::string op;
    std::vector<long long> args;
    std::string text;
};
std::vector<GdiCall>& GdiCalls();
struct GdiCounts {
    int pensCreated = 0, pensDeleted = 0;
    int fontsCreated = 0, fontsDeleted = 0;
    int deletedWhileSelected = 0;  // objects deleted while still in a surface
    int paintsBegun = 0, paintsEnded = 0;
};
const GdiCounts& Counts();
struct TextDraw {
    int x = 0, y = 0;
    Colour colour = 0;
    std::string text;
    std::string face;
    int fontHeight = 0;
};
const std::vector<TextDraw>& TextDraws();
// The canvas each paint draws on; pixels start as `background`.
void SetCanvas(int width, int height, Colour background = 0xFFFFFFFF);
Colour Pixel(int x, int y);

}  // namespace tiklet::fake
