// Copy and Append in the real program, checked from outside it: the formats
// and bytes another program finds on the clipboard, the X clipboard as a Linux
// program reads it, and a real word processor's reading of the Rich Text.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "output/rich_text.h"
#include "resources/resource.h"
#include "store/article_text.h"
#include "store/compression.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/unix_host.h"
#include "tests/support/wait.h"

namespace {

constexpr uint16_t kShortArticle = 55;
constexpr uint16_t kGenesis41Article = 10;
const std::string kHeaderStart = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset177\\cpg1255 David;}}";
const std::string kSeparatorStars = "\\qc\\cf2\\fs72\\b*  *  *  *  *\\b0\\par\\par\\qr\\fs20\\cf0\r\n";

// The article as the program holds it, read from the program's own resources.
ArticleText ProgramArticle(int number) {
    std::wstring path = VelmoraCommandLine();
    path = path.substr(1, path.size() - 2);
    const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(kArticleResourceBase + number), MAKEINTRESOURCEW(10));
    const auto* block = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
    const DWORD size = SizeofResource(module, resource);
    ArticleText text;
    if (block != nullptr && size > kPayloadOffset) {
        text = UnCompress(block + kPayloadOffset, size - kPayloadOffset, (block[0] << 8) | block[1], nullptr);
    }
    FreeLibrary(module);
    return text;
}

// One line per record, LF ended, a blank line after a paragraph gap; each
// record converted in mode, presentation forms decomposed when asked.
std::u16string RecordLines(const ArticleText& text, DisplayMode mode, bool decompose) {
    std::u16string lines;
    std::vector<char16_t> chars;
    size_t pos = 0;
    while (pos + 1 < text.size() && text[pos] != 0) {
        const uint8_t attr = text[pos];
        const auto* bytes = text.data() + pos + 2;
        const int count = static_cast<int>(std::find(bytes, text.data() + text.size(), 0) - bytes);
        const int produced = count + ToDisplayChars(bytes, count, chars, mode);
        for (int i = 0; i < produced; ++i) {
            const char16_t* units = decompose ? DecomposedForm(chars[i]) : nullptr;
            if (units == nullptr) lines += chars[i];
            for (int j = 0; units != nullptr && j < 3 && units[j] != 0; ++j) lines += units[j];
        }
        lines += (attr & kAttrParagraphGap) ? u"\n\n" : u"\n";
        pos += 2 + count + 1;
    }
    return lines;
}

std::string Utf8(const std::u16string& text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::string Without(std::string text, char dropped) {
    text.erase(std::remove(text.begin(), text.end(), dropped), text.end());
    return text;
}

std::u16string Without(std::u16string text, char16_t dropped) {
    text.erase(std::remove(text.begin(), text.end(), dropped), text.end());
    return text;
}


// The non-empty lines of a text, runs of spaces as one, trimmed. A word
// processor may keep a run of spaces as spaces and six-per-em spaces, and
// begin its text file with a byte order mark.
std::vector<std::string> WordLines(const std::string& text) {
    const std::string sixPerEm = "\xE2\x80\x86", byteOrderMark = "\xEF\xBB\xBF";
    std::string spaced;
    for (size_t i = text.rfind(byteOrderMark, 0) == 0 ? byteOrderMark.size() : 0; i < text.size(); ++i) {
        const bool wide = text.compare(i, sixPerEm.size(), sixPerEm) == 0;
        spaced += wide ? ' ' : text[i];
        if (wide) i += sixPerEm.size() - 1;
    }
    std::vector<std::string> lines;
    std::istringstream in(Without(spaced, '\r'));
    for (std::string line; std::getline(in, line);) {
        std::string words;
        std::istringstream split(line);
        for (std::string word; split >> word;) words += (words.empty() ? "" : " ") + word;
        if (!words.empty()) lines.push_back(words);
    }
    return lines;
}

std::u16string UnicodeBlockText(const std::string& block) {
    std::u16string text(block.size() / 2, u'\0');
    std::copy_n(reinterpret_cast<const char*>(block.data()), text.size() * 2, reinterpret_cast<char*>(text.data()));
    return text.substr(0, text.find(u'\0'));
}

std::string UnicodeBlock(const std::u16string& text, bool terminated = true) {
    std::string block(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    if (terminated) block.append(2, '\0');
    return block;
}

// The plain text beside the Rich Text, from the record lines: the lines
// (a run of line ends makes one break) set apart by blank lines.
std::u16string PlainLines(const std::u16string& recordLines) {
    std::u16string plain;
    for (size_t start = 0; start < recordLines.size();) {
        const size_t end = std::min(recordLines.find(u'\n', start), recordLines.size());
        if (end > start) plain += (plain.empty() ? u"" : u"\r\n\r\n") + recordLines.substr(start, end - start);
        start = end + 1;
    }
    return plain.empty() ? plain : plain + u"\r\n";
}

const std::u16string kPlainStars = u"\r\n\r\n*  *  *  *  *\r\n\r\n";

std::u16string FromUtf8(const std::string& bytes) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::u16string text(n, u'\0');
    auto* wide = reinterpret_cast<wchar_t*>(text.data());
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), wide, n);
    return text;
}

// A pointed text as its letters, each with the set of its points, so that
// points which come in another order compare equal. Of the marks only the
// vowel points, dagesh and the shin and sin dots count; cantillation goes.
std::vector<std::u16string> Clusters(std::u16string_view text) {
    std::vector<std::u16string> clusters;
    for (const char16_t c : text) {
        const bool mark = c >= 0x0591 && c <= 0x05C7 && c != 0x05BE && c != 0x05C0 && c != 0x05C3 && c != 0x05C6;
        const bool point = (c >= 0x05B0 && c <= 0x05BC) || c == 0x05C1 || c == 0x05C2 || c == 0x05C7;
        if (point && !clusters.empty()) {
            std::u16string& letter = clusters.back();
            letter.insert(std::upper_bound(letter.begin() + 1, letter.end(), c), c);
        } else if (!mark) {
            clusters.emplace_back(1, c);
        }
    }
    return clusters;
}

bool HoldsInOrder(std::u16string_view text, std::u16string_view part) {
    const std::vector<std::u16string> all = Clusters(text), wanted = Clusters(part);
    return std::search(all.begin(), all.end(), wanted.begin(), wanted.end()) != all.end();
}

// Verses as the Codex has them, without cantillation, a maqaf as "-" and sof
// pasuq as ":".
const std::u16string kGenesis41v1 = u"וַיְהִי מִקֵּץ שְׁנָתַיִם יָמִים וּפַרְעֹה חֹלֵם וְהִנֵּה עֹמֵד עַל-הַיְאֹר:";
const std::u16string kGenesis41v55 =
    u"וַתִּרְעַב כָּל-אֶרֶץ מִצְרַיִם וַיִּצְעַק הָעָם אֶל-פַּרְעֹה לַלָּחֶם וַיֹּאמֶר פַּרְעֹה לְכָל-מִצְרַיִם לְכוּ "
    u"אֶל-יוֹסֵף אֲשֶׁר-יֹאמַר לָכֶם תַּעֲשׂוּ:";
const std::u16string kGenesis41v56 =
    u"וְהָרָעָב הָיָה עַל כָּל-פְּנֵי הָאָרֶץ וַיִּפְתַּח יוֹסֵף אֶת-כָּל-אֲשֶׁר בָּהֶם וַיִּשְׁבֹּר לְמִצְרַיִם וַיֶּחֱזַק "
    u"הָרָעָב בְּאֶרֶץ מִצְרָיִם:";
const std::u16string kGenesis41v57 =
    u"וְכָל-הָאָרֶץ בָּאוּ מִצְרַיְמָה לִשְׁבֹּר אֶל-יוֹסֵף כִּי-חָזַק הָרָעָב בְּכָל-הָאָרֶץ:";

// The middle of the first band of ink at or below from whose ink lies in the
// middle of the width and not in its right quarter: a centred chapter mark
// among right-aligned rows. -1 when there is none.
int CentredBand(const Capture& capture, int from) {
    const int w = capture.width;
    for (int y = from; y < capture.height;) {
        int end = y;
        while (end < capture.height && capture.CountInk(RECT{0, end, w, end + 1}) > 0) ++end;
        if (end > y && capture.CountInk(RECT{w * 2 / 5, y, w * 3 / 5, end}) > 0 &&
            capture.CountInk(RECT{w * 3 / 4, y, w, end}) == 0)
            return (y + end) / 2;
        y = end + 1;
    }
    return -1;
}

// The middle of the run of a colour along row y.
int MiddleOf(const Capture& capture, COLORREF colour, int y) {
    int left = -1, right = -1;
    for (int x = 0; x < capture.width; ++x) {
        if (capture.At(x, y) != colour) continue;
        if (left < 0) left = x;
        right = x;
    }
    return (left + right) / 2;
}
}  // namespace

class ClipboardEndToEnd : public VelmoraEndToEnd {
protected:
    void SetUp() override {
        VelmoraEndToEnd::SetUp();
        PinArticle(kShortArticle);
        folder_ = TestFolder(L"velmora-clipboard");
    }

    // Reads the X clipboard in a target into a file of the test folder.
    std::string ReadXClipboard(const char* target, const std::wstring& name) {
        const std::wstring file = folder_ + name;
        DeleteFileW(file.c_str());
        RunOnHost("xclip -selection clipboard -t " + std::string(target) + " -o > " + ShellQuote(HostPath(file)));
        return ReadWholeFile(file);
    }

    // LibreOffice's plain-text reading of a Rich Text file in the test folder.
    std::string WordProcessorText(const std::wstring& rtfName, const std::wstring& textName) {
        const std::wstring text = folder_ + textName;
        DeleteFileW(text.c_str());
        const std::string profile = "file://" + HostPath(folder_ + L"office-profile");
        RunOnHost("soffice --headless -env:UserInstallation=" + ShellQuote(profile) +
                  " --convert-to 'txt:Text (encoded):UTF8' --outdir " + ShellQuote(HostPath(folder_)) + " " +
                  ShellQuote(HostPath(folder_ + rtfName)));
        return ReadWholeFile(text);
    }

    std::wstring folder_;
};

// With a Unicode font Copy leaves Rich Text, owned by the program's window,
// and beside it the plain text of what it shows; a word processor reads the
// Rich Text as the article in reading order with its points. Append adds the
// separator and a second copy to each format; it continues a foreign
// document however large and unterminated, and when the clipboard holds no
// Rich Text starts a new document with the plain text it holds.
TEST_F(ClipboardEndToEnd, RichTextWithAUnicodeFont) {
    const ArticleText article = ProgramArticle(kShortArticle);
    ASSERT_FALSE(article.empty());
    const std::u16string reading = RecordLines(article, DisplayMode{kUnicodeAsciiBase, true}, true);
    const std::u16string plain = PlainLines(reading);
    const UINT rtf = RichTextClipboardFormat();
    const auto plainText = [] { return UnicodeBlockText(ClipboardBlock(CF_UNICODETEXT)); };
    Start();
    ASSERT_TRUE(ClearClipboard());
    SendCommand(run, IDM_COPY);
    const std::vector<UINT> formats = ClipboardFormats();
    EXPECT_NE(std::find(formats.begin(), formats.end(), rtf), formats.end());
    EXPECT_NE(std::find(formats.begin(), formats.end(), CF_UNICODETEXT), formats.end());
    EXPECT_EQ(GetClipboardOwner(), run.window);
    EXPECT_EQ(plainText(), plain);
    const std::string copied = ClipboardBlock(rtf);
    EXPECT_EQ(copied.rfind(kHeaderStart, 0), 0u);
    const size_t end = copied.find('\0');
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(copied.substr(end - 3, 3), "}\r\n");
    const std::string document = copied.substr(0, end);

    SendCommand(run, IDM_APPEND);
    const std::string twice = ClipboardBlock(rtf);
    const size_t separator = twice.find(kSeparatorStars);
    ASSERT_NE(separator, std::string::npos);
    EXPECT_EQ(twice.substr(0, separator - 4) + "}\r\n", document);
    const std::string body = document.substr(180, document.size() - 180 - 3);
    EXPECT_EQ(twice.substr(separator + kSeparatorStars.size(), body.size() + 3), body + "}\r\n");
    EXPECT_EQ(twice.find(kSeparatorStars, separator + 1), std::string::npos);
    EXPECT_EQ(plainText(), plain.substr(0, plain.size() - 2) + kPlainStars + plain);

    const std::string foreign = "{\\rtf1\\uc1 " + std::string(3 << 20, 'a');
    ASSERT_TRUE(SetClipboardBlock(rtf, foreign));
    SendCommand(run, IDM_APPEND);
    EXPECT_EQ(ClipboardBlock(rtf).substr(0, foreign.size() + 4 + kSeparatorStars.size()),
              foreign + "\\uc0" + kSeparatorStars);
    EXPECT_EQ(plainText(), plain);
    ASSERT_TRUE(SetClipboardBlock(CF_UNICODETEXT, UnicodeBlock(u"\u05D0\u05D1")));
    SendCommand(run, IDM_APPEND);
    const std::string afterText =
        document.substr(0, 180) + "\\u1488\\u1489\\par\r\n\\uc0" + kSeparatorStars + body + "}\r\n";
    EXPECT_EQ(ClipboardBlock(rtf).substr(0, afterText.size() + 1), afterText + '\0');
    EXPECT_EQ(plainText(), u"\u05D0\u05D1" + kPlainStars + plain);

    if (!HostAvailable()) GTEST_SKIP() << "the X clipboard and the word processor are read on the Linux host";
    SendCommand(run, IDM_COPY);
    const std::string fromX = ReadXClipboard("text/rtf", L"pasted.rtf");
    EXPECT_EQ(Without(fromX, '\0'), document);
    EXPECT_EQ(Without(ReadXClipboard("UTF8_STRING", L"pasted-x.txt"), '\r'), Without(Utf8(plain), '\r'));
    EXPECT_EQ(WordLines(WordProcessorText(L"pasted.rtf", L"pasted.txt")), WordLines(Utf8(reading)));
    Stop();
}

// Go to Verse puts Gen 41:55 highlighted at the top; a drag from inside it
// down to the chapter mark of chapter 42 selects 41:55 to 41:57, which shows
// in the system's selection colours and follows a scroll. Ctrl+C, as the
// user presses it, then puts those verses and their reference on the
// clipboard, as plain text and as Rich Text that a word processor reads the
// same. Escape clears the selection, and Ctrl+C then copies the whole
// article: X programs find Rich Text and UTF-8 text, which holds the first
// verse in reading order with its points.
TEST_F(ClipboardEndToEnd, DraggedVersesCopyWithTheirReferenceAndOtherwiseTheArticle) {
    PinArticle(kGenesis41Article);
    WriteDword(L"Width", 800);
    WriteDword(L"Height", 900);
    Start();
    PostMessageW(run.window, WM_COMMAND, IDM_GO_TO_VERSE, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return (dialog = FindProcessDialog(run.process.dwProcessId, L"Go to Verse")) != nullptr;
    }));
    SetDlgItemTextW(dialog, IDC_VERSE_TEXT, L"Gen 41:55");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const int top = FirstRowTop() - 1;
    Capture shown;
    // The screen may still show the closed dialog over the chapter mark.
    ASSERT_TRUE(WaitUntil([&] {
        shown = CaptureClient(run.window);
        return shown.FirstRowWith(RGB(255, 255, 0)) == top && CentredBand(shown, top) > top;
    }));
    const POINT press{MiddleOf(shown, RGB(255, 255, 0), top + 3), top + 3};
    const POINT release{shown.width / 2, CentredBand(shown, top)};
    ASSERT_GT(release.y, top) << "no chapter mark on the screen";

    Drag(press, release);
    const COLORREF selected = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_TRUE(WaitUntil([&] {
        shown = CaptureClient(run.window);
        return shown.FirstRowWith(selected) == top;
    }));
    EXPECT_GT(shown.Count(RECT{0, top, shown.width, release.y}, selected), 20000);
    EXPECT_EQ(shown.Count(RECT{0, release.y, shown.width, shown.height}, selected), 0) << "42:1 is selected too";
    SaveCaptureHere(shown, L"verse-selection.bmp");
    const int lastSelected = shown.LastRowWith(selected);
    Wheel(-120);
    EXPECT_TRUE(WaitUntil([&] { return CaptureClient(run.window).LastRowWith(selected) < lastSelected - 20; }))
        << "the selection did not follow the scroll";

    ASSERT_TRUE(ClearClipboard());
    ASSERT_TRUE(BringToFront(run.window));
    PressWithControl('C');
    ASSERT_TRUE(WaitUntil([] { return !ClipboardFormats().empty(); }));
    const std::u16string verses =
        u"(נה) " + kGenesis41v55 + u" (נו) " + kGenesis41v56 + u" (נז) " + kGenesis41v57;
    const std::u16string reference = u"Genesis 41:55–57 / בראשית מא נה–נז";
    const std::u16string copied = UnicodeBlockText(ClipboardBlock(CF_UNICODETEXT));
    const size_t lineEnd = copied.find(u"\r\n");
    EXPECT_EQ(Clusters(copied.substr(0, lineEnd)), Clusters(verses)) << Utf8(copied);
    EXPECT_EQ(copied.substr(lineEnd), u"\r\n\r\n" + reference + u"\r\n");
    if (HostAvailable()) {
        EXPECT_EQ(FromUtf8(Without(ReadXClipboard("UTF8_STRING", L"verses-x.txt"), '\r')), Without(copied, u'\r'));
        WriteWholeFile(folder_ + L"verses.rtf", ClipboardBlock(RichTextClipboardFormat()));
        EXPECT_EQ(WordLines(WordProcessorText(L"verses.rtf", L"verses.txt")), WordLines(Utf8(copied)));
    }
    SendKey(run, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return CaptureClient(run.window).FirstRowWith(selected) < 0; }));

    if (!HostAvailable()) GTEST_SKIP() << "the X clipboard is read on the Linux host";
    ASSERT_TRUE(ClearClipboard());
    ASSERT_TRUE(BringToFront(run.window));
    PressWithControl('C');
    ASSERT_TRUE(WaitUntil([] { return !ClipboardFormats().empty(); }));
    const std::string targets = ReadXClipboard("TARGETS", L"targets.txt");
    EXPECT_NE(targets.find("text/rtf"), std::string::npos) << targets;
    EXPECT_NE(targets.find("UTF8_STRING"), std::string::npos) << targets;
    const std::u16string pasted = FromUtf8(ReadXClipboard("UTF8_STRING", L"article.txt"));
    EXPECT_TRUE(HoldsInOrder(pasted, u"(א) " + kGenesis41v1)) << Utf8(pasted.substr(0, 400));
    Stop();
}

// "Gen 1:1-3", typed into Go to Verse (which opens centred on the window),
// opens Bereshit with 1:1–3 selected; the selection outlives Ctrl+Plus and a
// narrower window, and Ctrl+C copies those verses with their reference. Then
// a right click's context menu selects the verse under the pointer, Shift+F10
// opens the menu too, and the Menu key's copies the verse alone.
TEST_F(ClipboardEndToEnd, ATypedRangeOutlivesZoomAndResizeAndTheContextMenuSelectsAVerse) {
    // Without the aliyot's margin the zoomed range ends above the page's
    // bottom, where the resize can be seen to move it.
    WriteDword(L"ShowAliyot", 0);
    PinArticle(kGenesis41Article);
    Start();
    ASSERT_TRUE(BringToFront(run.window));
    PressWithControl('G');
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return IsWindowVisible(dialog = FindProcessDialog(run.process.dwProcessId, L"Go to Verse"));
    }));
    RECT outer, placed;
    GetWindowRect(run.window, &outer);
    GetWindowRect(dialog, &placed);
    EXPECT_NEAR(placed.left + placed.right, outer.left + outer.right, 2) << "not centred on the window";
    ASSERT_TRUE(BringToFront(dialog));
    TypeText(L"Gen 1:1-3");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    const COLORREF selected = GetSysColor(COLOR_HIGHLIGHT);
    int lastRow = -1;
    const auto selectionMoved = [&] {
        const int now = CaptureClient(run.window).LastRowWith(selected);
        return now >= 0 && now != std::exchange(lastRow, now);
    };
    ASSERT_TRUE(WaitUntil(selectionMoved)) << "no selection";
    PressWithControl(VK_OEM_PLUS);
    EXPECT_TRUE(WaitUntil(selectionMoved)) << "the selection went with the zoom";
    SetWindowPos(run.window, nullptr, 0, 0, (outer.right - outer.left) * 2 / 3, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(WaitUntil(selectionMoved)) << "the selection went with the resize";
    const auto copy = [](auto press) {
        ClearClipboard();
        press();
        WaitUntil([] { return !ClipboardFormats().empty(); });
        return UnicodeBlockText(ClipboardBlock(CF_UNICODETEXT));
    };
    const std::u16string range = copy([] { PressWithControl('C'); });
    EXPECT_EQ(range.rfind(u"(א) "), 0u);
    EXPECT_EQ(range.find(u"(ד)"), std::u16string::npos);
    EXPECT_NE(range.find(u"\r\n\r\nGenesis 1:1–3 / בראשית א א–ג\r\n"), std::u16string::npos);

    RECT client;
    GetClientRect(run.window, &client);
    POINT verse{client.right / 2, client.bottom * 3 / 4};
    ClientToScreen(run.window, &verse);
    SetCursorPos(verse.x, verse.y);
    INPUT clicks[2] = {{INPUT_MOUSE}, {INPUT_MOUSE}};
    clicks[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, clicks, sizeof(INPUT));
    const auto menuOpen = [&] { return IsWindowVisible(FindWindowW(L"#32768", nullptr)) != 0; };
    ASSERT_TRUE(WaitUntil(menuOpen)) << "a right click opened no menu";
    PressKey('V');
    ASSERT_TRUE(WaitUntil([&] { return !menuOpen(); }));
    PressKey(VK_F10, true);
    EXPECT_TRUE(WaitUntil(menuOpen)) << "Shift+F10 opened no menu";
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !menuOpen(); }));
    PressKey(VK_APPS);
    ASSERT_TRUE(WaitUntil(menuOpen)) << "the Menu key opened no menu";
    SaveCaptureHere(CaptureWindow(run.window), L"context-menu.bmp");
    const std::u16string one = copy([] { PressKey('C'); });
    const size_t reference = one.rfind(u"Genesis 1:");
    ASSERT_NE(reference, std::u16string::npos) << Utf8(one);
    EXPECT_EQ(one.find(u'–', reference), std::u16string::npos) << "not one verse: " << Utf8(one);
    Stop();
}

// With an 8-bit font Copy leaves Unicode text, the article's display
// characters, which X programs read as UTF-8. Append puts the article right
// after a text of two letters, and after a block with no zero unit, read
// within its size.
TEST_F(ClipboardEndToEnd, UnicodeTextWithAnEightBitFont) {
    WriteDword(L"FontAsciiBase", 224);
    const std::u16string lines = RecordLines(ProgramArticle(kShortArticle), DisplayMode{224, false}, false);
    ASSERT_FALSE(lines.empty());
    std::u16string exported;
    for (const char16_t c : lines) exported += c == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, c);
    Start();
    ASSERT_TRUE(ClearClipboard());
    SendCommand(run, IDM_COPY);
    const std::vector<UINT> formats = ClipboardFormats();
    EXPECT_NE(std::find(formats.begin(), formats.end(), CF_UNICODETEXT), formats.end());
    EXPECT_EQ(std::find(formats.begin(), formats.end(), RichTextClipboardFormat()), formats.end());
    EXPECT_EQ(UnicodeBlockText(ClipboardBlock(CF_UNICODETEXT)), exported);

    ASSERT_TRUE(SetClipboardBlock(CF_UNICODETEXT, UnicodeBlock(u"\u05D0\u05D1")));
    SendCommand(run, IDM_APPEND);
    EXPECT_EQ(UnicodeBlockText(ClipboardBlock(CF_UNICODETEXT)), u"\u05D0\u05D1" + exported);
    const std::u16string unterminated((2 << 20) + 1, u'x');
    ASSERT_TRUE(SetClipboardBlock(CF_UNICODETEXT, UnicodeBlock(unterminated, false) + "y"));
    SendCommand(run, IDM_APPEND);
    EXPECT_EQ(UnicodeBlockText(ClipboardBlock(CF_UNICODETEXT)), unterminated + exported);

    if (!HostAvailable()) GTEST_SKIP() << "the X clipboard is read on the Linux host";
    SendCommand(run, IDM_COPY);
    EXPECT_EQ(Without(ReadXClipboard("UTF8_STRING", L"pasted.txt"), '\r'), Utf8(lines));
    Stop();
}
