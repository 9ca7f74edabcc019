// Practice mode's commands and keys. The round lives in the view layer
// (view/practice_view); here it is turned on and off, stepped and repainted,
// and the menu follows it.
#include "app/practice.h"

#include "app/program.h"
#include "resources/resource.h"
#include "view/practice_view.h"
#include "view/reading_view.h"

namespace {

bool Shifted() { return GetKeyState(VK_SHIFT) < 0; }
bool Controlled() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

void Repaint(HWND window) {
    if (program.view == nullptr) return;
    PaintView(program.view, true);
    UpdateScrollBar(window);
}

// Ends the round: the revealed words are hidden again, the place kept.
void EndRound() {
    PracticeRound& round = program.practice.round;
    round.first = round.next;
}

}  // namespace

void TogglePractice(HWND window) {
    program.settings.Practice = program.settings.Practice == 0;
    program.practice.peeking = false;
    EndRound();
    if (program.view != nullptr) {
        if (PracticeOn()) FollowArticleInPractice(*program.view);
        else ShowPracticeRound(*program.view);
    }
    UpdatePracticeMenu(window);
    Repaint(window);
}

void EndPractice(HWND window) {
    if (PracticeOn()) TogglePractice(window);
}

void ChoosePracticeLevel(HWND window, TextLevel level) {
    const int32_t chosen = level == TextLevel::kVowels ? 1 : 0;
    // Another level is another round: what was revealed is hidden again.
    if (chosen != program.settings.PracticeLevel) EndRound();
    program.settings.PracticeLevel = chosen;
    UpdatePracticeMenu(window);
    if (program.view == nullptr || !PracticeOn()) return;
    ShowPracticeRound(*program.view);
    Repaint(window);
}

void RunPracticeStep(HWND window, PracticeStep step) {
    if (!PracticeOn() || program.view == nullptr) return;
    program.practice.peeking = false;
    if (!StepPractice(*program.view, step) && step != PracticeStep::kEndRound) MessageBeep(MB_OK);
    UpdatePracticeMenu(window);
    Repaint(window);
}

void ShowEverything(HWND window, bool shown) {
    if (!PracticeOn() || program.view == nullptr || program.practice.peeking == shown) return;
    program.practice.peeking = shown;
    ShowPracticeRound(*program.view);
    UpdatePracticeMenu(window);
    Repaint(window);
}

bool OnPracticeKeyDown(HWND window, WPARAM key, LPARAM flags) {
    if (!PracticeOn() || Controlled()) return false;
    const bool repeated = (flags & (1 << 30)) != 0;
    switch (key) {
    case VK_SPACE: RunPracticeStep(window, Shifted() ? PracticeStep::kRevealVerse : PracticeStep::kRevealWord); return true;
    case VK_BACK: RunPracticeStep(window, PracticeStep::kHideWord); return true;
    case VK_TAB: RunPracticeStep(window, Shifted() ? PracticeStep::kPreviousVerse : PracticeStep::kNextVerse); return true;
    case VK_ESCAPE: RunPracticeStep(window, PracticeStep::kEndRound); return false;
    case VK_F8:
        if (!Shifted()) return false;
        if (!repeated) ShowEverything(window, true);
        return true;
    }
    return false;
}

bool OnPracticeKeyUp(HWND window, WPARAM key) {
    if (!program.practice.peeking || (key != VK_F8 && key != VK_SHIFT)) return false;
    ShowEverything(window, false);
    return true;
}

void UpdatePracticeMenu(HWND window) {
    HMENU menu = GetMenu(window);
    if (menu == nullptr) return;
    const bool on = PracticeOn();
    CheckMenuItem(menu, IDM_PRACTICE, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    const int level = IDM_PRACTICE_LETTERS + (PracticeLevel() == TextLevel::kVowels ? 1 : 0);
    CheckMenuRadioItem(menu, IDM_PRACTICE_LETTERS, IDM_PRACTICE_VOWELS, level, MF_BYCOMMAND);
    for (int command = IDM_PRACTICE_REVEAL_WORD; command <= IDM_PRACTICE_SHOW_ALL; ++command)
        EnableMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, IDM_PRACTICE_SHOW_ALL,
                  MF_BYCOMMAND | (program.practice.peeking ? MF_CHECKED : MF_UNCHECKED));
}
