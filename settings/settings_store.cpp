// The settings record's two moments: it is filled from the registry once at
// start-up and written back once at exit. Missing values take their defaults;
// at exit a value that is empty or 0 in memory is not written, so it keeps
// whatever the registry already holds.
#include "settings/settings_store.h"

#include <iterator>
#include <type_traits>

#include "app/program.h"
#include "resources/resource.h"
#include "settings/registry.h"
#include "settings/registry_data.h"
#include "view/bookmarks.h"
#include "view/reading_view.h"

namespace {

// The Choose Section window's icons, in the order of program.pickerBitmaps.
constexpr int kPickerBitmapIds[] = {IDB_PICKER_PLUS, IDB_PICKER_MINUS, IDB_PICKER_PAGE};
static_assert(std::size(kPickerBitmapIds) == std::extent_v<decltype(ProgramState::pickerBitmaps)>);

void LoadFontName(char16_t (&fontName)[kFontNameMax + 1]) {
    const auto stored = RegReadString(u"FontName");
    CopyStoredFontName(stored.get(), fontName);
}

// The stored bytes need not end in a zero byte, so the copy also stops at the
// end of the data.
void LoadSearchString(char (&searchString)[kSearchStringMax + 1]) {
    uint32_t size = 0;
    const auto stored = RegReadBytesSized(u"SearchString", nullptr, size);
    if (!stored || size == 0 || stored[0] == 0) return;
    uint32_t length = 0;
    for (; length < size && length < kSearchStringMax && stored[length] != 0; ++length) {
        searchString[length] = static_cast<char>(stored[length]);
    }
    searchString[length] = 0;
}

void LoadPickerBitmaps() {
    for (size_t i = 0; i < std::size(kPickerBitmapIds); ++i) {
        program.pickerBitmaps[i] = LoadBitmapW(program.instance, MAKEINTRESOURCEW(kPickerBitmapIds[i]));
    }
}

void DeletePickerBitmaps() {
    for (HBITMAP& bitmap : program.pickerBitmaps) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

}  // namespace

void LoadSettings() {
    Settings& settings = program.settings;
    LoadFontName(settings.font.FontName);
    LoadSearchString(settings.SearchString);
    settings.font.FontSize = RegReadInt(u"FontSize", 0);
    settings.font.FontAsciiBase = RegReadInt(u"FontAsciiBase", kDefaultFontAsciiBase);
    settings.LastPosition = static_cast<uint16_t>(RegReadInt(u"LastPosition", 0));
    settings.Flags = static_cast<uint32_t>(RegReadInt(u"Flags", static_cast<int32_t>(kDefaultFlags)));
    settings.Lesson = static_cast<uint16_t>(RegReadInt(u"Lesson", 0));
    program.settingsLoaded = true;
    LoadPickerBitmaps();
    LoadBookmarks();
}

// Writes the settings record back, skipping what is empty or 0.
static void WriteSettings() {
    Settings& settings = program.settings;
    // The texts are written up to their zero byte; the arrays' last places keep one there.
    settings.SearchString[kSearchStringMax] = 0;
    settings.font.FontName[kFontNameMax] = 0;
    if (settings.SearchString[0] != 0) RegWriteByteString(u"SearchString", settings.SearchString);
    if (settings.font.FontName[0] != 0) RegWriteString(u"FontName", settings.font.FontName);
    if (settings.font.FontSize != 0) RegWriteInt(u"FontSize", settings.font.FontSize);
    if (settings.font.FontAsciiBase != 0) RegWriteInt(u"FontAsciiBase", settings.font.FontAsciiBase);
    if (program.view != nullptr) RegWriteInt(u"LastPosition", program.view->topRow);
    RegWriteInt(u"Flags", static_cast<int32_t>(settings.Flags));
    if (settings.Lesson != 0) RegWriteInt(u"Lesson", settings.Lesson);
}

void SaveSettingsAndQuit() {
    DeletePickerBitmaps();
    // Memory that runs out while the settings are still being read must not
    // write the half-read record over the stored one.
    if (program.settingsLoaded) WriteSettings();
    if (program.view != nullptr) {
        DestroyView(program.view, true);
        program.view = nullptr;
    }
    SaveBookmarks();
    ReleaseBookmarks();
    PostQuitMessage(0);
}
