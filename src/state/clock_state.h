// The clock's whole lasting state: one record and four statics beside it,
// living for the whole process.
#pragma once

#include <cstdint>
#include <string>

namespace tiklet {

using AnsiString = std::string;  // 8-bit text in the system's ANSI code page

struct TClockState {
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint32_t fontColor = 0;
    std::uint32_t startColor = 0;
    std::uint32_t endColor = 0;
    std::uint16_t style = 0;
    std::uint16_t format = 0;
    std::uint16_t fontHeight = 0;
    std::uint16_t fontWeight = 0;
    AnsiString fontName;
    AnsiString clockText;
    AnsiString hourText;
    AnsiString minuteText;
    AnsiString secondText;
    AnsiString dayText;
    AnsiString monthText;
    AnsiString yearText;
    AnsiString candidateName;
    AnsiString nextAlarmName;
    AnsiString candidateText;
    AnsiString nextAlarmText;
    AnsiString hourlyText;
    std::uint8_t italic = 0;
    std::uint8_t hourlyEnabled = 0;
    std::uint8_t hourlyArmed = 0;
    std::uint16_t nowYear = 0, nowMonth = 0, nowDay = 0, nowHour = 0, nowMinute = 0, nowSecond = 0, nowMsec = 0;
    std::uint16_t alarmYear = 0, alarmMonth = 0, alarmDay = 0, alarmHour = 0, alarmMinute = 0, alarmSecond = 0,
                  alarmMsec = 0;
    std::int32_t dragAnchorX = 0;
    std::int32_t dragAnchorY = 0;
};

extern TClockState ClockState;
extern std::uint16_t transparency;  // opacity in percent
extern AnsiString dayNames[7];      // Sunday first
extern AnsiString monthNames[12];   // January first
extern std::uint8_t dragging;       // a left-button drag is in progress

// The settings key under HKEY_CURRENT_USER.
extern const char* const kSettingsKey;

// Reads the thirteen settings values into ClockState, transparency and the
// name tables, each stored before the next is read. Raises
// ERegistryException for a missing or mistyped value.
void ReadSettings();

// Puts the English names back into the tables (as at process start).
void UseEnglishNames();
// The Russian names, in the Windows-1251 code page.
void UseRussianNames();

}  // namespace tiklet
