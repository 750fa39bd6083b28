// The resources linked into the program (the runner carries the same ones): the fonts register under
// the face names the program asks for, every icon holds its sizes, and the version and manifest are right.
#include "resources/resource_ids.h"

#include <windows.h>
#include <shlwapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include "icon_width.h"

namespace {

HMODULE Module() {
    return GetModuleHandleW(nullptr);
}

std::string_view ResourceBytes(const wchar_t* name, const wchar_t* type) {
    HRSRC found = FindResourceW(Module(), name, type);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(Module(), found);
    const DWORD size = SizeofResource(Module(), found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes ? std::string_view(static_cast<const char*>(bytes), size) : std::string_view{};
}

// Adds a font resource to the process the way the program does: a copy of the bytes, from memory.
HANDLE AddResourceFont(const wchar_t* name) {
    std::string_view bytes = ResourceBytes(name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (bytes.empty())
        return nullptr;
    std::vector<char> copy(bytes.begin(), bytes.end());
    DWORD count = 1;
    return AddFontMemResourceEx(copy.data(), static_cast<DWORD>(copy.size()), nullptr, &count);
}

// A screen DC with a font of the program's attributes selected; ANSI character set as the program asks.
class FontSurface {
  public:
    FontSurface(const wchar_t* face, int height)
        : dc_(CreateCompatibleDC(nullptr)),
          font_(CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, PROOF_QUALITY, 0, face)),
          old_(SelectObject(dc_, font_)) {}
    ~FontSurface() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
        DeleteDC(dc_);
    }
    FontSurface(const FontSurface&) = delete;
    FontSurface& operator=(const FontSurface&) = delete;

    HDC dc() const { return dc_; }
    std::wstring Face() const {
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, face);
        return face;
    }
    // Characters of the text that the selected font has no glyph for.
    std::wstring Missing(const std::wstring& text) const {
        std::vector<WORD> indices(text.size());
        GetGlyphIndicesW(dc_, text.c_str(), static_cast<int>(text.size()), indices.data(),
                         GGI_MARK_NONEXISTING_GLYPHS);
        std::wstring missing;
        for (size_t i = 0; i < text.size(); ++i)
            if (indices[i] == 0xFFFF)
                missing += text[i];
        return missing;
    }

  private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

class ProgramFonts : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Names as the main window spells them: resource and face names match without regard to case.
        glyphFont = AddResourceFont(L"FontGlimra");
        titleFont = AddResourceFont(GLIMRA_WIDE(RES_TITLE_FONT));
    }
    static inline HANDLE glyphFont = nullptr;
    static inline HANDLE titleFont = nullptr;
};

const std::wstring kIconCharacters = {GLYPH_MONITOR_BRIGHTNESS, GLYPH_MONITOR_CONTRAST,
                                      GLYPH_VIDEO_BRIGHTNESS, GLYPH_RESET, GLYPH_MENU};

TEST_F(ProgramFonts, BothFontsAddFromMemory) {
    EXPECT_NE(glyphFont, nullptr);
    EXPECT_NE(titleFont, nullptr);
}

TEST_F(ProgramFonts, GlyphFontAnswersToItsFaceName) {
    FontSurface upper(L"FONTGLIMRA1", 22);
    EXPECT_EQ(upper.Face(), GLIMRA_WIDE(GLYPH_FONT_FACE));
    FontSurface exact(GLIMRA_WIDE(GLYPH_FONT_FACE), 22);
    EXPECT_EQ(exact.Face(), L"FontGlimra1");
}

TEST_F(ProgramFonts, TitleFontAnswersToItsFaceName) {
    FontSurface upper(L"PSEUDO BRK", 24);
    EXPECT_EQ(upper.Face(), L"Pseudo BRK");
    EXPECT_EQ(upper.Missing(L"Glimra V1.3"), L"");
    // Cyrillic too, for a translated title.
    EXPECT_EQ(upper.Missing(L"\u042F\u0440\u043A\u043E\u0441\u0442\u044C \u0451\u0401"), L"");
}

TEST_F(ProgramFonts, GlyphFontHasTheFiveIconsAndNothingForOtherLetters) {
    FontSurface surface(L"FONTGLIMRA1", 22);
    ASSERT_EQ(surface.Face(), L"FontGlimra1");
    EXPECT_EQ(surface.Missing(kIconCharacters), L"");
    EXPECT_EQ(surface.Missing(L"AZ"), L"AZ");

    std::vector<WORD> indices(kIconCharacters.size());
    GetGlyphIndicesW(surface.dc(), kIconCharacters.c_str(), static_cast<int>(indices.size()), indices.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    EXPECT_EQ(std::set<WORD>(indices.begin(), indices.end()).size(), kIconCharacters.size())
        << "each control has an icon of its own";
}

// The icons are drawn with DT_NOCLIP in a 22-pixel cell: each must be visible and stay inside the cell.
TEST_F(ProgramFonts, EachIconFillsMostOfTheCellAndStaysInside) {
    FontSurface surface(L"FONTGLIMRA1", 22);
    TEXTMETRICW metrics{};
    ASSERT_TRUE(GetTextMetricsW(surface.dc(), &metrics));
    EXPECT_EQ(metrics.tmHeight, 22);
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (wchar_t character : kIconCharacters) {
        SCOPED_TRACE(static_cast<int>(character));
        GLYPHMETRICS glyph{};
        ASSERT_NE(GetGlyphOutlineW(surface.dc(), character, GGO_METRICS, &glyph, 0, nullptr, &identity),
                  GDI_ERROR);
        EXPECT_GE(std::max(glyph.gmBlackBoxX, glyph.gmBlackBoxY), 14u);
        EXPECT_LE(glyph.gmBlackBoxX, 22u);
        EXPECT_GE(glyph.gmptGlyphOrigin.x, 0);
        EXPECT_LE(glyph.gmptGlyphOrigin.x + static_cast<int>(glyph.gmBlackBoxX), glyph.gmCellIncX + 1);
        EXPECT_LE(glyph.gmptGlyphOrigin.y, metrics.tmAscent);
        EXPECT_GE(glyph.gmptGlyphOrigin.y - static_cast<int>(glyph.gmBlackBoxY), -metrics.tmDescent - 1);
    }
}

// The button puts its text at height / 2 + width of "&" - 2; the reset icon is centred over x = 14.
TEST_F(ProgramFonts, ButtonTextStartsRightOfTheIcon) {
    FontSurface surface(L"FONTGLIMRA1", 22);
    SIZE ampersand{};
    ASSERT_TRUE(GetTextExtentPoint32W(surface.dc(), L"&", 1, &ampersand));
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS reset{};
    ASSERT_NE(GetGlyphOutlineW(surface.dc(), GLYPH_RESET, GGO_METRICS, &reset, 0, nullptr, &identity),
              GDI_ERROR);
    const int buttonHeight = 24;
    const int textLeft = buttonHeight / 2 + ampersand.cx - 2;
    const int iconRight = 14 + static_cast<int>(reset.gmBlackBoxX + 1) / 2;
    EXPECT_GE(textLeft, iconRight + 2);
    EXPECT_LE(textLeft, iconRight + 10) << "the text should not drift away from its icon";
}

struct IconCase {
    const wchar_t* name;
    std::vector<int> sizes;
};

// The sizes stored in an icon group, with the bit depth of each.
std::vector<std::pair<int, int>> GroupEntries(const wchar_t* name) {
    std::string_view group = ResourceBytes(name, MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    std::vector<std::pair<int, int>> entries;
    if (group.size() < 6)
        return entries;
    const auto* bytes = reinterpret_cast<const unsigned char*>(group.data());
    const int count = bytes[4] | bytes[5] << 8;
    for (int i = 0; i < count && 6 + (i + 1) * 14 <= static_cast<int>(group.size()); ++i) {
        const unsigned char* entry = bytes + 6 + i * 14;
        const int width = entry[0] ? entry[0] : 256;
        const int bits = entry[6] | entry[7] << 8;
        entries.emplace_back(width, bits);
    }
    return entries;
}

std::string NameOf(const wchar_t* name) {
    if (IS_INTRESOURCE(name))
        return "#" + std::to_string(reinterpret_cast<uintptr_t>(name));
    return std::string(name, name + std::wcslen(name));
}

TEST(ProgramIcons, EachIconHoldsExactlyItsSizesAt32Bits) {
    const std::vector<IconCase> cases = {
        {GLIMRA_WIDE(RES_PROGRAM_ICON), {128, 64, 48, 32, 24, 16}},
        // Every small-icon size of the notification area, 100 % to 250 %, so the shell never scales it.
        {GLIMRA_WIDE(RES_TRAY_ICON), {48, 40, 32, 24, 20, 16}},
        {MAKEINTRESOURCEW(IDI_MESSAGE), {32, 48, 64}},
        {L"#124", {48, 32, 24, 16}},
        {GLIMRA_WIDE(RES_ABOUT_IMAGE), {128, 192, 256}},
    };
    for (const IconCase& icon : cases) {
        SCOPED_TRACE(NameOf(icon.name));
        std::vector<std::pair<int, int>> expected;
        for (int size : icon.sizes)
            expected.emplace_back(size, 32);
        EXPECT_EQ(GroupEntries(icon.name), expected);

        for (int size : icon.sizes) {
            HICON loaded = static_cast<HICON>(LoadImageW(Module(), icon.name, IMAGE_ICON, size, size, 0));
            ASSERT_NE(loaded, nullptr) << size;
            EXPECT_EQ(IconWidth(loaded), size);
            DestroyIcon(loaded);
        }
        // The program loads every icon at its default size.
        HICON natural = static_cast<HICON>(LoadImageW(Module(), icon.name, IMAGE_ICON, 0, 0, 0));
        EXPECT_NE(natural, nullptr);
        DestroyIcon(natural);
    }
}

TEST(ProgramIcons, ProgramIconHasSoftEdgesFromItsAlphaChannel) {
    HICON icon =
        static_cast<HICON>(LoadImageW(Module(), GLIMRA_WIDE(RES_PROGRAM_ICON), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(32 * 32);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, info.hbmColor, 0, 32, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    ASSERT_EQ(rows, 32);
    int clear = 0, partial = 0, solid = 0;
    for (DWORD pixel : pixels) {
        const int alpha = pixel >> 24;
        clear += alpha == 0;
        solid += alpha == 255;
        partial += alpha > 0 && alpha < 255;
    }
    EXPECT_GT(clear, 0) << "the rounded corners are transparent";
    EXPECT_GT(partial, 0) << "the edges are blended";
    EXPECT_GT(solid, 32 * 32 / 2);
}

TEST(ProgramCursor, HandCursorLoadsWithItsHotSpotAtTheFingertip) {
    HCURSOR cursor =
        static_cast<HCURSOR>(LoadImageW(Module(), GLIMRA_WIDE(RES_HAND_CURSOR), IMAGE_CURSOR, 0, 0, 0));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    EXPECT_EQ(bitmap.bmHeight, 32);
    EXPECT_GE(info.xHotspot, 8u);
    EXPECT_LE(info.xHotspot, 14u);
    EXPECT_LE(info.yHotspot, 3u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
}

// version.dll is loaded by hand: the program itself never needs it.
class VersionDll {
  public:
    VersionDll() : module_(LoadLibraryW(L"version.dll")) {}
    ~VersionDll() { FreeLibrary(module_); }
    VersionDll(const VersionDll&) = delete;
    VersionDll& operator=(const VersionDll&) = delete;

    std::vector<char> FileInfo(const wchar_t* path) const {
        auto size = reinterpret_cast<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>(
            reinterpret_cast<void*>(GetProcAddress(module_, "GetFileVersionInfoSizeW")));
        auto read = reinterpret_cast<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>(
            reinterpret_cast<void*>(GetProcAddress(module_, "GetFileVersionInfoW")));
        if (!size || !read)
            return {};
        DWORD ignored = 0;
        std::vector<char> data(size(path, &ignored));
        if (data.empty() || !read(path, 0, static_cast<DWORD>(data.size()), data.data()))
            return {};
        return data;
    }
    const void* Query(std::vector<char>& data, const wchar_t* block, UINT* length) const {
        auto query = reinterpret_cast<BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT)>(
            reinterpret_cast<void*>(GetProcAddress(module_, "VerQueryValueW")));
        void* value = nullptr;
        if (!query || !query(data.data(), block, &value, length))
            return nullptr;
        return value;
    }

  private:
    HMODULE module_;
};

TEST(VersionResource, FileAndProductReportOneThreeOneTwo) {
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    VersionDll version;
    std::vector<char> data = version.FileInfo(path);
    ASSERT_FALSE(data.empty());

    UINT length = 0;
    auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(version.Query(data, L"\\", &length));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(2, 1));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(2, 1));

    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"\\StringFileInfo\\040904B0\\ProductName", L"Glimra"},
        {L"\\StringFileInfo\\040904B0\\FileVersion", L"1.3.1.2"},
        {L"\\StringFileInfo\\040904B0\\ProductVersion", L"1.3.1.2"},
        {L"\\StringFileInfo\\040904B0\\OriginalFilename", L"Glimra.exe"},
    };
    for (const auto& [block, expected] : strings) {
        auto* text = static_cast<const wchar_t*>(version.Query(data, block, &length));
        ASSERT_NE(text, nullptr) << block;
        EXPECT_STREQ(text, expected) << block;
    }
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    reinterpret_cast<std::vector<LPCWSTR>*>(found)->push_back(name);
    return TRUE;
}

BOOL CALLBACK CountLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(Manifest, ExactlyOneProcessManifestRequestsCommonControlsSix) {
    std::vector<LPCWSTR> names;
    EnumResourceNamesW(Module(), RT_MANIFEST, CountName, reinterpret_cast<LONG_PTR>(&names));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], CREATEPROCESS_MANIFEST_RESOURCE_ID);
    int languages = 0;
    EnumResourceLanguagesW(Module(), RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID, CountLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages, 1) << "a second manifest (a toolchain default) would make the choice arbitrary";

    const std::string text(ResourceBytes(CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST));
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos) << "Windows 10 and 11";
    EXPECT_NE(text.find("35138b9a-5d96-4fbd-8e2d-a2440225f93a"), std::string::npos) << "Windows 7";
    // Laid out per monitor, never stretched: version 2 where there is one, version 1 on the Windows 10 that
    // reads dpiAwareness but knows no version 2, system-aware on Windows 7.
    EXPECT_NE(text.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                        "PerMonitorV2, PerMonitor</dpiAwareness>"),
              std::string::npos);
    EXPECT_NE(text.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">"
                        "true/pm</dpiAware>"),
              std::string::npos);
}

// The process context must route comctl32 and its trackbar class to the version 6 assembly. (Wine's
// comctl32 reports 5.81 from DllGetVersion whichever copy is loaded, so the context itself is asked.)
TEST(Manifest, ProcessContextRoutesTrackbarsToCommonControlsSix) {
    ACTCTX_SECTION_KEYED_DATA dll{sizeof(dll)};
    ASSERT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         L"comctl32.dll", &dll));
    ACTCTX_SECTION_KEYED_DATA trackbar{sizeof(trackbar)};
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_WINDOW_CLASS_REDIRECTION,
                                         L"msctls_trackbar32", &trackbar));

    SIZE_T needed = 0;
    DWORD index = dll.ulAssemblyRosterIndex;
    QueryActCtxW(0, dll.hActCtx, &index, AssemblyDetailedInformationInActivationContext, nullptr, 0, &needed);
    ASSERT_GT(needed, 0u);
    std::vector<char> buffer(needed);
    ASSERT_TRUE(QueryActCtxW(0, dll.hActCtx, &index, AssemblyDetailedInformationInActivationContext,
                             buffer.data(), buffer.size(), nullptr));
    const auto* assembly =
        reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
    ASSERT_NE(assembly->lpAssemblyEncodedAssemblyIdentity, nullptr);
    const std::wstring identity = assembly->lpAssemblyEncodedAssemblyIdentity;
    EXPECT_NE(identity.find(L"Microsoft.Windows.Common-Controls"), std::wstring::npos) << identity.c_str();
    EXPECT_NE(identity.find(L"version=\"6."), std::wstring::npos) << identity.c_str();
}

} // namespace
