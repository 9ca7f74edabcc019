#include "tools/library/codex_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tools/library/utf8.h"

namespace {

// An OSIS book with the given chapter body, in a scratch file named after the
// test while it lives.
struct CodexFile {
    explicit CodexFile(const std::string& chapter) {
        std::ofstream(path) << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                               "<osis xmlns=\"http://www.bibletechnologies.net/2003/OSIS/namespace\">"
                               "<osisText><header><title>x</title></header><div type=\"book\" osisID=\"Gen\">"
                               "<chapter osisID=\"Gen.1\">\n"
                            << chapter << "\n</chapter></div></osisText></osis>\n";
    }
    ~CodexFile() { std::filesystem::remove(path); }
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
        ("velmora_codex_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".xml");
};

// Words in brackets, marks as one character each, in the order of CodexTokenKind.
std::string Describe(const std::vector<CodexToken>& tokens) {
    std::string text;
    for (const CodexToken& token : tokens) {
        const char mark = "W-:|PSN"[static_cast<size_t>(token.kind)];
        text += token.kind == CodexTokenKind::kWord ? "[" + EncodeUtf8(token.text) + "]" : std::string(1, mark);
    }
    return text;
}

}  // namespace

// The qere replaces the written form, also by two words or by a maqaf pair;
// other notes are left out. The reading of every construct the Torah uses is
// checked against the Codex by the library round trip.
TEST(CodexReader, VersesBecomeWordsAndMarks) {
    CodexFile file("<verse osisID=\"Gen.1.7\">"
                   "<w>ב/גד</w><note type=\"variant\"><catchWord>ב/גד</catchWord>"
                   "<rdg type=\"x-qere\"><w>בָּא</w> <w>גָד</w></rdg></note>"
                   "<w>א</w><note type=\"alternative\"><rdg type=\"x-accent\"><w>ב</w></rdg></note>"
                   "<note n=\"k\">remark</note>"
                   "<w>מ/זה</w><note type=\"variant\"><rdg type=\"x-qere\">"
                   "<w>מַה</w><seg type=\"x-maqqef\">־</seg><w>זֶּה</w></rdg></note>"
                   "<w>אִתָּ/ךְ</w><seg type=\"x-sof-pasuq\">׃</seg><seg type=\"x-pe\">פ</seg></verse>");
    const CodexBook book = ReadCodexBook(file.path, "Gen");
    ASSERT_EQ(book.verses.size(), 1u);
    EXPECT_EQ(book.verses[0].ref, "Gen.1.7");
    EXPECT_EQ(book.verses[0].chapter, 1);
    EXPECT_EQ(book.verses[0].verse, 7);
    EXPECT_EQ(Describe(book.verses[0].tokens), "[בָּא][גָד][א][מַה]-[זֶּה][אִתָּךְ]:P");
    EXPECT_EQ(book.verses[0].qereReadings, 2);
}

// Also the references that do not parse.
TEST(CodexReader, UnknownMarkupAndBadFilesAreRefused) {
    const char* bodies[] = {
        "<verse osisID=\"Gen.1.1\"><seg type=\"x-unknown\">x</seg></verse>",
        "<verse osisID=\"Gen.1.1\"><milestone/></verse>",
        "<verse osisID=\"Gen.1.1\"><w>א</w>",
        "",
    };
    for (const char* body : bodies) {
        SCOPED_TRACE(body);
        CodexFile file(body);
        EXPECT_THROW(ReadCodexBook(file.path, "Gen"), std::runtime_error);
    }
    for (const char* ref : {"Exod.1.1", "Gen.1", ".1.1", "Gen.x.1", "Gen.1.1a", "Gen.0.1", "Gen.1.-1"}) {
        SCOPED_TRACE(ref);
        CodexFile file(std::string("<verse osisID=\"") + ref + "\"><w>א</w></verse>");
        EXPECT_THROW(ReadCodexBook(file.path, "Gen"), std::runtime_error);
    }
    EXPECT_THROW(ReadCodexBook("/nonexistent/Gen.xml", "Gen"), std::runtime_error);
}
