#include "tools/library/codex_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tools/library/utf8.h"

namespace {

// Writes an OSIS book with the given chapter body to a scratch file.
class CodexFile {
public:
    explicit CodexFile(const std::string& chapter) {
        static int count = 0;
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        path_ = std::filesystem::temp_directory_path() / ("velmora_codex_" + test + std::to_string(++count) + ".xml");
        std::ofstream(path_) << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                "<osis xmlns=\"http://www.bibletechnologies.net/2003/OSIS/namespace\">"
                                "<osisText><header><title>x</title></header><div type=\"book\" osisID=\"Gen\">"
                                "<chapter osisID=\"Gen.1\">\n"
                             << chapter << "\n</chapter></div></osisText></osis>\n";
    }
    ~CodexFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

std::string Describe(const std::vector<CodexToken>& tokens) {
    std::string text;
    for (const CodexToken& token : tokens) {
        switch (token.kind) {
        case CodexTokenKind::kWord: text += "[" + EncodeUtf8(token.text) + "]"; break;
        case CodexTokenKind::kMaqaf: text += "-"; break;
        case CodexTokenKind::kSofPasuq: text += ":"; break;
        case CodexTokenKind::kPaseq: text += "|"; break;
        case CodexTokenKind::kOpenParagraph: text += "P"; break;
        case CodexTokenKind::kClosedParagraph: text += "S"; break;
        case CodexTokenKind::kReversedNun: text += "N"; break;
        }
    }
    return text;
}

}  // namespace

TEST(CodexReader, VersesBecomeWordsAndMarks) {
    const struct {
        const char* name;
        const char* verse;
        const char* tokens;
        int qereReadings;
    } cases[] = {
        {"separators removed, maqaf and sof pasuq",
         "<w lemma=\"b/1\">בְּ/רֵאשִׁ֖ית</w><w>עַל</w><seg type=\"x-maqqef\">־</seg><w>פְּנֵי</w><seg type=\"x-sof-pasuq\">׃</seg>",
         "[בְּרֵאשִׁ֖ית][עַל]-[פְּנֵי]:", 0},
        {"qere replaces the written form",
         "<w>הוצא</w><note type=\"variant\"><catchWord>הוצא</catchWord><rdg type=\"x-qere\"><w>הַיְצֵא</w></rdg></note><w>אִתָּ/ךְ</w>",
         "[הַיְצֵא][אִתָּךְ]", 1},
        {"qere of two words and of a maqaf pair",
         "<w>ב/גד</w><note type=\"variant\"><catchWord>ב/גד</catchWord><rdg type=\"x-qere\"><w>בָּא</w> <w>גָד</w></rdg></note>"
         "<w>מ/זה</w><note type=\"variant\"><rdg type=\"x-qere\"><w>מַה</w><seg type=\"x-maqqef\">־</seg><w>זֶּה</w></rdg></note>",
         "[בָּא][גָד][מַה]-[זֶּה]", 2},
        {"other notes ignored",
         "<w>א</w><note type=\"alternative\"><rdg type=\"x-accent\"><w>ב</w></rdg></note><note n=\"k\">remark</note><w>ג</w>",
         "[א][ג]", 0},
        {"enlarged letter kept, paseq, paragraph marks",
         "<w>שְׁמַ֖<seg type=\"x-large\">ע</seg></w><seg type=\"x-paseq\">׀</seg><w>א</w><seg type=\"x-pe\">פ</seg>"
         "<w>ב</w><seg type=\"x-samekh\">ס</seg>",
         "[שְׁמַ֖ע]|[א]P[ב]S", 0},
        {"reversed nun kept as a mark to drop", "<w>א</w><seg type=\"x-reversednun\">׆</seg>", "[א]N", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CodexFile file(std::string("<verse osisID=\"Gen.1.7\">") + c.verse + "</verse>");
        const CodexBook book = ReadCodexBook(file.Path(), "Gen");
        ASSERT_EQ(book.verses.size(), 1u);
        EXPECT_EQ(book.verses[0].ref, "Gen.1.7");
        EXPECT_EQ(book.verses[0].chapter, 1);
        EXPECT_EQ(book.verses[0].verse, 7);
        EXPECT_EQ(Describe(book.verses[0].tokens), c.tokens);
        EXPECT_EQ(book.verses[0].qereReadings, c.qereReadings);
    }
}

TEST(CodexReader, VersesKeepDocumentOrderAndAreFoundByReference) {
    CodexFile file("<verse osisID=\"Gen.1.1\"><w>א</w></verse><verse osisID=\"Gen.1.2\"><w>ב</w></verse>"
                   "<verse osisID=\"Gen.1.3\"><w>ג</w></verse>");
    const CodexBook book = ReadCodexBook(file.Path(), "Gen");
    ASSERT_EQ(book.verses.size(), 3u);
    EXPECT_EQ(FindVerse(book, "Gen.1.1"), 0);
    EXPECT_EQ(FindVerse(book, "Gen.1.3"), 2);
    EXPECT_EQ(FindVerse(book, "Gen.1.4"), -1);
    EXPECT_EQ(FindVerse(book, "Exod.1.1"), -1);
}

TEST(CodexReader, UnknownMarkupAndBadFilesAreRefused) {
    const char* bodies[] = {
        "<verse osisID=\"Gen.1.1\"><seg type=\"x-unknown\">x</seg></verse>",
        "<verse osisID=\"Gen.1.1\"><milestone/></verse>",
        "<verse osisID=\"Exod.1.1\"><w>א</w></verse>",
        "<verse osisID=\"Gen.1\"><w>א</w></verse>",
        "<verse osisID=\"Gen.1.1\"><w>א</w>",
        "",
    };
    for (const char* body : bodies) {
        SCOPED_TRACE(body);
        CodexFile file(body);
        EXPECT_THROW(ReadCodexBook(file.Path(), "Gen"), std::runtime_error);
    }
    EXPECT_THROW(ReadCodexBook("/nonexistent/Gen.xml", "Gen"), std::runtime_error);
}

TEST(CodexReader, VerseReferencesParse) {
    const struct {
        const char* text;
        bool ok;
        const char* book;
        int chapter, verse;
    } cases[] = {
        {"Gen.1.1", true, "Gen", 1, 1},   {"Deut.34.12", true, "Deut", 34, 12}, {"Gen.1", false, "", 0, 0},
        {".1.1", false, "", 0, 0},        {"Gen.x.1", false, "", 0, 0},        {"Gen.1.1a", false, "", 0, 0},
        {"Gen.0.1", false, "", 0, 0},     {"Gen.1.-1", false, "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        VerseRef ref;
        ASSERT_EQ(ParseVerseRef(c.text, ref), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(ref.book, c.book);
        EXPECT_EQ(ref.chapter, c.chapter);
        EXPECT_EQ(ref.verse, c.verse);
    }
}
