// Test helpers for the library: the block decoding and the reading-order
// conversion go through the program's own store code; the Codex is read here
// with XPath, independently of the builder's reader.
#include "tests/tools/library_reference.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "store/article_text.h"
#include "store/compression.h"
#include "tools/library/utf8.h"

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes DecodeBlock(const Bytes& block, int* error) {
    if (block.size() < kBlockHeaderSize) return {};
    const unsigned payloadLength = (block[0] << 8) | block[1];
    ArticleText text = UnCompress(block.data() + kPayloadOffset, block.size() - kPayloadOffset, payloadLength, error);
    if (text.size() < 2) return {};
    text.resize(text.size() - 2);
    return text;
}

std::vector<Record> SplitRecords(const Bytes& text, size_t* endOffset) {
    std::vector<Record> records;
    size_t i = 0;
    *endOffset = text.size();
    while (i < text.size() && text[i] != 0) {
        const auto terminator = std::find(text.begin() + static_cast<long>(std::min(i + 2, text.size())), text.end(), 0);
        if (i + 2 > text.size() || terminator == text.end()) return records;
        records.push_back({text[i], text[i + 1], Bytes(text.begin() + static_cast<long>(i) + 2, terminator)});
        i = static_cast<size_t>(terminator - text.begin()) + 1;
    }
    if (i < text.size()) *endOffset = i;
    return records;
}

std::u32string ReadingText(const Bytes& stored) {
    std::vector<char16_t> chars;
    const int count = static_cast<int>(stored.size());
    const int length = count + ToDisplayChars(stored.data(), count, chars, DisplayMode{kUnicodeAsciiBase, false});
    ReverseDisplayChars(chars.data(), length);
    return std::u32string(chars.begin(), chars.begin() + length);
}

int NumeralValue(std::u32string_view letters) {
    static const std::u32string kLetters = U"אבגדהוזחטיכלמנסעפצקרשת";
    static const int kValues[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400};
    int value = 0;
    for (char32_t letter : letters) {
        const size_t at = kLetters.find(letter);
        if (at == std::u32string::npos) return -1;
        value += kValues[at];
    }
    return letters.empty() ? -1 : value;
}

namespace {

constexpr char32_t kPilcrow = U'\u00B6';

void AllText(pugi::xml_node node, std::string& out) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata) out += child.value();
        AllText(child, out);
    }
}

std::u32string WordOf(pugi::xml_node w) {
    std::string utf8;
    AllText(w, utf8);
    std::u32string word = DecodeUtf8(utf8);
    std::erase(word, U'/');
    return word;
}

bool Named(pugi::xml_node node, const char* name) { return std::strcmp(node.name(), name) == 0; }
std::string TypeOf(pugi::xml_node node) { return node.attribute("type").value(); }

pugi::xml_node QereReading(pugi::xml_node note) {
    if (!Named(note, "note") || TypeOf(note) != "variant") return {};
    return note.find_child_by_attribute("rdg", "type", "x-qere");
}

void AddWord(std::u32string& text, const std::u32string& word) {
    if (!text.empty() && text.back() != U'-' && text.back() != kPilcrow) text += U' ';
    text += word;
}

void AddNode(std::u32string& text, pugi::xml_node node) {
    if (Named(node, "w")) {
        if (!QereReading(node.next_sibling())) AddWord(text, WordOf(node));
        return;
    }
    if (Named(node, "note")) {
        if (pugi::xml_node rdg = QereReading(node))
            for (pugi::xml_node part : rdg.children()) AddNode(text, part);
        return;
    }
    const std::string type = TypeOf(node);
    if (type == "x-maqqef") text += U'-';
    else if (type == "x-sof-pasuq") text += U':';
    else if (type == "x-paseq") AddWord(text, U"|");
    else if (type == "x-pe" || type == "x-samekh") text += kPilcrow;
}

// The letters with dagesh U+FB30..U+FB4A in order, '-' where Unicode has none.
constexpr std::u32string_view kDageshForms = U"אבגדהוז-טיךכל-מ-נס-ףפ-צקרשת";

// The letter and marks that a presentation form stands for, or c itself.
std::u32string Decomposition(char32_t c) {
    if (c >= 0xFB30 && c <= 0xFB4A) return {kDageshForms[c - 0xFB30], 0x05BC};
    if (c >= 0xFB2A && c <= 0xFB2D) {  // shin with shin or sin dot, the last two with dagesh
        return (c >= 0xFB2C ? U"\u05E9\u05BC" : U"\u05E9") + std::u32string(1, c % 2 == 0 ? 0x05C1 : 0x05C2);
    }
    return c == 0xFB4B ? U"\u05D5\u05B9" : std::u32string(1, c);
}

bool IsDroppedMark(char32_t c) {
    return (c >= 0x0591 && c <= 0x05AF) || c == 0x05BD || c == 0x05BF || c == 0x05C4 || c == 0x05C5 || c == 0x05C6;
}

bool IsKeptMark(char32_t c) { return (c >= 0x05B0 && c <= 0x05BC) || c == 0x05C1 || c == 0x05C2 || c == 0x05C7; }

bool HasDageshForm(char32_t letter) { return std::u32string_view(U"אחעםןףץ").find(letter) == std::u32string_view::npos; }

std::u32string Decomposed(std::u32string_view text) {
    std::u32string out;
    for (char32_t c : text) {
        if (!IsDroppedMark(c)) out += c == 0x05BA ? U"\u05B9" : c == 0x05C7 ? U"\u05B8" : Decomposition(c);
    }
    return out;
}

}  // namespace

std::vector<ReferenceVerse> ReadReferenceBook(const std::string& path) {
    pugi::xml_document document;
    std::vector<ReferenceVerse> verses;
    if (!document.load_file(path.c_str())) return verses;
    for (const pugi::xpath_node& found : document.select_nodes("//verse")) {
        ReferenceVerse verse;
        verse.ref = found.node().attribute("osisID").value();
        const size_t dot = verse.ref.find('.');
        verse.chapter = std::stoi(verse.ref.substr(dot + 1));
        verse.verse = std::stoi(verse.ref.substr(verse.ref.find('.', dot + 1) + 1));
        for (pugi::xml_node node : found.node().children()) AddNode(verse.text, node);
        if (!verse.text.empty() && verse.text.back() == kPilcrow) {
            verse.text.pop_back();
            verse.paragraphEnds = true;
        }
        verses.push_back(std::move(verse));
    }
    return verses;
}

std::u32string NormalisePointed(std::u32string_view text, int* unexpressedDagesh) {
    const std::u32string plain = Decomposed(text);
    std::u32string out;
    size_t i = 0;
    while (i < plain.size()) {
        const char32_t base = plain[i++];
        std::u32string marks;
        while (i < plain.size() && IsKeptMark(plain[i])) marks += plain[i++];
        std::sort(marks.begin(), marks.end());
        if (!HasDageshForm(base) && marks.find(0x05BC) != std::u32string::npos) {
            std::erase(marks, 0x05BC);
            ++*unexpressedDagesh;
        }
        out += base;
        out += marks;
    }
    return out;
}

const ReferenceLibrary& Reference() {
    static const ReferenceLibrary library = [] {
        ReferenceLibrary read;
        read.books = ReadBooksTable(VELMORA_DATA_DIR "/books.tsv");
        read.articles = ReadPortionsTable(VELMORA_DATA_DIR "/portions.tsv");
        for (const BookEntry& book : read.books)
            read.codex[book.book] = ReadReferenceBook(VELMORA_MORPHHB_DIR "/wlc/" + book.book + ".xml");
        return read;
    }();
    return library;
}

std::vector<ReferenceVerse> RangeVerses(const VerseRange& range) {
    const std::vector<ReferenceVerse>& book = Reference().codex.at(range.book);
    std::vector<ReferenceVerse> verses;
    bool inside = false;
    for (const ReferenceVerse& verse : book) {
        inside = inside || verse.ref == range.start;
        if (inside) verses.push_back(verse);
        if (inside && verse.ref == range.end) return verses;
    }
    ADD_FAILURE() << "range not in the Codex: " << range.start << ".." << range.end;
    return verses;
}

Bytes DecodedArticle(int article) {
    int error = -1;
    const Bytes block = ReadFileBytes(VELMORA_GENERATED_DIR "/article_" + std::to_string(1000 + article) + ".bin");
    return DecodeBlock(block, &error);
}
