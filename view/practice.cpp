// The words of a practice round and the steps through them. Words are found
// in each verse's stored spans, read from the high end of a right-to-left
// span down; a round is a run of them, so every step is a move of its ends.
#include "view/practice.h"

#include <algorithm>

#include "store/hebrew_marks.h"
#include "view/paint_plan.h"

namespace {

constexpr uint8_t kSpace = 0x20;

bool HasLetter(const ArticleText& text, int start, int end) {
    return std::any_of(text.begin() + start, text.begin() + end, IsLetterCode);
}

// Appends the words of one span, in reading order, but the one holding the label.
void AddSpanWords(const ArticleText& text, TextSpan span, size_t verse, int label, std::vector<PracticeWord>& words) {
    int end = span.end;
    while (end > span.start) {
        while (end > span.start && text[end - 1] == kSpace) --end;
        int start = end;
        while (start > span.start && text[start - 1] != kSpace) --start;
        const bool isLabel = label >= start && label < end;
        if (start < end && !isLabel && HasLetter(text, start, end)) {
            words.push_back({{static_cast<uint16_t>(start), static_cast<uint16_t>(end)}, static_cast<uint16_t>(verse)});
        }
        end = start;
    }
}

// Whether word b follows word a in the same record: below it in storage, with
// no record's end between them.
bool SameRecord(const ArticleText& text, const PracticeWord& a, const PracticeWord& b) {
    if (b.bytes.end > a.bytes.start) return false;
    return std::find(text.begin() + b.bytes.end, text.begin() + a.bytes.start, 0) == text.begin() + a.bytes.start;
}

int VerseStart(std::span<const PracticeWord> words, int at) {
    while (at > 0 && words[at - 1].verse == words[at].verse) --at;
    return at;
}

}  // namespace

std::vector<PracticeWord> PracticeWords(const ArticleText& text, std::span<const VerseEntry> verses) {
    std::vector<PracticeWord> words;
    for (size_t i = 0; i < verses.size(); ++i) {
        for (const TextSpan& span : VerseSpans(text, verses, i, i)) AddSpanWords(text, span, i, verses[i].first, words);
    }
    return words;
}

int FirstWordOfVerse(std::span<const PracticeWord> words, size_t verse) {
    const auto found = std::find_if(words.begin(), words.end(), [&](const PracticeWord& w) { return w.verse >= verse; });
    return static_cast<int>(found - words.begin());
}

bool TakePracticeStep(std::span<const PracticeWord> words, PracticeRound& round, PracticeStep step) {
    const int count = static_cast<int>(words.size());
    if (count == 0) return false;
    const PracticeRound before = round;
    const int current = std::min(round.next, count - 1);  // the word whose verse the verse steps start from
    switch (step) {
    case PracticeStep::kRevealWord: round.next = std::min(round.next + 1, count); break;
    case PracticeStep::kRevealVerse:
        if (round.next < count) round.next = FirstWordOfVerse(words, words[round.next].verse + 1);
        break;
    case PracticeStep::kHideWord: round.next = std::max(round.next - 1, round.first); break;
    case PracticeStep::kNextVerse: {
        const int next = FirstWordOfVerse(words, words[current].verse + 1);
        if (next < count) round = {next, next};
        break;
    }
    case PracticeStep::kPreviousVerse: {
        const int start = VerseStart(words, current);
        const int target = round.next > start || start == 0 ? start : VerseStart(words, start - 1);
        round = {target, target};
        break;
    }
    case PracticeStep::kEndRound: round.first = round.next; break;
    }
    return round.first != before.first || round.next != before.next;
}

std::vector<LevelSpan> RevealedSpans(std::span<const PracticeWord> words, PracticeRound round, TextLevel level,
                                     const ArticleText& text) {
    std::vector<LevelSpan> spans;
    const int end = std::min<int>(round.next, static_cast<int>(words.size()));
    for (int i = std::max(round.first, 0); i < end; ++i) {
        const TextSpan bytes = words[i].bytes;
        if (!spans.empty() && SameRecord(text, words[i - 1], words[i])) {
            spans.back().start = std::min(spans.back().start, bytes.start);
        } else {
            spans.push_back(LevelSpan{bytes.start, bytes.end, level});
        }
    }
    return spans;
}

int FirstWordOnPage(ViewState& view, std::span<const PracticeWord> words, std::span<const VerseEntry> verses) {
    const PaintPlan plan = PlanPaint(view, false);
    if (plan.rows.empty()) return -1;
    const auto onPage = [&](int position) {
        const int row = RowHoldingByte(view, position);
        return row >= plan.rows.front().index && row <= plan.rows.back().index;
    };
    for (size_t w = 0; w < words.size(); ++w) {
        const bool opensVerse = w == 0 || words[w - 1].verse != words[w].verse;
        if (opensVerse && words[w].verse < verses.size() && onPage(verses[words[w].verse].first))
            return static_cast<int>(w);
    }
    for (size_t w = 0; w < words.size(); ++w) {
        if (onPage(words[w].bytes.end - 1)) return static_cast<int>(w);
    }
    return -1;
}
