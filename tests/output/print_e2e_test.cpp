// Printing from the real program to a PDF queue: the page set-up dialog is
// driven from here, the stored set-up read from the registry and the pages
// read back from the PDF files the queue writes.
#include <gtest/gtest.h>

#include <algorithm>

#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "store/article_text.h"
#include "store/compression.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/pdf_output.h"
#include "tests/support/wait.h"

namespace {

constexpr int kPrint = 40008, kZoomIn = 40101;
constexpr int kLeftMarginEdit = 0x483;
constexpr int kLandscapeButton = 0x421;
constexpr int kPrinterButton = 0x402;
constexpr int kPrinterList = 0x473;
constexpr wchar_t kLongPrinter[] = L"VelmoraPDF-on-a-print-server-down-the-hall";
constexpr uint16_t kShortArticle = 57;
constexpr uint16_t kLargestArticle = 35;

// A visible dialog of a process, found by its caption or, without one, by a
// control it holds (the captions of the system's dialogs differ by system).
struct FoundWindow {
    DWORD process;
    const wchar_t* title;
    int item;
    HWND window;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<FoundWindow*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    if (process != found->process || !IsWindowVisible(window)) return TRUE;
    const bool match = found->title != nullptr ? lstrcmpW(title, found->title) == 0
                                               : GetDlgItem(window, found->item) != nullptr;
    if (!match) return TRUE;
    found->window = window;
    return FALSE;
}

// The base letter of a Hebrew presentation form U+FB1D..U+FB4E (0 where none
// is assigned or it is no letter), as a text extractor decomposes them: a
// font's shaping draws some letters with their points as these forms.
constexpr wchar_t kFirstPresentationForm = 0xFB1D;
constexpr wchar_t kPresentationBases[] = {
    0x5D9, 0,     0,     0x5E2, 0x5D0, 0x5D3, 0x5D4, 0x5DB, 0x5DC, 0x5DD, 0x5E8, 0x5EA, 0,
    0x5E9, 0x5E9, 0x5E9, 0x5E9, 0x5D0, 0x5D0, 0x5D0, 0x5D1, 0x5D2, 0x5D3, 0x5D4, 0x5D5, 0x5D6, 0,
    0x5D8, 0x5D9, 0x5DA, 0x5DB, 0x5DC, 0,     0x5DE, 0,     0x5E0, 0x5E1, 0,     0x5E3, 0x5E4, 0,
    0x5E6, 0x5E7, 0x5E8, 0x5E9, 0x5EA, 0x5D5, 0x5D1, 0x5DB, 0x5E4,
};

constexpr uint8_t kReshWithDagesh = 0x14;

// The Hebrew letters of a text in order, without points, marks or anything else.
std::wstring Letters(const std::wstring& text) {
    std::wstring letters;
    for (wchar_t c : text) {
        if (c >= kFirstPresentationForm && c <= 0xFB4E) c = kPresentationBases[c - kFirstPresentationForm];
        if (c >= 0x5D0 && c <= 0x5EA) letters += c;
    }
    return letters;
}

// The article's Hebrew letters in reading order, from the program's own resource.
std::wstring ArticleLetters(int number) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe(path);
    exe.replace(exe.find_last_of(L"\\/") + 1, std::wstring::npos, L"Velmora.exe");
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = module != nullptr ? FindResourceW(module, MAKEINTRESOURCEW(1000 + number), RT_RCDATA) : nullptr;
    if (resource == nullptr) return {};
    const auto* block = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
    const size_t size = SizeofResource(module, resource);
    const ArticleText text = UnCompress(block + kPayloadOffset, size - kPayloadOffset, (block[0] << 8) | block[1], nullptr);
    FreeLibrary(module);
    std::wstring letters;
    for (size_t pos = 0; pos + 1 < text.size() && text[pos] != 0;) {
        const uint8_t attr = text[pos];
        std::wstring record;
        for (pos += 2; pos < text.size() && text[pos] != 0; ++pos) {
            // The test queue's conversion to PDF gives resh with dagesh the
            // character code of a tilde, so that letter is left out on both sides.
            if (text[pos] == kReshWithDagesh) continue;
            const Glyph glyph = GlyphForCode(text[pos], kUnicodeAsciiBase);
            record += static_cast<wchar_t>(glyph.first);
            if (glyph.count == 2) record += static_cast<wchar_t>(glyph.second);
        }
        ++pos;
        record = Letters(record);
        if (attr & kAttrRightToLeft) record.assign(record.rbegin(), record.rend());
        letters += record;
    }
    return letters;
}

std::wstring ItemText(HWND dialog, int id) {
    wchar_t text[64] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, id), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                        &result);
    return text;
}

}  // namespace

class PrintEndToEnd : public VelmoraEndToEnd {
protected:
    void SetUp() override {
        if (!PdfToolsAvailable()) GTEST_SKIP() << "needs Wine with a PDF queue and the poppler tools";
        VelmoraEndToEnd::SetUp();
    }

    // A visible top-level window of the program with this caption (none: the
    // page set-up dialog), or none.
    HWND FindProgramWindow(const wchar_t* title, int item = kLeftMarginEdit) {
        FoundWindow found{run.process.dwProcessId, title, item, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&found));
        return found.window;
    }

    HWND WaitForProgramWindow(const wchar_t* title, int item = kLeftMarginEdit) {
        HWND window = nullptr;
        WaitUntil([&] { return (window = FindProgramWindow(title, item)) != nullptr; });
        return window;
    }

    // The short article at 10 points, which fits one page.
    void StartOnShortArticle() {
        UseTestFont(10);
        PinArticle(kShortArticle);
        Start();
    }

    // Posts the Print command, which stays in the dialog's loop, and waits for
    // the dialog; the PDF files there were before are kept in pdfsBefore.
    HWND OpenPageSetup() {
        pdfsBefore = PdfFiles();
        PostMessageW(run.window, WM_COMMAND, kPrint, 0);
        return WaitForProgramWindow(nullptr);
    }

    // Prints with the dialog's OK button and returns the new PDF file.
    std::string PrintWithOk() {
        HWND dialog = OpenPageSetup();
        if (dialog == nullptr) return {};
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        return WaitForNewPdf(pdfsBefore);
    }

    std::vector<std::string> pdfsBefore;

    // Every page has the header mark and its numbered footer, and the pages'
    // letters in the order they were drawn are the article's. Each page draws
    // its frame after its rows, so its header mark comes last.
    void ExpectWholeArticle(const std::string& pdf, uint16_t article) {
        const int pages = PdfPageCount(pdf);
        std::wstring printed;
        for (int page = 1; page <= pages; ++page) {
            SCOPED_TRACE(page);
            const std::wstring text = PdfPageText(pdf, page);
            EXPECT_NE(text.find(L"www.tarnwick.example -- Velmora"), std::wstring::npos);
            EXPECT_NE(text.find(L"Page " + std::to_wstring(page)), std::wstring::npos);
            // Some faces' narrow quotation mark is extracted with spaces round it.
            std::wstring packed = text;
            packed.erase(std::remove(packed.begin(), packed.end(), L' '), packed.end());
            EXPECT_NE(packed.find(L"\u05D1\u05E1\"\u05D3"), std::wstring::npos) << "header mark";
            std::wstring letters = Letters(PdfPageText(pdf, page, true));
            ASSERT_GE(letters.size(), 3u);
            EXPECT_EQ(letters.substr(letters.size() - 3), L"\u05D1\u05E1\u05D3");
            letters.resize(letters.size() - 3);
            EXPECT_FALSE(letters.empty()) << "a page without text";
            printed += letters;
        }
        const std::wstring expected = ArticleLetters(article);
        EXPECT_GT(expected.size(), 500u);
        EXPECT_TRUE(printed == expected) << printed.size() << " letters printed, " << expected.size() << " expected";
    }
};

TEST_F(PrintEndToEnd, FirstPrintStoresTheSetUpAndPrintsTheWholeArticle) {
    const struct {
        uint16_t article;
        int fontSize;
        int pages;  // 0: more than one
    } cases[] = {{kShortArticle, 10, 1}, {kLargestArticle, 20, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.article);
        ClearProgramKeys();
        UseTestFont(c.fontSize);
        PinArticle(c.article);
        Start();
        HWND dialog = OpenPageSetup();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(std::wcstod(ItemText(dialog, kLeftMarginEdit).c_str(), nullptr), 1.0) << "one inch";
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        const std::string pdf = WaitForNewPdf(pdfsBefore);
        ASSERT_FALSE(pdf.empty());
        Stop();
        for (const wchar_t* name : {L"PrintTop", L"PrintBottom", L"PrintLeft", L"PrintRight"}) {
            EXPECT_EQ(ReadDword(name).value_or(0), 1000u) << name;
        }
        EXPECT_EQ(ValueType(L"DevMode"), static_cast<DWORD>(REG_BINARY));
        EXPECT_GE(ReadBinary(L"DevMode").value_or(std::vector<BYTE>{}).size(), sizeof(DEVMODEW));
        if (c.pages > 0) EXPECT_EQ(PdfPageCount(pdf), c.pages);
        else EXPECT_GT(PdfPageCount(pdf), 1);
        ExpectWholeArticle(pdf, c.article);
    }
}

// Zooming is for the screen: the page is printed in the size chosen, on the
// one page the short article takes at 10 points, not at the 72 zoomed to.
TEST_F(PrintEndToEnd, ThePageKeepsTheChosenSizeWhateverTheZoom) {
    StartOnShortArticle();
    for (int step = 0; step < 13; ++step) PostMessageW(run.window, WM_COMMAND, kZoomIn, 0);
    const std::string pdf = PrintWithOk();
    ASSERT_FALSE(pdf.empty());
    Stop();
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_EQ(ReadDword(L"FontSize"), 10u);
}

TEST_F(PrintEndToEnd, SecondPrintOpensWithTheStoredSetUp) {
    StartOnShortArticle();
    ASSERT_FALSE(PrintWithOk().empty());
    // A landscape device mode and other margins, as if chosen last time.
    std::vector<BYTE> stored = ReadBinary(L"DevMode").value_or(std::vector<BYTE>{});
    ASSERT_GE(stored.size(), sizeof(DEVMODEW));
    auto* mode = reinterpret_cast<DEVMODEW*>(stored.data());
    mode->dmFields |= DM_ORIENTATION;
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    WriteBinary(L"DevMode", stored);
    WriteDword(L"PrintLeft", 500);
    HWND dialog = OpenPageSetup();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(std::wcstod(ItemText(dialog, kLeftMarginEdit).c_str(), nullptr), 0.5);
    DWORD_PTR landscape = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, kLandscapeButton), BM_GETCHECK, 0, 0, SMTO_BLOCK, 5000, &landscape);
    EXPECT_EQ(landscape, static_cast<DWORD_PTR>(BST_CHECKED));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const std::string pdf = WaitForNewPdf(pdfsBefore);
    ASSERT_FALSE(pdf.empty());
    Stop();
    EXPECT_EQ(PdfInfoField(pdf, "Page rot"), "90") << "landscape";
    EXPECT_EQ(ReadDword(L"PrintLeft").value_or(0), 500u);
}

TEST_F(PrintEndToEnd, CancelPrintsNothingAndShowsNoBox) {
    StartOnShortArticle();
    HWND dialog = OpenPageSetup();
    ASSERT_NE(dialog, nullptr);
    // The second Print waits in the queue behind Cancel: a box shown after the
    // cancel would be up when the second dialog opens.
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    PostMessageW(run.window, WM_COMMAND, kPrint, 0);
    ASSERT_TRUE(WaitUntil([&] {
        HWND second = FindProgramWindow(nullptr);
        return second != nullptr && second != dialog;
    }));
    EXPECT_EQ(FindProgramWindow(L"Error Printing"), nullptr);
    PostMessageW(FindProgramWindow(nullptr), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindProgramWindow(nullptr) == nullptr; }));
    Stop();
    EXPECT_EQ(ValueType(L"DevMode"), static_cast<DWORD>(REG_NONE));
    EXPECT_EQ(ValueType(L"PrintTop"), static_cast<DWORD>(REG_NONE));
    EXPECT_EQ(PdfFiles(), pdfsBefore);
}

TEST_F(PrintEndToEnd, UnusableStoredDeviceModesFallBackToTheDefaultPrinter) {
    std::vector<BYTE> garbage(300, 0xA5);
    std::vector<BYTE> noPrinter(sizeof(DEVMODEW), 0);
    auto* mode = reinterpret_cast<DEVMODEW*>(noPrinter.data());
    lstrcpyW(mode->dmDeviceName, L"No Such Printer");
    mode->dmSize = sizeof(DEVMODEW);
    std::vector<BYTE> truncated = noPrinter;
    lstrcpyW(reinterpret_cast<DEVMODEW*>(truncated.data())->dmDeviceName, L"VelmoraPDF");
    reinterpret_cast<DEVMODEW*>(truncated.data())->dmDriverExtra = 200;
    const struct {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {{"garbage", garbage}, {"no such printer", noPrinter}, {"shorter than its sizes", truncated}};
    StartOnShortArticle();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBinary(L"DevMode", c.bytes);
        const std::string pdf = PrintWithOk();
        ASSERT_FALSE(pdf.empty());
        EXPECT_EQ(PdfPageCount(pdf), 1);
        EXPECT_NE(ReadBinary(L"DevMode"), std::optional<std::vector<BYTE>>(c.bytes)) << "the dialog's device mode is stored";
    }
    Stop();
}

// A face the printer would not print with TrueType outlines is replaced by a
// TrueType Hebrew face, which prints the Hebrew letters whether the chosen
// face kept them at their Unicode places or at 224.
TEST_F(PrintEndToEnd, AFaceWithoutTrueTypeOutlinesPrintsInAnother) {
    for (const DWORD base : {0x5D0u, 224u}) {
        SCOPED_TRACE(base);
        UseTestFont(10);
        WriteString(L"FontName", L"David CLM");
        WriteDword(L"FontAsciiBase", base);
        PinArticle(kShortArticle);
        Start();
        const std::string pdf = PrintWithOk();
        ASSERT_FALSE(pdf.empty());
        EXPECT_EQ(RunHostShell("pdffonts '" + pdf + "' | grep -c David"), "0\n");
        ExpectWholeArticle(pdf, kShortArticle);
        Stop();
    }
}

TEST_F(PrintEndToEnd, MarginsThatLeaveNoRoomAreRefused) {
    WriteDword(L"PrintLeft", 4000);
    WriteDword(L"PrintRight", 4500);
    StartOnShortArticle();
    HWND dialog = OpenPageSetup();
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    HWND box = WaitForProgramWindow(L"Error Printing");
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindProgramWindow(L"Error Printing") == nullptr; }));
    Stop();
    EXPECT_EQ(PdfFiles(), pdfsBefore);
}

// A printer whose name is longer than a device mode holds prints, and the
// next Print offers it again: its whole name is stored beside the device mode.
TEST_F(PrintEndToEnd, APrinterWithALongNamePrints) {
    StartOnShortArticle();
    HWND dialog = OpenPageSetup();
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, kPrinterButton, 0);
    HWND printers = WaitForProgramWindow(nullptr, kPrinterList);
    ASSERT_NE(printers, nullptr);
    HWND list = GetDlgItem(printers, kPrinterList);
    DWORD_PTR chosen = 0;
    SendMessageTimeoutW(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(kLongPrinter),
                        SMTO_BLOCK, 5000, &chosen);
    ASSERT_NE(chosen, static_cast<DWORD_PTR>(CB_ERR)) << "the long queue is listed";
    SendMessageTimeoutW(printers, WM_COMMAND, MAKEWPARAM(kPrinterList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list),
                        SMTO_BLOCK, 5000, &chosen);
    PostMessageW(printers, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(printers); }));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const std::string pdf = WaitForNewPdf(pdfsBefore);
    EXPECT_EQ(FindProgramWindow(L"Error"), nullptr);
    ASSERT_FALSE(pdf.empty());

    dialog = OpenPageSetup();
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, kPrinterButton, 0);
    printers = WaitForProgramWindow(nullptr, kPrinterList);
    ASSERT_NE(printers, nullptr);
    EXPECT_EQ(ItemText(printers, kPrinterList), kLongPrinter) << "the second Print offers the long-named printer";
    PostMessageW(printers, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(printers); }));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindProgramWindow(nullptr) == nullptr; }));
    Stop();
    const std::vector<BYTE> stored = ReadBinary(L"DevMode").value_or(std::vector<BYTE>{});
    ASSERT_GE(stored.size(), sizeof(DEVMODEW));
    EXPECT_EQ(std::wstring(reinterpret_cast<const DEVMODEW*>(stored.data())->dmDeviceName),
              std::wstring(kLongPrinter).substr(0, CCHDEVICENAME - 1));
    EXPECT_EQ(ReadString(L"PrinterName"), kLongPrinter);
}

// Shlishi of Miketz selected prints alone: its letters, a part of the
// article's, and its name at each page's head after the header mark.
TEST_F(PrintEndToEnd, ASelectedAliyahPrintsAloneUnderItsName) {
    constexpr uint16_t kMiketz = 10;
    constexpr int kShlishi = 40403, kSelectAliyah = 40411;
    UseTestFont(12);
    PinArticle(kMiketz);
    Start();
    SendCommand(run, kShlishi);
    SendCommand(run, kSelectAliyah);
    const std::string pdf = PrintWithOk();
    ASSERT_FALSE(pdf.empty());
    Stop();
    std::wstring printed;
    for (int page = 1; page <= PdfPageCount(pdf); ++page) {
        SCOPED_TRACE(page);
        const std::wstring letters = Letters(PdfPageText(pdf, page, true));
        const size_t mark = letters.rfind(L"\u05D1\u05E1\u05D3");
        ASSERT_NE(mark, std::wstring::npos) << "header mark";
        EXPECT_EQ(letters.substr(mark + 3, 5), L"\u05E9\u05DC\u05D9\u05E9\u05D9") << "שלישי";
        printed += letters.substr(0, mark);
    }
    const std::wstring article = ArticleLetters(kMiketz);
    EXPECT_GT(printed.size(), 300u);
    EXPECT_LT(printed.size() * 5, article.size());
    EXPECT_NE(article.find(printed), std::wstring::npos);
}
