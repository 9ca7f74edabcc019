// The random run's step kinds, its delivery of messages with the closing of
// modal windows, and the loop that draws the steps.
#include "tests/app/monkey.h"

#include <iterator>
#include <sstream>

#include "tests/support/wait.h"

namespace {

constexpr uint32_t kPinned = 0x4;
constexpr uint32_t kReverse = 0x800;
constexpr uint16_t kArticles = 57;
constexpr size_t kRecentSteps = 12;

int Draw(Monkey& monkey, int low, int high) { return std::uniform_int_distribution<int>(low, high)(monkey.random); }

void Note(Monkey& monkey, const std::string& step) {
    monkey.recent.push_back(step);
    if (monkey.recent.size() > kRecentSteps) monkey.recent.erase(monkey.recent.begin());
}

void Step(Monkey& monkey, int delta) {
    int article = monkey.lesson + delta;
    if (article > kArticles) article = 1;
    if (article < 1) article = kArticles;
    monkey.lesson = static_cast<uint16_t>(article);
    monkey.flags |= kPinned;
}

// The commands of the menu that the program carries out today, and what each
// does to the model.
void Command(Monkey& monkey) {
    static const int kCommands[] = {108, 109, 110, 122};
    const int command = kCommands[Draw(monkey, 0, static_cast<int>(std::size(kCommands)) - 1)];
    Note(monkey, "command " + std::to_string(command));
    Deliver(monkey, WM_COMMAND, command, 0);
    switch (command) {
    case 108:
        monkey.lesson = monkey.thisWeek;
        monkey.flags &= ~kPinned;
        monkey.lessonKnown = true;
        break;
    case 109: Step(monkey, +1); break;
    case 110: Step(monkey, -1); break;
    case 122: monkey.flags ^= kReverse; break;
    }
}

// The view's keys most of the time, any key now and then.
void Key(Monkey& monkey) {
    const int key = Draw(monkey, 0, 3) == 0 ? Draw(monkey, 0, 255) : Draw(monkey, 33, 40);
    Note(monkey, "key " + std::to_string(key));
    Deliver(monkey, WM_KEYDOWN, key, 1);
    if (key == VK_RETURN) monkey.lessonKnown = false;  // searches again once there is a search text
    if (key == VK_LEFT) Step(monkey, -1);
    if (key == VK_RIGHT) Step(monkey, +1);
}

void ScrollBar(Monkey& monkey) {
    const int code = Draw(monkey, 0, 9);
    const int position = Draw(monkey, -10, 2000);
    Note(monkey, "scroll bar " + std::to_string(code) + " at " + std::to_string(position));
    Deliver(monkey, WM_VSCROLL, MAKEWPARAM(code, static_cast<WORD>(position)), 0);
}

void Wheel(Monkey& monkey) {
    const int delta = Draw(monkey, 0, 1) == 0 ? 120 * Draw(monkey, -5, 5) : Draw(monkey, -32768, 32767);
    Note(monkey, "wheel " + std::to_string(delta));
    Deliver(monkey, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
}

// A click pages when the button comes up; now and then the pointer moves
// between press and release, which makes it a drag that selects verses.
void Click(Monkey& monkey) {
    RECT client{};
    GetClientRect(monkey.window, &client);
    const int x = Draw(monkey, -20, client.right + 20);
    const int y = Draw(monkey, -20, client.bottom + 20);
    const bool drag = Draw(monkey, 0, 2) == 0;
    const int toX = drag ? Draw(monkey, -20, client.right + 20) : x;
    const int toY = drag ? Draw(monkey, -20, client.bottom + 20) : y;
    Note(monkey, (drag ? "drag " : "click ") + std::to_string(x) + "," + std::to_string(y) +
                     (drag ? " to " + std::to_string(toX) + "," + std::to_string(toY) : ""));
    Deliver(monkey, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    if (drag) Deliver(monkey, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
    Deliver(monkey, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
}

// Sizes down to 1 x 1, now and then.
void Resize(Monkey& monkey) {
    const bool tiny = Draw(monkey, 0, 5) == 0;
    const int width = tiny ? 1 : Draw(monkey, 1, 1200);
    const int height = tiny ? 1 : Draw(monkey, 1, 1000);
    Note(monkey, "resize " + std::to_string(width) + "x" + std::to_string(height));
    SetWindowPos(monkey.window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    Deliver(monkey, WM_NULL, 0, 0);
}

void ShowState(Monkey& monkey) {
    static const int kStates[] = {SW_MINIMIZE, SW_RESTORE, SW_MAXIMIZE, SW_SHOWNORMAL};
    const int state = kStates[Draw(monkey, 0, static_cast<int>(std::size(kStates)) - 1)];
    Note(monkey, "show " + std::to_string(state));
    ShowWindowAsync(monkey.window, state);
    Deliver(monkey, WM_NULL, 0, 0);
}

// The commands that end in the clipboard, a bookmark (whose removal asks) or
// the next search hit (or "Not Found!"); a box they open is closed.
void Output(Monkey& monkey) {
    static const int kCommands[] = {40007, 40009, 123, 117};
    const int command = kCommands[Draw(monkey, 0, static_cast<int>(std::size(kCommands)) - 1)];
    Note(monkey, "command " + std::to_string(command));
    Deliver(monkey, WM_COMMAND, command, 0, 500);
    if (command == 117) monkey.lessonKnown = false;
}

struct ChildSearch {
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
    reinterpret_cast<ChildSearch*>(data)->found.push_back(child);
    return TRUE;
}

// One random key, letter or click, posted to the dialog or one of its controls.
void PokeDialog(Monkey& monkey, HWND dialog) {
    ChildSearch children;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
    children.found.push_back(dialog);
    HWND target = children.found[Draw(monkey, 0, static_cast<int>(children.found.size()) - 1)];
    RECT client{};
    GetClientRect(target, &client);
    switch (Draw(monkey, 0, 2)) {
    case 0: PostMessageW(target, WM_KEYDOWN, Draw(monkey, 0, 3) == 0 ? Draw(monkey, 8, 46) : Draw(monkey, 33, 40), 1); break;
    case 1: PostMessageW(target, WM_CHAR, Draw(monkey, 'a', 'z'), 1); break;
    default: {
        const LPARAM at = MAKELPARAM(Draw(monkey, 0, client.right), Draw(monkey, 0, client.bottom));
        PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(target, WM_LBUTTONUP, 0, at);
    }
    }
}

// A dialog opened by its command, poked a few times and closed with OK or
// Cancel (the page set-up seldom with OK, as each OK prints the article). A
// pick, a search, a verse or a calendar row may change the article: the
// model then no longer knows it.
void Dialog(Monkey& monkey) {
    static const int kCommands[] = {107, 116, 40006, 40004, 40008, 140, 40500};
    const int command = kCommands[Draw(monkey, 0, static_cast<int>(std::size(kCommands)) - 1)];
    const bool keepFont = monkey.sameFont && command == 40006;
    const int pokes = keepFont ? 0 : Draw(monkey, 0, 6);
    const int okOneIn = command == 40008 ? 10 : 3;
    const int answer = Draw(monkey, 1, okOneIn) == 1 && !keepFont ? IDOK : IDCANCEL;
    Note(monkey, "dialog " + std::to_string(command) + ", " + std::to_string(pokes) + " pokes, answer " +
                     std::to_string(answer));
    PostMessageW(monkey.window, WM_COMMAND, command, 0);
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FirstProgramDialog(monkey)) != nullptr; }, 5000);
    if (command == 107 || command == 116 || command == 140 || command == 40500) monkey.lessonKnown = false;
    if (dialog == nullptr) return;
    for (int i = 0; i < pokes && IsWindow(dialog); ++i) PokeDialog(monkey, dialog);
    PostMessageW(dialog, WM_COMMAND, answer, 0);
    Deliver(monkey, WM_NULL, 0, 0, 500);
}

bool Answers(const Monkey& monkey, UINT timeoutMs) {
    DWORD_PTR result;
    return SendMessageTimeoutW(monkey.window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

struct DialogSearch {
    const Monkey* monkey;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->monkey->processId && window != search->monkey->window && IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

const std::vector<MonkeyStepKind> kMonkeySteps = {
    {"command", 3, Command}, {"key", 6, Key},       {"scroll bar", 4, ScrollBar}, {"wheel", 3, Wheel},
    {"click", 3, Click},     {"resize", 1, Resize}, {"show state", 1, ShowState}, {"dialog", 2, Dialog},
    {"output", 1, Output},
};

HWND FirstProgramDialog(const Monkey& monkey) {
    DialogSearch search{&monkey, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

bool KnowTheArticle(Monkey& monkey) {
    if (monkey.lessonKnown) return true;
    if (!Deliver(monkey, WM_COMMAND, 108, 0)) return false;
    monkey.lesson = monkey.thisWeek;
    monkey.flags &= ~kPinned;
    monkey.lessonKnown = true;
    return true;
}

int CloseProgramDialogs(const Monkey& monkey) {
    DialogSearch search{&monkey, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    for (HWND dialog : search.found) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        if (!WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 1000)) {
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        }
    }
    return static_cast<int>(search.found.size());
}

bool Deliver(Monkey& monkey, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
    DWORD_PTR result;
    if (SendMessageTimeoutW(monkey.window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) {
        return CloseProgramDialogs(monkey) == 0 || WaitUntil([&] {
            return CloseProgramDialogs(monkey) == 0 && Answers(monkey, 500);
        }, 20000);
    }
    // A modal window may hold the step: close what is open until the program
    // answers with nothing open.
    return WaitUntil([&] { return CloseProgramDialogs(monkey) == 0 && Answers(monkey, 500); }, 20000);
}

bool RunMonkey(Monkey& monkey, int steps, std::string& failure) {
    int total = 0;
    for (const MonkeyStepKind& kind : kMonkeySteps) total += kind.weight;
    for (int step = 0; step < steps; ++step) {
        int pick = Draw(monkey, 0, total - 1);
        const MonkeyStepKind* kind = &kMonkeySteps.front();
        for (const MonkeyStepKind& k : kMonkeySteps) {
            kind = &k;
            if ((pick -= k.weight) < 0) break;
        }
        kind->act(monkey);
        const bool ended = WaitForSingleObject(monkey.process, 0) == WAIT_OBJECT_0;
        if (ended || !Answers(monkey, 10000)) {
            std::ostringstream out;
            out << "after step " << step << " the program " << (ended ? "ended" : "stopped answering")
                << "; last steps:";
            for (const std::string& s : monkey.recent) out << "\n  " << s;
            failure = out.str();
            return false;
        }
    }
    return true;
}
