// The typefaces gathered for the font chooser: a singly linked list in the
// order they were reported, its entries taken from blocks of 25 that are
// released as a whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "settings/settings.h"

struct FontListEntry {
    FontListEntry* next;
    char16_t faceName[kFontNameMax + 1];
    uint8_t charset;     // from the typeface's text metrics
    uint8_t blockStart;  // 1 on the first entry of each block
    uint8_t cantillation;  // kMarksUnknown until the face has been measured
};

// Whether a listed face draws the marks of the cantillation, measured when
// its row is first drawn.
constexpr uint8_t kMarksUnknown = 0, kMarksMissing = 1, kMarksShown = 2;

constexpr int kFontBlockEntries = 25;

struct FontList {
    FontListEntry* head;
    FontListEntry* tail;
    FontListEntry* block;  // the block being filled
    int left;              // entries still free in it
};

using BlockAllocator = void* (*)(size_t bytes);
using BlockReleaser = void (*)(void* block);

// Appends a face (a name of at most capacity units, cut to 31) with its
// character set. False when a new block was needed and could not be had; the
// list then stays as it was.
bool AppendFontEntry(FontList& list, const char16_t* face, size_t capacity, uint8_t charset, BlockAllocator allocate);

// Adds a face as the platform reports it. Some platforms report a typeface
// once for each of its character sets: a face already in the list gets no
// second entry, only the Hebrew character set when that is among the reports.
// Faces for vertical writing ("@" before the name) are left out.
// False when a new entry was needed and could not be had.
bool AddReportedFace(FontList& list, const char16_t* face, size_t capacity, uint8_t charset, BlockAllocator allocate);

// The entry whose name equals face exactly (case-sensitive), or none.
FontListEntry* FindFontEntry(const FontList& list, const char16_t* face);

// The face a first start preselects: the first of a short list of preferred
// faces that the list holds and that draws the Hebrew letters and the marks
// of the cantillation, else the first of them that draws the letters, else
// the first listed face of the Hebrew character set, else the first listed
// face that draws them; empty when none does.
using FacePredicate = std::function<bool(const char16_t*)>;
std::u16string FirstStartFace(const FontList& list, const FacePredicate& drawsLetters, const FacePredicate& showsMarks);

// Releases every block and empties the list; an empty list is left alone.
void ReleaseFontEntries(FontList& list, BlockReleaser release);
