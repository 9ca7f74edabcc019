// Walks the verse elements of an OSIS book of the Codex. Words lose their
// morpheme separators; a written form followed by a variant note with a qere
// reading gives way to the words and marks of that reading; other notes
// (alternative accents, editorial remarks) are ignored.
#include "tools/library/codex_reader.h"

#include <pugixml.hpp>

#include <charconv>
#include <cstring>
#include <stdexcept>

#include "tools/library/utf8.h"

namespace {

bool IsElement(pugi::xml_node node, const char* name) {
    return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

bool HasType(pugi::xml_node node, const char* type) { return std::strcmp(node.attribute("type").value(), type) == 0; }

pugi::xml_node NextElement(pugi::xml_node node) {
    node = node.next_sibling();
    while (node && node.type() != pugi::node_element) node = node.next_sibling();
    return node;
}

pugi::xml_node QereOf(pugi::xml_node note) {
    if (!IsElement(note, "note") || !HasType(note, "variant")) return {};
    for (pugi::xml_node rdg : note.children("rdg"))
        if (HasType(rdg, "x-qere")) return rdg;
    return {};
}

void CollectText(pugi::xml_node node, std::string& out) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) out += child.value();
        else if (child.type() == pugi::node_element) CollectText(child, out);
    }
}

// A word's letters; an enlarged letter is kept as a plain letter.
std::u32string WordText(pugi::xml_node w) {
    std::string utf8;
    CollectText(w, utf8);
    std::u32string text = DecodeUtf8(utf8);
    std::erase(text, U'/');
    return text;
}

void AppendSeg(pugi::xml_node seg, const std::string& ref, std::vector<CodexToken>& tokens) {
    static const struct {
        const char* type;
        CodexTokenKind kind;
    } kSegs[] = {
        {"x-maqqef", CodexTokenKind::kMaqaf},
        {"x-sof-pasuq", CodexTokenKind::kSofPasuq},
        {"x-paseq", CodexTokenKind::kPaseq},
        {"x-pe", CodexTokenKind::kOpenParagraph},
        {"x-samekh", CodexTokenKind::kClosedParagraph},
        {"x-reversednun", CodexTokenKind::kReversedNun},
    };
    for (const auto& entry : kSegs) {
        if (HasType(seg, entry.type)) {
            tokens.push_back({entry.kind, {}});
            return;
        }
    }
    throw std::runtime_error(ref + ": unknown seg type " + seg.attribute("type").value());
}

// Words and maqafs of a qere reading.
void AppendReading(pugi::xml_node rdg, const std::string& ref, std::vector<CodexToken>& tokens) {
    for (pugi::xml_node child : rdg.children()) {
        if (IsElement(child, "w")) tokens.push_back({CodexTokenKind::kWord, WordText(child)});
        else if (IsElement(child, "seg")) AppendSeg(child, ref, tokens);
    }
}

void ReadVerse(pugi::xml_node element, CodexVerse& verse) {
    for (pugi::xml_node child = element.first_child(); child; child = NextElement(child)) {
        if (child.type() != pugi::node_element) continue;
        if (IsElement(child, "w")) {
            // A written form with a reading is replaced by the reading that follows it.
            if (!QereOf(NextElement(child))) verse.tokens.push_back({CodexTokenKind::kWord, WordText(child)});
        } else if (IsElement(child, "seg")) {
            AppendSeg(child, verse.ref, verse.tokens);
        } else if (IsElement(child, "note")) {
            if (pugi::xml_node rdg = QereOf(child)) {
                AppendReading(rdg, verse.ref, verse.tokens);
                ++verse.qereReadings;
            }
        } else {
            throw std::runtime_error(verse.ref + ": unknown element " + child.name());
        }
    }
}

bool ParseNumber(std::string_view text, int& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && value > 0;
}

void CollectVerses(pugi::xml_node node, CodexBook& book) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) continue;
        if (!IsElement(child, "verse")) {
            CollectVerses(child, book);
            continue;
        }
        CodexVerse verse;
        verse.ref = child.attribute("osisID").value();
        VerseRef ref;
        if (!ParseVerseRef(verse.ref, ref) || ref.book != book.book)
            throw std::runtime_error("verse with a bad reference: " + verse.ref);
        verse.chapter = ref.chapter;
        verse.verse = ref.verse;
        ReadVerse(child, verse);
        book.verses.push_back(std::move(verse));
    }
}

}  // namespace

bool ParseVerseRef(std::string_view text, VerseRef& ref) {
    const size_t firstDot = text.find('.');
    if (firstDot == std::string_view::npos || firstDot == 0) return false;
    const size_t secondDot = text.find('.', firstDot + 1);
    if (secondDot == std::string_view::npos) return false;
    ref.book = std::string(text.substr(0, firstDot));
    return ParseNumber(text.substr(firstDot + 1, secondDot - firstDot - 1), ref.chapter) &&
           ParseNumber(text.substr(secondDot + 1), ref.verse);
}

CodexBook ReadCodexBook(const std::string& path, const std::string& book) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(path.c_str());
    if (!parsed) throw std::runtime_error(path + ": " + parsed.description());
    CodexBook result;
    result.book = book;
    CollectVerses(document.document_element(), result);
    if (result.verses.empty()) throw std::runtime_error(path + ": no verses of " + book);
    return result;
}

int FindVerse(const CodexBook& book, const std::string& ref) {
    for (size_t i = 0; i < book.verses.size(); ++i)
        if (book.verses[i].ref == ref) return static_cast<int>(i);
    return -1;
}
