// The one program-wide state: the settings record and everything else that
// lives for the whole run. It is zero-filled before anything else runs.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "store/aliyah_table.h"
#include "store/verse_map.h"
#include "view/bookmark_list.h"
#include "view/input_map.h"
#include "view/practice.h"
#include "view/shown_state.h"
#include "view/verse_selection.h"

struct ViewState;

// The division Go to Aliyah went to last. While the top row stays where it
// put it, the division names the top row (a maftir near an article's end may
// not reach the top) and Select Aliyah takes it.
struct AliyahGone {
    uint16_t article = 0;
    int division = -1;
    uint16_t topRow = 0;
};

// Practice mode in this run: the words of the article practised and its
// round (next -1: not placed yet), the place reached in each article (its
// next word + 1; 0 for none), and whether everything is shown while Shift+F8
// is held.
struct PracticeState {
    uint16_t article = 0;
    std::vector<PracticeWord> words;
    PracticeRound round{0, -1};
    std::array<int, kArticleCount + 1> places{};
    bool peeking = false;
};

struct ProgramState {
    HINSTANCE instance;
    Settings settings;
    bool settingsLoaded;        // until then nothing is saved: an early exit must not overwrite them
    int32_t gutter;             // pixels at 96 dots per inch kept free around the text; the click test's tolerance
    int32_t dpi;                // dots per inch of the main window's screen; 0 until it exists
    HWND mainWindow;            // also the owner of the dialogs
    HWND toolbar;
    ViewState* view;            // the Reading view, while the main window exists
    ShownState shown;           // what screen readers were last told the view shows
    bool highContrast;          // the system asks for its own colours (SPI_GETHIGHCONTRAST)
    bool comStarted;            // COM was begun for the windows' thread, by the first accessible object
    BookmarkList bookmarks;     // the bookmarked articles and the don't-ask bit of this run
    HGLOBAL printDevMode;       // the device mode the page set-up dialog returned last
    VerseMap verses;            // read on first use (versesRead); empty when it could not be read
    bool versesRead;
    ViewPress press;            // the left button's press on the Reading view, until its release
    std::u16string verseTyped;  // the reference Go to Verse opened last, which it offers again
    WheelTurns scrollWheel;     // the wheel's turns not yet taken as whole notches
    WheelTurns zoomWheel;       // the same with Ctrl held
    AliyahTable aliyot;         // read on first use (aliyotRead); empty when it could not be read
    bool aliyotRead;
    AliyahGone aliyahGone;
    int titleAliyah;            // the aliyah the window's title names, 0 for none
    PracticeState practice;
};

extern ProgramState program;

// The one allocation routine of the program's own code. On failure it shows
// "There is not enough memory, aborting", posts the quit message and returns
// null; every caller then abandons its operation, and the settings are saved
// when the window is closed after the message loop (EndRun). Blocks are
// released with FreeBlock.
void* AllocOrQuit(size_t bytes);
void FreeBlock(void* block);

// A function of a system library that only later commands use, looked up in
// the library loaded from the system folder on first use, so that start-up
// does not load it; null when either cannot be had. The library stays loaded.
FARPROC LateBoundFunction(const wchar_t* library, const char* name);

// The same, typed as the caller declares the function.
template <typename Function>
Function LateBound(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(LateBoundFunction(library, name)));
}
