// A seeded random run against the real program: a table of step kinds (menu
// commands, keys, scroll-bar codes, wheel turns, clicks, resizes, show
// states, the dialogs, the clipboard), each delivered and waited on, with any
// modal window the program opens closed again so that no step can hang the run. The run keeps a model
// of what the program should remember: the article and the option bits.
#pragma once

#include <windows.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct Monkey {
    HWND window = nullptr;
    HANDLE process = nullptr;
    DWORD processId = 0;
    std::mt19937 random;
    uint16_t lesson = 0;     // the article the program should show
    uint32_t flags = 0;      // Flags as the program should hold them
    uint16_t thisWeek = 0;   // This Week's article today
    bool lessonKnown = true; // false after a pick or a search, which may change the article and pin it
    bool sameFont = false;   // the font dialog is left untouched and cancelled: no new face is drawn
    std::vector<std::string> recent;  // the last steps, for the failure message
};

using MonkeyAction = void (*)(Monkey&);
struct MonkeyStepKind {
    const char* name;
    int weight;  // how often it is drawn, relative to the others
    MonkeyAction act;
};

// The step kinds of the run; new dialogs and commands join here.
extern const std::vector<MonkeyStepKind> kMonkeySteps;

// Sends a message and waits until the program has handled it; a modal
// window that it opens meanwhile is closed. False when the program no longer
// answers.
bool Deliver(Monkey& monkey, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs = 2000);

// Closes every visible window of the program other than its main window (a
// dialog or a message box) with Cancel, or with WM_CLOSE when that does not
// help. Returns how many it found.
int CloseProgramDialogs(const Monkey& monkey);

// A visible window of the program other than its main window, or none.
HWND FirstProgramDialog(const Monkey& monkey);

// Brings the model's article back to a known one when a step may have changed
// it unseen: This Week, as the program is told too.
bool KnowTheArticle(Monkey& monkey);

// Runs steps drawn from the table. False, with the reason, when the program
// ended or stopped answering.
bool RunMonkey(Monkey& monkey, int steps, std::string& failure);
