// The font chooser's decisions, kept apart from the dialog so that they can
// be checked without a window. The size list's texts and the stored values
// are input: a stored size or base may be any 32-bit value.
#include "dialogs/font_choice.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int32_t kListedSizes[kListedSizeCount] = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 52, 72};
// Only these stored sizes are added to the list when they are not listed.
constexpr int32_t kSmallestAddedSize = 1;
constexpr int32_t kLargestAddedSize = 71;

bool IsListed(int32_t size) {
    for (int32_t listed : kListedSizes) {
        if (listed == size) return true;
    }
    return false;
}

// True when text begins with prefix, as the list's string search compares.
bool BeginsWith(const char16_t* text, const char16_t* prefix) {
    for (; *prefix != 0; ++text, ++prefix) {
        if (*text != *prefix) return false;
    }
    return true;
}

int FirstRowBeginningWith(const SizeList& list, const char16_t* prefix) {
    for (int row = 0; row < list.count; ++row) {
        char16_t text[12];
        FormatDecimal(list.sizes[row], text);
        if (BeginsWith(text, prefix)) return row;
    }
    return -1;
}

}  // namespace

BaseButton ButtonForBase(int32_t base) {
    if (base == kEightBitBase) return BaseButton::Base224;
    if (base == kUnicodeBase) return BaseButton::Base5D0;
    return BaseButton::None;
}

int32_t BaseAtOpening(int32_t base) { return base == 0 ? kUnicodeBase : base; }

SizeList BuildSizeList(int32_t fontSize) {
    SizeList list{};
    const bool add = fontSize >= kSmallestAddedSize && fontSize <= kLargestAddedSize && !IsListed(fontSize);
    bool added = false;
    for (int32_t listed : kListedSizes) {
        if (add && !added && listed > fontSize) {
            list.sizes[list.count++] = fontSize;
            added = true;
        }
        list.sizes[list.count++] = listed;
    }
    list.selected = -1;
    if (fontSize != 0) {
        char16_t text[12];
        FormatDecimal(fontSize, text);
        list.selected = FirstRowBeginningWith(list, text);
    }
    return list;
}

int32_t ZoomedFontSize(int32_t chosen, int32_t current, int steps) {
    const SizeList list = BuildSizeList(chosen);
    int32_t size = current;
    for (; steps > 0; --steps) {
        const int32_t* larger = std::upper_bound(list.sizes, list.sizes + list.count, size);
        if (larger == list.sizes + list.count) break;
        size = *larger;
    }
    for (; steps < 0; ++steps) {
        const int32_t* notSmaller = std::lower_bound(list.sizes, list.sizes + list.count, size);
        if (notSmaller == list.sizes) break;
        size = *(notSmaller - 1);
    }
    return size;
}

int ClampZoom(int32_t chosen, int zoom) {
    const SizeList list = BuildSizeList(chosen);
    const int smaller = static_cast<int>(std::lower_bound(list.sizes, list.sizes + list.count, chosen) - list.sizes);
    const int larger =
        static_cast<int>(list.sizes + list.count - std::upper_bound(list.sizes, list.sizes + list.count, chosen));
    return std::clamp(zoom, -smaller, larger);
}

void FormatDecimal(int32_t value, char16_t (&text)[12]) {
    char16_t digits[11];
    int count = 0;
    // Unsigned, so that the smallest int32 has a magnitude too.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    int length = 0;
    if (value < 0) text[length++] = u'-';
    while (count > 0) text[length++] = digits[--count];
    text[length] = 0;
}

int32_t ReadSizeText(const char16_t* text) {
    constexpr int32_t kLargest = std::numeric_limits<int32_t>::max();
    int32_t value = 0;
    for (; *text >= u'0' && *text <= u'9'; ++text) {
        const int32_t digit = *text - u'0';
        if (value > (kLargest - digit) / 10) return kLargest;
        value = value * 10 + digit;
    }
    return value;
}

void BuildPreviewLetters(int32_t base, char16_t (&letters)[kPreviewLetterCount + 1]) {
    constexpr int32_t kLowest = 1;
    constexpr int32_t kHighest = 0xFFFF - (kPreviewLetterCount - 1);
    if (base < kLowest) base = kLowest;
    if (base > kHighest) base = kHighest;
    for (int i = 0; i < kPreviewLetterCount; ++i) {
        letters[i] = static_cast<char16_t>(base + kPreviewLetterCount - 1 - i);
    }
    letters[kPreviewLetterCount] = 0;
}

std::vector<std::u16string> PreviewLines(int32_t base, bool platformReorders, int width,
                                         const std::function<int(char16_t)>& letterWidth) {
    char16_t visual[kPreviewLetterCount + 1];
    BuildPreviewLetters(base, visual);
    std::vector<std::u16string> lines;
    int used = 0;
    for (int i = kPreviewLetterCount - 1; i >= 0; --i) {
        const int w = letterWidth(visual[i]);
        if (lines.empty() || (used + w > width && !lines.back().empty())) {
            lines.emplace_back();
            used = 0;
        }
        lines.back() += visual[i];
        used += w;
    }
    if (!platformReorders) {
        for (std::u16string& line : lines) std::reverse(line.begin(), line.end());
    }
    return lines;
}

BaseButton ButtonAfterListChange(BaseButton checked, bool faceSelectionChanged, int faceCharset) {
    if (faceSelectionChanged && faceCharset == kHebrewCharset) return BaseButton::Base5D0;
    return checked;
}

void CommitFontChoice(FontSettings& settings, const FontChoice& choice, BaseButton checked) {
    if (choice.height != 0) settings.FontSize = choice.height;
    if (checked == BaseButton::Base224) settings.FontAsciiBase = kEightBitBase;
    if (checked == BaseButton::Base5D0) settings.FontAsciiBase = kUnicodeBase;
    if (choice.face[0] != 0) CopyFaceName(settings.FontName, choice.face, kFontNameMax + 1);
}

void CopyFaceName(char16_t (&target)[kFontNameMax + 1], const char16_t* source, size_t capacity) {
    size_t length = 0;
    for (; length < kFontNameMax && length < capacity && source[length] != 0; ++length) target[length] = source[length];
    target[length] = 0;
}
