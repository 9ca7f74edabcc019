// The settings record's two moments: it is filled from the registry once at
// start-up and written back once at exit. Missing values take their defaults;
// at exit a value that is empty or 0 in memory is not written, so it keeps
// whatever the registry already holds.
#include "settings/settings_store.h"

#include "app/program.h"
#include "settings/registry.h"
#include "settings/registry_data.h"

namespace {

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

}  // namespace

void ReadSettings() {
    Settings& settings = program.settings;
    LoadFontName(settings.font.FontName);
    LoadSearchString(settings.SearchString);
    settings.font.FontSize = RegReadInt(u"FontSize", 0);
    settings.font.FontAsciiBase = RegReadInt(u"FontAsciiBase", kDefaultFontAsciiBase);
    settings.LastPosition = static_cast<uint16_t>(RegReadInt(u"LastPosition", 0));
    settings.Flags = static_cast<uint32_t>(RegReadInt(u"Flags", static_cast<int32_t>(kDefaultFlags)));
    settings.Lesson = static_cast<uint16_t>(RegReadInt(u"Lesson", 0));
    settings.Level = RegReadInt(u"TextLevel", kDefaultTextLevel);
    settings.Zoom = RegReadInt(u"Zoom", 0);
    settings.ShowAliyot = RegReadInt(u"ShowAliyot", 1);
    settings.Practice = RegReadInt(u"Practice", 0);
    settings.PracticeLevel = RegReadInt(u"PracticeLevel", 0);
    program.settingsLoaded = true;
}

void WriteSettings(bool withPosition) {
    if (!program.settingsLoaded) return;
    Settings& settings = program.settings;
    // The texts are written up to their zero byte; the arrays' last places keep one there.
    settings.SearchString[kSearchStringMax] = 0;
    settings.font.FontName[kFontNameMax] = 0;
    if (settings.SearchString[0] != 0) RegWriteByteString(u"SearchString", settings.SearchString);
    if (settings.font.FontName[0] != 0) RegWriteString(u"FontName", settings.font.FontName);
    if (settings.font.FontSize != 0) RegWriteInt(u"FontSize", settings.font.FontSize);
    if (settings.font.FontAsciiBase != 0) RegWriteInt(u"FontAsciiBase", settings.font.FontAsciiBase);
    if (withPosition) RegWriteInt(u"LastPosition", settings.LastPosition);
    RegWriteInt(u"Flags", static_cast<int32_t>(settings.Flags));
    if (settings.Lesson != 0) RegWriteInt(u"Lesson", settings.Lesson);
    RegWriteInt(u"TextLevel", IsTextLevel(settings.Level) ? settings.Level : kDefaultTextLevel);
    // Always, so that a zoom undone in this run is undone at the next start.
    RegWriteInt(u"Zoom", settings.Zoom);
    RegWriteInt(u"ShowAliyot", settings.ShowAliyot != 0);
    RegWriteInt(u"Practice", settings.Practice != 0);
    RegWriteInt(u"PracticeLevel", settings.PracticeLevel == 1);
}
