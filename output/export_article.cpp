// The Copy and Append commands: the export text is built for the font kind in
// use (from the whole article, or from the selected verses and their
// reference), turned into the clipboard's formats and joined to the old data
// when appending; the clipboard is touched only once everything is ready.
#include "output/export_article.h"

#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "output/clipboard.h"
#include "output/clipboard_append.h"
#include "output/export_text.h"
#include "output/plain_text.h"
#include "output/rich_text.h"
#include "output/selection_text.h"
#include "store/aliyah_table_resource.h"
#include "store/article_resource.h"
#include "store/verse_map_resource.h"
#include "view/navigation.h"
#include "view/style_font.h"

namespace {

// Allocated through the program's allocation routine and released on return.
struct ExportBuffer {
    char16_t* units;
    explicit ExportBuffer(size_t bytes) : units(static_cast<char16_t*>(AllocOrQuit(bytes))) {}
    ExportBuffer(const ExportBuffer&) = delete;
    ExportBuffer& operator=(const ExportBuffer&) = delete;
    ~ExportBuffer() { FreeBlock(units); }
};

std::u16string AsUnits(const std::vector<uint8_t>& bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    if (!units.empty()) std::memcpy(units.data(), bytes.data(), units.size() * sizeof(char16_t));
    return units;
}

std::string_view AsChars(const std::vector<uint8_t>& bytes) {
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Joined to another program's data the result may be far larger than the
// article; when it does not fit in memory nothing is placed.
void PutExportText(const char16_t* text, bool append, const ViewState& view, ExportMarks marks) {
    const DisplayFont font = ViewDisplayFont(view);
    try {
        if (ExportsRichText(font.fontAsciiBase)) {
            const bool naming = marks.level == TextLevel::kCantillation;
            PutRichText(text, append, naming ? RtfHeaderNaming(view.fontSettings.FontName) : std::string(kRtfHeader));
        } else {
            PutUnicodeText(text, append);
        }
    } catch (const std::bad_alloc&) {
    }
}

// The reference of verses of the shown article, with the name of the aliyah
// they are exactly.
std::u16string SelectionReference(int article, size_t first, size_t last) {
    return NamedVerseReference(ProgramAliyahTable(), ProgramVerseMap(), ProgramArticleNames(), article, first, last);
}

// The selected verses of the shown article, their reference below them.
void ExportSelectedVerses(ViewState& view, bool append) {
    const uint16_t lesson = program.settings.Lesson;
    if (lesson < 1 || lesson > kArticleCount) return;
    const std::vector<VerseEntry>& verses = ProgramVerseMap().articles[lesson];
    const auto first = static_cast<size_t>(view.selection.first);
    const auto last = static_cast<size_t>(view.selection.last);
    if (last >= verses.size() || first > last) return;
    const DisplayFont font = ViewDisplayFont(view);
    const ExportMarks marks = ShownMarks(view);
    std::u16string text;
    try {
        text = BuildVersesExportText(view.text, view.selectedSpans, font, SelectionReference(lesson, first, last),
                                     marks);
    } catch (const std::bad_alloc&) {
        return;
    }
    if (!text.empty()) PutExportText(text.c_str(), append, view, marks);
}

}  // namespace

// What the view shows, to be copied: its level, the vowels at most where its
// font cannot show the marks, and the marks layer of its text.
ExportMarks ShownMarks(ViewState& view) {
    ExportMarks marks{view.level, nullptr};
    if (marks.level == TextLevel::kCantillation && !ViewFontShowsLayerMarks(&view)) marks.level = TextLevel::kVowels;
    if (marks.level == TextLevel::kCantillation) {
        EnsureMarkLayer(&view);
        if (view.marksArticle != 0 && view.marksArticle == view.article) marks.layer = &view.marks;
    }
    return marks;
}

void PutUnicodeText(const char16_t* text, bool append) {
    std::u16string joined;
    ReplaceOnClipboard(program.mainWindow, {CF_UNICODETEXT}, [&](const ClipboardContents& old) {
        joined = AppendUnicodeText(append ? AsUnits(old[0]) : std::u16string(), text);
        return std::vector<ClipboardData>{{CF_UNICODETEXT, joined.c_str(), (joined.size() + 1) * sizeof(char16_t)}};
    });
}

// The old document and plain text are read, and the new ones placed, in one
// opening of the clipboard.
void PutRichText(const char16_t* text, bool append, std::string_view header) {
    const UINT format = RichTextFormat();
    if (format == 0) return;
    const std::string body = BuildRtfBody(text);
    const std::u16string plainBody = BuildPlainText(text);
    std::string document;
    std::u16string plain;
    ReplaceOnClipboard(program.mainWindow, {format, CF_UNICODETEXT}, [&](const ClipboardContents& old) {
        const std::u16string oldText = append ? AsUnits(old[1]) : std::u16string();
        document = BuildRichTextDocument(append ? AsChars(old[0]) : std::string_view(), oldText, body, header);
        plain = AppendPlainText(oldText, plainBody);
        return std::vector<ClipboardData>{{format, document.c_str(), document.size() + 1},
                                          {CF_UNICODETEXT, plain.c_str(), (plain.size() + 1) * sizeof(char16_t)}};
    });
}

void ExportArticle(ViewState* view, bool append) {
    if (view == nullptr || view->text.empty()) return;
    if (view->selection.first >= 0) {
        ExportSelectedVerses(*view, append);
        return;
    }
    const ExportMarks marks = ShownMarks(*view);
    const size_t bytes = ExportTextSize(view->text, marks) * 2 + 2;
    ExportBuffer buffer(bytes);
    if (buffer.units == nullptr) return;
    const int built = BuildExportText(view->text, buffer.units, bytes, ViewDisplayFont(*view), marks);
    if (built == kExportDoesNotFit) MessageBoxW(program.mainWindow, L"(obuf > (start + size))", nullptr, MB_OK);
    if (built != 0) return;
    PutExportText(buffer.units, append, *view, marks);
}
