// Practice mode's round in the Reading view. The words are read from the
// article's verses the first time it is practised in a run; a step moves the
// round, and the view follows with a new top row and new level spans, which
// only repaint: no row is laid out again.
#include "view/practice_view.h"

#include <new>
#include <span>

#include "app/program.h"
#include "store/verse_map_resource.h"
#include "view/paint_plan.h"

namespace {

std::span<const VerseEntry> ArticleVerses(const ViewState& view) {
    if (view.article < 1 || view.article > kArticleCount) return {};
    return ProgramVerseMap().articles[view.article];
}

// Reads the words of the view's article when the round is another's; the
// round then starts where the article was left in this run.
void ReadWords(ViewState& view) {
    PracticeState& practice = program.practice;
    if (practice.article == view.article) return;
    practice.article = view.article;
    practice.words.clear();
    try {
        practice.words = PracticeWords(view.text, ArticleVerses(view));
    } catch (const std::bad_alloc&) {
        practice.words.clear();
    }
    const int kept = view.article <= kArticleCount ? practice.places[view.article] - 1 : -1;
    practice.round = PracticeRound{kept, kept};
}

void KeepPlace() {
    PracticeState& practice = program.practice;
    if (practice.article >= 1 && practice.article <= kArticleCount)
        practice.places[practice.article] = practice.round.next + 1;
}

void ShowByte(ViewState& view, int position) {
    const int row = RowHoldingByte(view, position);
    if (row >= 0) view.topRow = static_cast<uint16_t>(TopRowShowing(view, row));
}

// The next word (the last one, when all are revealed) comes onto the page,
// its first row read at the top when it runs over two rows.
void ShowNextWord(ViewState& view) {
    const PracticeState& practice = program.practice;
    if (practice.words.empty() || practice.round.next < 0) return;
    const int next = std::min<int>(practice.round.next, static_cast<int>(practice.words.size()) - 1);
    const TextSpan word = practice.words[next].bytes;
    ShowByte(view, word.start);
    ShowByte(view, word.end - 1);
}

}  // namespace

bool PracticeOn() { return program.settings.Practice != 0; }

TextLevel PracticeLevel() {
    return program.settings.PracticeLevel == 1 ? TextLevel::kVowels : TextLevel::kLettersOnly;
}

void ShowPracticeRound(ViewState& view) {
    view.levelSpans.clear();
    view.practiceWord = TextSpan{};
    if (!PracticeOn()) {
        view.level = TextLevelFromStored(program.settings.Level);
        return;
    }
    ReadWords(view);
    const PracticeState& practice = program.practice;
    view.level = practice.peeking ? TextLevel::kCantillation : PracticeLevel();
    if (practice.round.next < 0) return;
    try {
        view.levelSpans = RevealedSpans(practice.words, practice.round, TextLevel::kCantillation, view.text);
    } catch (const std::bad_alloc&) {
        view.levelSpans.clear();
    }
    if (practice.round.next < static_cast<int>(practice.words.size()))
        view.practiceWord = practice.words[practice.round.next].bytes;
}

void PlacePracticeRound(ViewState& view) {
    ReadWords(view);
    PracticeState& practice = program.practice;
    if (practice.round.next >= 0) return;
    const int word = FirstWordOnPage(view, practice.words, ArticleVerses(view));
    if (word < 0) return;
    practice.round = PracticeRound{word, word};
    KeepPlace();
}

void FollowArticleInPractice(ViewState& view) {
    if (!PracticeOn()) return;
    ReadWords(view);
    if (program.practice.round.next >= 0) ShowNextWord(view);
    else PlacePracticeRound(view);
    ShowPracticeRound(view);
}

void MovePracticeToVerse(ViewState& view, size_t verse) {
    if (!PracticeOn()) return;
    ReadWords(view);
    PracticeState& practice = program.practice;
    const int word = FirstWordOfVerse(practice.words, verse);
    if (word >= static_cast<int>(practice.words.size())) return;
    practice.round = PracticeRound{word, word};
    KeepPlace();
    ShowPracticeRound(view);
}

bool StepPractice(ViewState& view, PracticeStep step) {
    PlacePracticeRound(view);
    PracticeState& practice = program.practice;
    if (practice.round.next < 0) return false;
    const bool changed = TakePracticeStep(practice.words, practice.round, step);
    KeepPlace();
    ShowNextWord(view);
    ShowPracticeRound(view);
    return changed;
}
