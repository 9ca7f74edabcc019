// The font chooser's decisions that need no window: the size list and its
// selection, the reading of a size text, the preview letters for a base, the
// radio button after a face change and what OK writes into the settings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings.h"

constexpr int32_t kUnicodeBase = 0x5D0;
constexpr int32_t kEightBitBase = 224;
constexpr int kHebrewCharset = 177;
constexpr int kPreviewLetterCount = 27;

// The radio button that shows a base; 97 and other values check none.
enum class BaseButton { None, Base224, Base5D0 };
BaseButton ButtonForBase(int32_t base);

// A base of 0 becomes the Unicode base when the dialog opens.
int32_t BaseAtOpening(int32_t base);

// The listed sizes, and a stored size from 1 to 71 that is not one of them
// in its place; selected is the first row that begins with the stored size's
// decimal text (-1 for none, and always none for a size of 0).
constexpr int kListedSizeCount = 14;
struct SizeList {
    int32_t sizes[kListedSizeCount + 1];
    int count;
    int selected;
};
SizeList BuildSizeList(int32_t fontSize);

// Zooming: the size steps sizes on from current through the size list of the
// chosen size (BuildSizeList), larger for positive steps, smaller for
// negative ones, and stops at the list's ends; with 0 steps, or a current
// size beyond the end it would step towards, it stays.
int32_t ZoomedFontSize(int32_t chosen, int32_t current, int steps);

// A zoom (steps from the chosen size, as ZoomedFontSize takes them) limited
// to the steps that change the size: no further than the list's ends.
int ClampZoom(int32_t chosen, int zoom);

// Decimal text of a number, as "%d" writes it (at most 11 units and a zero).
void FormatDecimal(int32_t value, char16_t (&text)[12]);

// A size row's text as a number: its leading digits; a text that starts with
// anything else gives 0, and the value stops growing at the largest int32.
int32_t ReadSizeText(const char16_t* text);

// The 27 letters from base + 26 down to base + 0 (tav first, alef last), so
// that a right-aligned field shows alef at the right. The base is clamped so
// that every letter is a non-zero 16-bit unit.
void BuildPreviewLetters(int32_t base, char16_t (&letters)[kPreviewLetterCount + 1]);

// The preview's lines: the 27 letters from alef on in reading order, as many
// to a line as fit width (letterWidth measures one; every line takes at least
// one), each line in the order the preview field lays it out: as it stands
// where the platform lays the letters out right to left itself, otherwise
// turned round, so that alef stands at the right of the first line.
std::vector<std::u16string> PreviewLines(int32_t base, bool platformReorders, int width,
                                         const std::function<int(char16_t)>& letterWidth);

// The size a first start preselects: one that reads well on the screen.
constexpr int32_t kFirstStartSize = 24;

// The radio button after a list notification: a newly selected face of the
// Hebrew character set checks "5D0"; nothing else changes the choice.
BaseButton ButtonAfterListChange(BaseButton checked, bool faceSelectionChanged, int faceCharset);

// The chosen face (empty = none) and height (0 = none), as read from the lists.
struct FontChoice {
    char16_t face[kFontNameMax + 1];
    int32_t height;
};

// OK: a non-zero height becomes FontSize, a checked button sets
// FontAsciiBase (neither checked keeps it), a non-empty face becomes FontName.
void CommitFontChoice(FontSettings& settings, const FontChoice& choice, BaseButton checked);

// Copies a face name of at most capacity units (it need not be terminated
// within them), cut to 31 units.
void CopyFaceName(char16_t (&target)[kFontNameMax + 1], const char16_t* source, size_t capacity);
