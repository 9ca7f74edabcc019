// The settings record: everything the program remembers between runs, as it
// is kept in memory, with the bits of Flags and their defaults.
#pragma once

#include <cstddef>
#include <cstdint>

// The font settings block: the font chooser edits it in place and the Reading
// view copies it whenever the font changes.
struct FontSettings {
    char16_t FontName[32];  // face name, at most 31 characters; empty until chosen
    int32_t FontSize;       // points; 0 means none chosen
    int32_t FontAsciiBase;  // where the font keeps alef: 0x5D0 (Unicode) or 224 (8-bit)
};

constexpr int kFontNameMax = 31;
constexpr int kSearchStringMax = 33;

struct Settings {
    FontSettings font;
    uint16_t LastPosition;  // the Reading view's top row
    uint32_t Flags;
    uint16_t Lesson;        // current article, 1..57 (0 before the first computation)
    char SearchString[kSearchStringMax + 1];
    int32_t Level;          // "TextLevel": 0 letters only, 1 vowels, 2 vowels and cantillation
    int32_t Zoom;           // the Reading view's size: steps from FontSize through the font chooser's sizes
    int32_t ShowAliyot;     // "ShowAliyot": non-zero names the aliyot beside the text
    int32_t Practice;       // "Practice": non-zero while practice mode is on
    int32_t PracticeLevel;  // "PracticeLevel": what practice shows of a word not yet revealed, 0 or 1 (TextLevel)
};

// A missing "TextLevel" reads as the vowels, the text as it always was; so
// does any value but 0, 1 and 2.
constexpr int32_t kDefaultTextLevel = 1;
inline bool IsTextLevel(int32_t value) { return value >= 0 && value <= 2; }

constexpr uint32_t kFlagPinnedArticle = 0x00000004;
constexpr uint32_t kFlagScrollBarRight = 0x00000040;
constexpr uint32_t kFlagScrollBarLeft = 0x00000080;
constexpr uint32_t kFlagReverse = 0x00000800;
constexpr uint32_t kFlagClickPageVertical = 0x10000000;
constexpr uint32_t kFlagClickPaging = 0x80000000;
constexpr uint32_t kDefaultFlags = 0xD1140040;

constexpr int32_t kDefaultFontAsciiBase = 1488;

// The window has a vertical scroll bar when bit 6 or bit 7 is set.
inline bool HasScrollBar(uint32_t flags) { return (flags & (kFlagScrollBarRight | kFlagScrollBarLeft)) != 0; }
inline int KeyPageStep(uint32_t flags) { return static_cast<int>((flags >> 20) & 7); }
inline int ClickPageStep(uint32_t flags) { return static_cast<int>((flags >> 24) & 7); }
inline bool IsReverseOn(uint32_t flags) { return (flags & kFlagReverse) != 0; }

// Registry names of the settings key, the maker key and their values.
inline constexpr char16_t kSettingsKey[] = u"Software\\Tarnwick\\Velmora";
inline constexpr char16_t kMakerKey[] = u"software\\Tarnwick";

// An integer stored as text: value = value * 10 + (unit - '0') for every code
// unit up to the first zero unit or the end of the data, with no sign and no
// check that a unit is a digit (unsigned arithmetic, so that any text wraps
// instead of overflowing).
int32_t ParseDecimalUnits(const char16_t* units, size_t count);
