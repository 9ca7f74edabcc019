// The installer as a user meets it: msiexec installs the package for this
// user alone and without a window, the Start-menu shortcut starts the reader,
// a later version replaces it in place, and removal takes the program's files
// but keeps the settings the program wrote.
#include <windows.h>
#include <msi.h>
#include <msiquery.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/scratch_registry.h"
#include "tests/support/velmora_process.h"

namespace {

// The product's UpgradeCode (packaging/velmora.wxs). It must never change: a
// new one would install the next version beside this one instead of over it.
constexpr wchar_t kUpgradeCode[] = L"{94B3125B-0EF4-4526-9DEC-DA4006E37C59}";

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

// The build folder: the one this test program lives in.
std::wstring BuildFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.erase(folder.find_last_of(L"\\/") + 1);
}

std::wstring Package() { return BuildFolder() + L"package\\Velmora-" + Widen(VELMORA_VERSION) + L".msi"; }
std::wstring LaterPackage() { return BuildFolder() + L"installer-test\\Velmora-later.msi"; }

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring InstallFolder() { return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Velmora"; }
std::wstring InstalledProgram() { return InstallFolder() + L"\\Velmora.exe"; }
std::wstring Shortcut() { return KnownFolder(FOLDERID_Programs) + L"\\Velmora.lnk"; }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs msiexec without its user interface; its exit code, or STILL_ACTIVE
// when it did not end within two minutes.
DWORD Msiexec(const std::wstring& arguments) {
    PROCESS_INFORMATION process{};
    if (!LaunchProgram(L"msiexec " + arguments + L" /qn", process)) return GetLastError();
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

DWORD Install(const std::wstring& package) { return Msiexec(L"/i \"" + package + L"\""); }

// Every installed version of the product, by product code.
std::vector<std::wstring> InstalledProducts() {
    std::vector<std::wstring> products;
    wchar_t product[39];
    for (DWORD i = 0; MsiEnumRelatedProductsW(kUpgradeCode, 0, i, product) == ERROR_SUCCESS; ++i)
        products.push_back(product);
    return products;
}

void RemoveEveryVersion() {
    for (const std::wstring& product : InstalledProducts()) Msiexec(L"/x " + product);
}

// A property of an installed product as "Apps and features" shows it.
std::wstring ProductInfo(const std::wstring& product, const wchar_t* property) {
    wchar_t value[MAX_PATH] = L"";
    DWORD size = MAX_PATH;
    if (MsiGetProductInfoW(product.c_str(), property, value, &size) != ERROR_SUCCESS) return L"(none)";
    return value;
}

// Whether a product is installed in a context: for this user alone
// (MSIINSTALLCONTEXT_USERUNMANAGED) or for every user of the machine.
bool InstalledIn(const std::wstring& product, MSIINSTALLCONTEXT context) {
    wchar_t state[8] = L"";
    DWORD size = 8;
    return MsiGetProductInfoExW(product.c_str(), nullptr, context, INSTALLPROPERTY_PRODUCTSTATE, state, &size) ==
               ERROR_SUCCESS &&
           std::wstring(state) == L"5";
}

// Where a shell link points, read as the shell reads it.
std::wstring ShortcutTarget(const std::wstring& link) {
    std::wstring target;
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH];
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
            shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH) == S_OK)
            target = path;
        file->Release();
    }
    shellLink->Release();
    return target;
}

// The rows a query of the package's database gives, each as the texts of
// its columns joined by "|".
std::vector<std::wstring> PackageRows(const wchar_t* query) {
    std::vector<std::wstring> rows;
    MSIHANDLE database = 0, view = 0, record = 0;
    if (MsiOpenDatabaseW(Package().c_str(), MSIDBOPEN_READONLY, &database) == ERROR_SUCCESS &&
        MsiDatabaseOpenViewW(database, query, &view) == ERROR_SUCCESS && MsiViewExecute(view, 0) == ERROR_SUCCESS) {
        while (MsiViewFetch(view, &record) == ERROR_SUCCESS) {
            std::wstring& row = rows.emplace_back();
            for (UINT column = 1; column <= MsiRecordGetFieldCount(record); ++column) {
                wchar_t text[256] = L"";
                DWORD size = 256;
                MsiRecordGetStringW(record, column, text, &size);
                row += (column > 1 ? L"|" : L"") + std::wstring(text);
            }
            MsiCloseHandle(record);
        }
    }
    MsiCloseHandle(view);
    MsiCloseHandle(database);
    return rows;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

class Installer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        RemoveEveryVersion();
        ASSERT_TRUE(InstalledProducts().empty()) << "an earlier Velmora would not go";
        ASSERT_TRUE(ClearProgramKeys());
        // A chosen font, so that the first start asks nothing.
        UseTestFont();
        UseTestWindow();
    }

    void TearDown() override {
        KillVelmora(run);
        RemoveEveryVersion();
        ClearProgramKeys();
        CoUninitialize();
    }

    // Starts what the Start-menu shortcut names, waits for the reader's window
    // and exits through the menu, so that the program writes its settings.
    void RunFromShortcut() {
        const std::wstring target = ShortcutTarget(Shortcut());
        ASSERT_TRUE(SamePath(target, InstalledProgram())) << "the shortcut names \"" << target << "\"";
        ASSERT_TRUE(StartVelmoraAt(run, L"\"" + target + L"\"")) << "no Velmora window";
        DWORD owner = 0;
        GetWindowThreadProcessId(run.window, &owner);
        EXPECT_EQ(owner, run.process.dwProcessId);
        EXPECT_EQ(StopVelmora(run), 0u);
    }

    VelmoraRun run;
};

TEST_F(Installer, InstallsForTheUserWithAShortcutThatStartsTheReader) {
    ASSERT_EQ(Install(Package()), 0u);
    EXPECT_TRUE(Exists(InstalledProgram()));
    EXPECT_TRUE(Exists(InstallFolder() + L"\\README.txt"));
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(ProductInfo(products[0], INSTALLPROPERTY_INSTALLEDPRODUCTNAME), L"Velmora");
    EXPECT_EQ(ProductInfo(products[0], INSTALLPROPERTY_VERSIONSTRING), Widen(VELMORA_MSI_VERSION));
    EXPECT_EQ(ProductInfo(products[0], INSTALLPROPERTY_PUBLISHER), L"Tarnwick");
    EXPECT_TRUE(Exists(ProductInfo(products[0], INSTALLPROPERTY_PRODUCTICON)));
    EXPECT_TRUE(InstalledIn(products[0], MSIINSTALLCONTEXT_USERUNMANAGED));
    EXPECT_FALSE(InstalledIn(products[0], MSIINSTALLCONTEXT_MACHINE));
    RunFromShortcut();
}

// Windows Installer's rules for a per-user package, which it checks at repair
// and removal: every component (the one in the profile with the shortcut)
// has a value under HKCU as its key path (ICE38, ICE43), and every folder the
// package makes in the profile is removed again (ICE64).
TEST_F(Installer, ThePackageKeepsTheRulesOfAPerUserPackage) {
    // Attributes 4: the key path is a registry value; root 1: HKEY_CURRENT_USER.
    const std::vector<std::wstring> keyPaths = PackageRows(
        L"SELECT `Component`.`Attributes`, `Registry`.`Root` FROM `Component`, `Registry` "
        L"WHERE `Component`.`KeyPath` = `Registry`.`Registry`");
    EXPECT_EQ(keyPaths, std::vector<std::wstring>(PackageRows(L"SELECT `Component` FROM `Component`").size(), L"4|1"));
    const std::vector<std::wstring> removed = PackageRows(L"SELECT `DirProperty` FROM `RemoveFile`");
    for (const wchar_t* folder : {L"UserPrograms", L"INSTALLDIR"}) {
        EXPECT_EQ(std::count(removed.begin(), removed.end(), folder), 1) << testing::PrintToString(std::wstring(folder));
    }
}

TEST_F(Installer, RemovalDeletesTheProgramAndKeepsTheSettings) {
    ASSERT_EQ(Install(Package()), 0u);
    ASSERT_FALSE(ReadDword(L"Lesson"));
    RunFromShortcut();
    ASSERT_TRUE(ReadDword(L"Lesson")) << "the program wrote no settings at exit";
    const std::vector<StoredValue> settings = SettingsKeyValues();

    ASSERT_EQ(Msiexec(L"/x \"" + Package() + L"\""), 0u);
    EXPECT_FALSE(Exists(InstalledProgram()));
    EXPECT_FALSE(Exists(InstallFolder()));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_TRUE(InstalledProducts().empty());
    EXPECT_TRUE(SettingsKeyExists());
    EXPECT_EQ(SettingsKeyValues(), settings);
}

TEST_F(Installer, ALaterVersionReplacesItInPlaceAndAnOlderOneDoesNot) {
    ASSERT_EQ(Install(Package()), 0u);
    const std::vector<std::wstring> first = InstalledProducts();
    ASSERT_EQ(first.size(), 1u);

    ASSERT_EQ(Install(LaterPackage()), 0u);
    const std::vector<std::wstring> later = InstalledProducts();
    ASSERT_EQ(later.size(), 1u);
    EXPECT_NE(later[0], first[0]);
    EXPECT_EQ(ProductInfo(later[0], INSTALLPROPERTY_VERSIONSTRING), Widen(VELMORA_MSI_LATER_VERSION));
    RunFromShortcut();

    EXPECT_NE(Install(Package()), 0u);
    EXPECT_EQ(InstalledProducts(), later);
}
