// The Unicode-to-codes encoder of the library builder. Text is cut into
// clusters of one base character and the marks that follow it; each cluster
// becomes one letter code, precomposed where the code table has a form for the
// letter with its dagesh, dots or point, followed by the codes of the other
// vowel points in the order they were written.
#include "tools/library/hebrew_encoder.h"

#include <algorithm>
#include <stdexcept>

#include "store/hebrew_marks.h"
#include "store/level_text.h"
#include "tools/library/utf8.h"

namespace {

constexpr char32_t kAlef = 0x05D0;
constexpr char32_t kTav = 0x05EA;
constexpr char32_t kFinalKaf = 0x05DA;
constexpr char32_t kVav = 0x05D5;
constexpr char32_t kLamed = 0x05DC;
constexpr char32_t kShin = 0x05E9;
constexpr char32_t kSheva = 0x05B0;
constexpr char32_t kQamats = 0x05B8;
constexpr char32_t kHolam = 0x05B9;
constexpr char32_t kHolamHaserForVav = 0x05BA;
constexpr char32_t kDagesh = 0x05BC;
constexpr char32_t kShinDot = 0x05C1;
constexpr char32_t kSinDot = 0x05C2;
constexpr char32_t kQamatsQatan = 0x05C7;

bool IsLetter(char32_t c) { return c >= kAlef && c <= kTav; }
bool IsMark(char32_t c) {
    return (c >= 0x0591 && c <= 0x05BD) || c == 0x05BF || c == kShinDot || c == kSinDot || c == 0x05C4 ||
           c == 0x05C5 || c == kQamatsQatan;
}

// Code of a vowel point U+05B0..U+05BB, or 0.
uint8_t PointCode(char32_t c) {
    switch (c) {
    case 0x05B4: return 0x15;
    case 0x05B8: return 0x16;
    case 0x05B7: return 0x17;
    case 0x05B5: return 0x18;
    case 0x05B6: return 0x19;
    case 0x05BB: return 0x1A;
    case 0x05B0: return 0x1B;
    case 0x05B3: return 0x1C;
    case 0x05B2: return 0x1D;
    case 0x05B1: return 0x1E;
    case 0x05B9: return 0x1F;
    }
    return 0;
}

// Code of a letter with dagesh (mapiq for he), or 0 where the table has none.
uint8_t DageshCode(char32_t letter) {
    static constexpr struct {
        char32_t letter;
        uint8_t code;
    } kForms[] = {
        {0x05D1, 0x45}, {0x05D2, 0x46}, {0x05D3, 0x47}, {0x05D4, 0x48}, {0x05D5, 0x49},
        {0x05D6, 0x4A}, {0x05D8, 0x4B}, {0x05D9, 0x4C}, {0x05DA, 0x4D}, {0x05DB, 0x4E},
        {0x05DC, 0x4F}, {0x05DE, 0x50}, {0x05E0, 0x51}, {0x05E1, 0x52}, {0x05E4, 0x53},
        {0x05E6, 0x54}, {0x05E7, 0x55}, {0x05E8, 0x14}, {0x05E9, 0x56}, {0x05EA, 0x57},
    };
    for (const auto& form : kForms)
        if (form.letter == letter) return form.code;
    return 0;
}

uint8_t PlainLetterCode(char32_t letter) { return static_cast<uint8_t>(0x61 + (letter - kAlef)); }

// The marks of one letter, sorted by what they become.
struct Cluster {
    char32_t letter = 0;
    bool dagesh = false;
    bool shinDot = false;
    bool sinDot = false;
    std::u32string points;  // vowel points in written order
    std::u32string written;  // every mark kept, in written order, points as coded
};

std::string Hex(char32_t c) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "U+";
    for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(c >> shift) & 0xF];
    return text;
}

struct Context {
    const std::string& where;
    std::u32string_view text;
    DropReport& report;
    std::vector<CodedLetterMarks>* marks;
};

void Inexpressible(Context& context, char32_t mark, char32_t letter) {
    std::string what = Hex(mark) + " on ";
    what += letter == 0 ? std::string("no letter") : Hex(letter) + " " + EncodeUtf8(std::u32string(1, letter));
    context.report.inexpressible.push_back({context.where, EncodeUtf8(context.text), what});
}

const char* DroppedKind(char32_t mark) {
    if (mark >= 0x0591 && mark <= 0x05AF) return "cantillation (U+0591..U+05AF)";
    switch (mark) {
    case 0x05BD: return "meteg (U+05BD)";
    case 0x05BF: return "rafe (U+05BF)";
    case 0x05C4: return "upper dot (U+05C4)";
    }
    return "lower dot (U+05C5)";
}

// Files one mark under its cluster, or counts it as dropped or substituted.
void TakeMark(char32_t mark, Cluster& cluster, Context& context) {
    if (IsLayerMark(static_cast<char16_t>(mark))) {
        if (context.marks == nullptr || cluster.letter == 0) ++context.report.droppedMarks[DroppedKind(mark)];
        else cluster.written += mark;
    } else if (cluster.letter == 0) {
        Inexpressible(context, mark, 0);
    } else if (mark == kDagesh) {
        cluster.dagesh = true;
        cluster.written += mark;
    } else if (mark == kShinDot || mark == kSinDot) {
        if (cluster.letter != kShin) Inexpressible(context, mark, cluster.letter);
        else (mark == kShinDot ? cluster.shinDot : cluster.sinDot) = true;
        cluster.written += mark;
    } else if (mark == kHolamHaserForVav) {
        ++context.report.substitutions["holam haser for vav (U+05BA) coded as holam"];
        cluster.points += kHolam;
        cluster.written += kHolam;
    } else if (mark == kQamatsQatan) {
        ++context.report.substitutions["qamats qatan (U+05C7) coded as qamats"];
        cluster.points += kQamats;
        cluster.written += kQamats;
    } else {
        cluster.points += mark;
        cluster.written += mark;
    }
}

// Removes the first of the points from the cluster; false when none is there.
bool TakePoint(Cluster& cluster, char32_t point) {
    const size_t at = cluster.points.find(point);
    if (at == std::u32string::npos) return false;
    cluster.points.erase(at, 1);
    return true;
}

uint8_t ShinCode(Cluster& cluster, Context& context) {
    if (cluster.shinDot && cluster.sinDot) Inexpressible(context, kSinDot, kShin);
    if (cluster.shinDot) return cluster.dagesh ? 0x43 : 0x41;
    if (cluster.sinDot) return cluster.dagesh ? 0x44 : 0x42;
    return cluster.dagesh ? 0x56 : PlainLetterCode(kShin);
}

// The letter's code; a point that the code includes is taken from the cluster.
uint8_t LetterCode(Cluster& cluster, Context& context) {
    const char32_t letter = cluster.letter;
    if (letter == kShin) return ShinCode(cluster, context);
    if (letter == kFinalKaf && TakePoint(cluster, kQamats)) return cluster.dagesh ? 0x11 : 0x10;
    if (letter == kFinalKaf && TakePoint(cluster, kSheva)) return cluster.dagesh ? 0x13 : 0x12;
    if (letter == kLamed && TakePoint(cluster, kHolam)) return cluster.dagesh ? 0x59 : 0x5A;
    if (letter == kVav && !cluster.dagesh && TakePoint(cluster, kHolam)) return 0x58;
    if (!cluster.dagesh) return PlainLetterCode(letter);
    if (const uint8_t code = DageshCode(letter)) return code;
    Inexpressible(context, kDagesh, letter);
    return PlainLetterCode(letter);
}

// Whether a written mark is one that the letter's code and points carry.
bool IsExpressed(char32_t mark, const LetterForm& form) {
    if (IsLayerMark(static_cast<char16_t>(mark))) return false;
    if (mark != kDagesh && mark != kShinDot && mark != kSinDot) return true;
    return std::find(form.marks, form.marks + form.markCount, mark) != form.marks + form.markCount;
}

// The layer marks of the letter just coded, each with the number of
// expressed marks written after it; the letter must read back with exactly
// the marks it keeps, in the order they were written.
void CollectLayerMarks(const Cluster& cluster, size_t code, Context& context, std::vector<uint8_t>& codes) {
    const LetterForm form = LetterFormOfCode(codes[code]);
    CodedLetterMarks coded{code, {}};
    std::u16string expected(1, static_cast<char16_t>(cluster.letter));
    for (size_t i = 0; i < cluster.written.size(); ++i) {
        const char32_t mark = cluster.written[i];
        if (IsExpressed(mark, form)) expected += static_cast<char16_t>(mark);
        if (!IsLayerMark(static_cast<char16_t>(mark))) continue;
        const auto after = std::count_if(cluster.written.begin() + static_cast<long>(i) + 1, cluster.written.end(),
                                         [&form](char32_t m) { return IsExpressed(m, form); });
        if (coded.marks.count == kMaxLayerMarks || after > kMaxMarksBefore) {
            throw std::runtime_error(context.where + ": too many marks on a letter of " + EncodeUtf8(context.text));
        }
        expected += static_cast<char16_t>(mark);
        coded.marks.marks[coded.marks.count++] = LayerMark{static_cast<char16_t>(mark), static_cast<uint8_t>(after)};
    }
    std::u16string read;
    const int points = static_cast<int>(codes.size() - code - 1);
    AppendLetterAtLevel(codes[code], codes.data() + code + 1, points, &coded.marks, TextLevel::kCantillation, read);
    if (read != expected) {
        throw std::runtime_error(context.where + ": a letter of " + EncodeUtf8(context.text) +
                                 " does not read back with its marks in the written order");
    }
    if (coded.marks.count > 0) context.marks->push_back(coded);
}

void EncodeCluster(Cluster& cluster, Context& context, std::vector<uint8_t>& codes) {
    const size_t code = codes.size();
    codes.push_back(LetterCode(cluster, context));
    for (char32_t point : cluster.points) codes.push_back(PointCode(point));
    if (context.marks != nullptr) CollectLayerMarks(cluster, code, context, codes);
}

// Code of a character that is not a letter or mark, or 0 when it is dropped.
uint8_t OtherCode(char32_t c, Context& context) {
    if (c == 0x05BE) return '-';
    if (c == 0x05C3) return ':';
    if (c == 0x05C0) return '|';
    if (c == 0x05C6) {
        ++context.report.droppedMarks["nun hafukha (U+05C6)"];
        return 0;
    }
    if ((c >= 0x20 && c <= 0x40) || (c >= 0x5B && c <= 0x60) || c == '|') return static_cast<uint8_t>(c);
    throw std::runtime_error(context.where + ": no code for " + Hex(c) + " in " + EncodeUtf8(context.text));
}

}  // namespace

void AppendHebrewCodes(std::u32string_view text, const std::string& where, std::vector<uint8_t>& codes,
                       DropReport& report, std::vector<CodedLetterMarks>* marks) {
    Context context{where, text, report, marks};
    Cluster cluster;
    for (char32_t c : text) {
        if (IsMark(c)) {
            TakeMark(c, cluster, context);
            continue;
        }
        if (cluster.letter != 0) EncodeCluster(cluster, context, codes);
        cluster = Cluster{};
        if (IsLetter(c)) {
            cluster.letter = c;
        } else if (const uint8_t code = OtherCode(c, context)) {
            codes.push_back(code);
        }
    }
    if (cluster.letter != 0) EncodeCluster(cluster, context, codes);
}

// Only () and [] can occur: 0x7B is the code of tav, so braces are never coded.
std::vector<uint8_t> ToVisualOrder(const std::vector<uint8_t>& readingCodes) {
    std::vector<uint8_t> visual(readingCodes.rbegin(), readingCodes.rend());
    for (uint8_t& code : visual) {
        switch (code) {
        case '(': code = ')'; break;
        case ')': code = '('; break;
        case '[': code = ']'; break;
        case ']': code = '['; break;
        }
    }
    return visual;
}

std::vector<uint8_t> EncodePlainHebrew(std::u32string_view text, const std::string& where, DropReport& report) {
    std::vector<uint8_t> codes;
    AppendHebrewCodes(text, where, codes, report);
    return codes;
}
