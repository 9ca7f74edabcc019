// The chooser's list of typefaces. Blocks are filled in order, so the entries
// of one block all come before the next block's first entry in the list; a
// block is released once the walk has passed all of its entries.
#include "dialogs/font_list.h"

#include <cstring>

#include "dialogs/font_choice.h"

bool AppendFontEntry(FontList& list, const char16_t* face, size_t capacity, uint8_t charset, BlockAllocator allocate) {
    if (list.left == 0) {
        auto* block = static_cast<FontListEntry*>(allocate(sizeof(FontListEntry) * kFontBlockEntries));
        if (block == nullptr) return false;
        std::memset(block, 0, sizeof(FontListEntry) * kFontBlockEntries);
        block->blockStart = 1;
        list.block = block;
        list.left = kFontBlockEntries;
    }
    FontListEntry* entry = list.block + (kFontBlockEntries - list.left);
    --list.left;
    CopyFaceName(entry->faceName, face, capacity);
    entry->charset = charset;
    if (list.tail != nullptr) list.tail->next = entry;
    else list.head = entry;
    list.tail = entry;
    return true;
}

static bool SameFace(const char16_t* a, const char16_t* b) {
    for (; *a != 0 && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

FontListEntry* FindFontEntry(const FontList& list, const char16_t* face) {
    for (FontListEntry* entry = list.head; entry != nullptr; entry = entry->next) {
        if (SameFace(entry->faceName, face)) return entry;
    }
    return nullptr;
}

bool AddReportedFace(FontList& list, const char16_t* face, size_t capacity, uint8_t charset, BlockAllocator allocate) {
    if (capacity > 0 && face[0] == u'@') return true;
    char16_t name[kFontNameMax + 1];
    CopyFaceName(name, face, capacity);
    if (FontListEntry* known = FindFontEntry(list, name)) {
        if (charset == kHebrewCharset) known->charset = charset;
        return true;
    }
    return AppendFontEntry(list, name, kFontNameMax + 1, charset, allocate);
}

// Faces with the Hebrew letters and points, TrueType so that they print too:
// those of Windows' Hebrew support first, then those of the free Hebrew fonts.
constexpr const char16_t* kPreferredHebrewFaces[] = {
    u"David", u"Frank Ruehl CLM", u"Ezra SIL", u"Times New Roman", u"Arial", u"DejaVu Sans",
};

std::u16string FirstStartFace(const FontList& list, const FacePredicate& drawsLetters, const FacePredicate& showsMarks) {
    for (const char16_t* preferred : kPreferredHebrewFaces) {
        if (FindFontEntry(list, preferred) != nullptr && drawsLetters(preferred) && showsMarks(preferred)) {
            return preferred;
        }
    }
    for (const char16_t* preferred : kPreferredHebrewFaces) {
        if (FindFontEntry(list, preferred) != nullptr && drawsLetters(preferred)) return preferred;
    }
    for (const FontListEntry* entry = list.head; entry != nullptr; entry = entry->next) {
        if (entry->charset == kHebrewCharset) return entry->faceName;
    }
    for (const FontListEntry* entry = list.head; entry != nullptr; entry = entry->next) {
        if (drawsLetters(entry->faceName)) return entry->faceName;
    }
    return {};
}

void ReleaseFontEntries(FontList& list, BlockReleaser release) {
    FontListEntry* passedBlock = nullptr;
    for (FontListEntry* entry = list.head; entry != nullptr; entry = entry->next) {
        if (!entry->blockStart) continue;
        if (passedBlock != nullptr) release(passedBlock);
        passedBlock = entry;
    }
    if (passedBlock != nullptr) release(passedBlock);
    list = FontList{};
}
