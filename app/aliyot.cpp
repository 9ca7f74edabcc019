// Going to the aliyot. A division is found in the weekly portion that holds
// its first verse, which opens when another is shown; its first verse's row
// becomes the top row. Going there is remembered, so that the division names
// the top row even where the view cannot bring its row to the top.
#include "app/aliyot.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/program.h"
#include "calendar/portion_names.h"
#include "resources/resource.h"
#include "store/aliyah_table_resource.h"
#include "store/verse_map_resource.h"
#include "store/verse_reference.h"
#include "view/bookmarks.h"
#include "view/layout.h"
#include "view/navigation.h"
#include "view/practice_view.h"
#include "view/reading_view.h"
#include "view/verse_selection.h"
#include "view/window_title.h"

namespace {

constexpr int kFixedItems = 13;  // the aliyot, a separator, the two steps, a separator, Select Aliyah

const AliyahTable& Table() { return ProgramAliyahTable(); }
const VerseMap& Map() { return ProgramVerseMap(); }

bool IsWeeklyPortion(int article) { return article >= 1 && article <= kWeeklyPortionArticles; }

// The portion's own divisions that begin in its article, in order.
std::vector<int> OwnDivisionsIn(int article) {
    std::vector<int> own;
    for (int number = 1; number <= kMaftirNumber; ++number) {
        const int index = PortionDivision(Table(), article, number);
        if (index >= 0 && FindVerse(Map(), Table().divisions[index].first).article == article) own.push_back(index);
    }
    return own;
}

// The divisions of other readings that concern the article, as the submenu lists them.
std::vector<size_t> OtherDivisions(int article) {
    std::vector<size_t> other;
    for (const size_t index : DivisionsFor(Table(), Map(), article)) {
        const Division& division = Table().divisions[index];
        if (division.kind != DivisionKind::kPortion || division.group != article) other.push_back(index);
    }
    return other;
}

bool GoToDivision(HWND window, int index) {
    if (index < 0 || static_cast<size_t>(index) >= Table().divisions.size() || program.view == nullptr) return false;
    const VersePlace place = FindVerse(Map(), Table().divisions[index].first);
    if (place.article == 0) return false;
    if (program.view->article != place.article && !MakeCurrentArticle(static_cast<uint16_t>(place.article), {}))
        return false;
    ViewState& view = *program.view;
    FindRowForOffset(view, Map().articles[place.article][place.index].first);
    MovePracticeToVerse(view, place.index);
    program.aliyahGone = AliyahGone{static_cast<uint16_t>(place.article), index, view.topRow};
    RepaintView(window, kPaintClearClient | 0xFF);
    UpdateBookmarkCheck(window);
    return true;
}

int OwnDivisionAtTop() { return PortionDivision(Table(), program.settings.Lesson, AliyahAtTopRow()); }

// Whether the top row is the one that going to the division would make it.
bool TopIsStartOf(int index) {
    ViewState& view = *program.view;
    const VersePlace place = FindVerse(Map(), Table().divisions[index].first);
    if (place.article != view.article) return false;
    const uint16_t top = view.topRow;
    FindRowForOffset(view, Map().articles[place.article][place.index].first);
    const bool atStart = view.topRow == top;
    view.topRow = top;
    return atStart;
}

int StepTarget(int article, int delta) {
    const std::vector<int> own = OwnDivisionsIn(article);
    const auto found = std::find(own.begin(), own.end(), OwnDivisionAtTop());
    const int at = found == own.end() ? -1 : static_cast<int>(found - own.begin());
    if (delta > 0) {
        if (at + 1 < static_cast<int>(own.size())) return own[at + 1];
        const std::vector<int> next = OwnDivisionsIn(article % kWeeklyPortionArticles + 1);
        return next.empty() ? -1 : next.front();
    }
    if (at >= 0 && !TopIsStartOf(own[at])) return own[at];
    if (at > 0) return own[at - 1];
    const std::vector<int> previous = OwnDivisionsIn(article == 1 ? kWeeklyPortionArticles : article - 1);
    return previous.empty() ? -1 : previous.back();
}

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// "41:1–14", "41:53–42:18", or with the book where it is not the article's.
std::wstring RangeText(const Division& division, int book) {
    const auto number = [](int n) { return std::to_wstring(n); };
    std::wstring text = division.first.book != book ? Wide(EnglishBookName(division.first.book)) + L" " : L"";
    text += number(division.first.chapter) + L":" + number(division.first.verse) + L"\u2013";
    if (division.last.chapter != division.first.chapter) text += number(division.last.chapter) + L":";
    return text + number(division.last.verse);
}

std::wstring OtherDivisionText(const Division& division, int book) {
    std::wstring name;
    switch (division.kind) {
    case DivisionKind::kCombined: name = Wide(AliyahEnglishName(division.number)); break;
    case DivisionKind::kSpecial: name = Wide(Table().names.at(division.group).english); break;
    case DivisionKind::kPortion:
        name = L"Maftir of " + Wide(EnglishArticleNames()[division.group]) + L" on Simchat Torah";
        break;
    }
    return name + L", " + RangeText(division, book);
}

void SetItem(HMENU menu, int command, const std::wstring& text, bool enabled) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_STATE;
    item.dwTypeData = const_cast<wchar_t*>(text.c_str());
    item.fState = enabled ? MFS_ENABLED : MFS_GRAYED;
    SetMenuItemInfoW(menu, command, FALSE, &item);
}

// The pair's divisions and the other maftirs, each group in a submenu of its own.
void AppendOtherDivisions(HMENU popup, int article, int book) {
    const std::vector<size_t> other = OtherDivisions(article);
    HMENU pair = nullptr, maftirs = nullptr;
    int pairGroup = 0;
    for (size_t k = 0; k < other.size() && IDM_OTHER_DIVISION_FIRST + k <= IDM_OTHER_DIVISION_LAST; ++k) {
        const Division& division = Table().divisions[other[k]];
        HMENU& into = division.kind == DivisionKind::kCombined ? pair : maftirs;
        if (division.kind == DivisionKind::kCombined) pairGroup = division.group;
        if (into == nullptr) into = CreatePopupMenu();
        if (into != nullptr)
            AppendMenuW(into, MF_STRING, IDM_OTHER_DIVISION_FIRST + k, OtherDivisionText(division, book).c_str());
    }
    if (pair == nullptr && maftirs == nullptr) return;
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    if (pair != nullptr) {
        const ArticleNames names = EnglishArticleNames();
        const std::wstring title = L"Read &Together: " + Wide(names[pairGroup]) + L"-" + Wide(names[pairGroup + 1]);
        AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(pair), title.c_str());
    }
    if (maftirs != nullptr) AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(maftirs), L"Special Ma&ftirs");
}

}  // namespace

void GoToAliyah(HWND window, int number) {
    if (!GoToDivision(window, PortionDivision(Table(), program.settings.Lesson, number))) MessageBeep(MB_OK);
}

void StepAliyah(HWND window, int delta) {
    const int article = program.settings.Lesson;
    const int target = IsWeeklyPortion(article) && program.view != nullptr ? StepTarget(article, delta) : -1;
    if (!GoToDivision(window, target)) MessageBeep(MB_OK);
}

void GoToOtherDivision(HWND window, int command) {
    const std::vector<size_t> other = OtherDivisions(program.settings.Lesson);
    const size_t k = static_cast<size_t>(command - IDM_OTHER_DIVISION_FIRST);
    if (k >= other.size() || !GoToDivision(window, static_cast<int>(other[k]))) MessageBeep(MB_OK);
}

void SelectAliyah() {
    ViewState* view = program.view;
    const AliyahGone& gone = program.aliyahGone;
    const int article = program.settings.Lesson;
    const bool wentThere = view != nullptr && gone.article == article && gone.topRow == view->topRow;
    const int index = wentThere ? gone.division : OwnDivisionAtTop();
    VersePlace first, last;
    if (view != nullptr && index >= 0 && view->article == article) {
        first = FindVerse(Map(), Table().divisions[index].first);
        last = FindVerse(Map(), Table().divisions[index].last);
    }
    if (first.article != article || last.article != article || article == 0) {
        MessageBeep(MB_OK);
        return;
    }
    const int from = static_cast<int>(first.index);
    SetViewSelection(*view, Map().articles[article], VerseSelection{from, static_cast<int>(last.index), from});
    PaintView(view, true);
}

void ToggleShowAliyot(HWND window) {
    program.settings.ShowAliyot = program.settings.ShowAliyot == 0;
    UpdateShowAliyotCheck(window);
    ViewState* view = program.view;
    if (view == nullptr) return;
    const bool margin = ViewNamesAliyot(program.settings.Lesson);
    if (margin != view->aliyahMargin) {
        const int topText = TopRowTextOffset(*view);
        view->aliyahMargin = margin;
        if (ResizeView(view, view->width, view->height) == 0 && topText >= 0)
            FindRowForOffset(*view, static_cast<unsigned>(topText));
    }
    RepaintView(window, kPaintClearClient | kPaintView);
}

void UpdateShowAliyotCheck(HWND window) {
    CheckMenuItem(GetMenu(window), IDM_SHOW_ALIYOT,
                  MF_BYCOMMAND | (program.settings.ShowAliyot != 0 ? MF_CHECKED : MF_UNCHECKED));
}

void UpdateAliyahMenu(HMENU popup) {
    if (popup == nullptr || GetMenuItemID(popup, 0) != IDM_ALIYAH_1) return;
    const int article = program.settings.Lesson;
    const bool portion = IsWeeklyPortion(article);
    const std::vector<VerseEntry>& verses = portion ? Map().articles[article] : Map().articles[0];
    const int book = verses.empty() ? 0 : verses.front().book;
    for (int number = 1; number <= kMaftirNumber; ++number) {
        const int index = portion ? PortionDivision(Table(), article, number) : -1;
        const std::wstring key = number == kMaftirNumber ? L"M" : std::to_wstring(number);
        std::wstring text = L"&" + key + L" " + Wide(AliyahEnglishName(number));
        if (index >= 0) text += L", " + RangeText(Table().divisions[index], book);
        SetItem(popup, IDM_ALIYAH_1 + number - 1, text + L"\bAlt+" + key, index >= 0);
    }
    for (const int command : {IDM_NEXT_ALIYAH, IDM_PREVIOUS_ALIYAH, IDM_SELECT_ALIYAH})
        EnableMenuItem(popup, command, MF_BYCOMMAND | (portion ? MF_ENABLED : MF_GRAYED));
    while (GetMenuItemCount(popup) > kFixedItems) DeleteMenu(popup, kFixedItems, MF_BYPOSITION);
    if (portion) AppendOtherDivisions(popup, article, book);
}
