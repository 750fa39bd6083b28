// Every character of every shipped language file is drawn by a font that has it: the face the program
// draws that text with, one the system links to that face for the scripts it lacks, or, where the system
// falls back to other fonts as it draws, what the drawn character shows. Wine links its Chinese and
// Japanese fonts only in a process whose code page is theirs (Windows links them always), so those files
// are checked in the runs made on such a system (the test runner starts them with LC_ALL).
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/app_ids.h"
#include "app/app_state.h"
#include "app/main_window.h"
#include "i18n/language.h"
#include "i18n/language_file.h"
#include "i18n/language_list.h"
#include "platform/wide.h"

namespace {

// The system's own fonts for menus, captions, message boxes, balloons and tooltips.
struct SystemFaces {
    std::wstring menu, caption, message, status;
};

SystemFaces ReadSystemFaces() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return {metrics.lfMenuFont.lfFaceName, metrics.lfCaptionFont.lfFaceName, metrics.lfMessageFont.lfFaceName,
            metrics.lfStatusFont.lfFaceName};
}

std::wstring GuiFace() {
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font.lfFaceName;
}

// The face each text of the table is drawn with, as the program creates its fonts.
std::wstring FaceOf(std::u16string_view section, std::u16string_view key, const SystemFaces& system) {
    if (section == u"[MAINDLG]")
        return key == u"ResetSettingsTT" || key == u"PanelContrastTT" ? system.status // tooltips
                                                                      : L"Tahoma";    // sliders, buttons
    if (section == u"[MAINMENU]")
        return system.menu;
    if (section == u"[ABOUTDLG]")
        return key == u"AboutProgram" ? system.caption : L"Arial Unicode MS";
    if (section == u"[OPTDLG]") {
        if (key == u"ProgramSetting")
            return system.caption;
        return key == u"ChooseLanguage" ? L"Tahoma" : GuiFace();
    }
    return system.message; // [UPDATA] and [MESDATA]: message boxes and balloons
}

// The faces the system links to a face for characters it lacks ("FILE.TTF,Face Name" entries).
std::vector<std::wstring> LinkedFaces(const std::wstring& face) {
    std::vector<std::wstring> faces;
    wchar_t links[8192] = {};
    DWORD size = sizeof(links) - 2 * sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE,
                     L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink", face.c_str(),
                     RRF_RT_REG_MULTI_SZ, nullptr, links, &size) != ERROR_SUCCESS)
        return faces;
    for (const wchar_t* entry = links; *entry; entry += wcslen(entry) + 1) {
        std::wstring text = entry;
        const std::size_t comma = text.find(L',');
        if (comma == std::wstring::npos)
            continue;
        std::wstring linked = text.substr(comma + 1);
        linked = linked.substr(0, linked.find(L',')); // a scale may follow
        faces.push_back(linked);
    }
    return faces;
}

class GlyphChecker {
  public:
    GlyphChecker() : dc_(CreateCompatibleDC(nullptr)) {}
    ~GlyphChecker() {
        for (auto& [face, font] : fonts_)
            DeleteObject(font);
        DeleteDC(dc_);
    }

    // True when the font drawing face, or a font linked to it, has the character, or when drawing it shows
    // something other than the missing-glyph box (and other than nothing).
    bool Draws(const std::wstring& face, wchar_t c) {
        if (Has(face, c))
            return true;
        for (const std::wstring& linked : LinkedFaces(ActualFace(face)))
            if (Installed(linked) && Has(linked, c))
                return true;
        const std::vector<uint32_t> drawn = Drawn(face, c);
        return drawn != Drawn(face, kUnassigned) && drawn != Drawn(face, L' ');
    }

    // The face the font mapper gives for a requested one (a missing face is replaced by another).
    std::wstring ActualFace(const std::wstring& face) {
        SelectObject(dc_, Font(face));
        wchar_t actual[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, actual);
        return actual;
    }

  private:
    static constexpr wchar_t kUnassigned = 0x0378; // no font has it: it draws as the missing-glyph box
    static constexpr int kCell = 48;

    // The pixels of one character drawn as the program draws text (DrawTextW), black on white.
    std::vector<uint32_t> Drawn(const std::wstring& face, wchar_t c) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kCell, -kCell, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(dc_, bitmap);
        RECT cell{0, 0, kCell, kCell};
        FillRect(dc_, &cell, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HFONT large = CreateFontW(32, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face.c_str());
        HGDIOBJ previousFont = SelectObject(dc_, large);
        SetTextColor(dc_, RGB(0, 0, 0));
        SetBkMode(dc_, TRANSPARENT);
        DrawTextW(dc_, &c, 1, &cell, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
        GdiFlush();
        std::vector<uint32_t> pixels(static_cast<const uint32_t*>(bits),
                                     static_cast<const uint32_t*>(bits) + kCell * kCell);
        SelectObject(dc_, previousFont);
        DeleteObject(large);
        SelectObject(dc_, previous);
        DeleteObject(bitmap);
        return pixels;
    }

    bool Installed(const std::wstring& face) {
        return lstrcmpiW(ActualFace(face).c_str(), face.c_str()) == 0;
    }

    bool Has(const std::wstring& face, wchar_t c) {
        SelectObject(dc_, Font(face));
        WORD glyph = 0;
        return GetGlyphIndicesW(dc_, &c, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 && glyph != 0xFFFF;
    }

    HFONT Font(const std::wstring& face) {
        auto& font = fonts_[face];
        if (!font)
            font = CreateFontW(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face.c_str());
        return font;
    }

    HDC dc_;
    std::map<std::wstring, HFONT> fonts_;
};

std::wstring ShippedFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetEnvironmentVariableW(L"GLIMRA_SHIPPED_DATA", folder, MAX_PATH);
    return folder;
}

// The ANSI code page of a system in the language of the file, where Wine needs it to draw the script.
UINT CodePageNeeded(const std::wstring& file) {
    if (file == L"Japanese.lng")
        return 932;
    if (file == L"Chinese (Simplified).lng")
        return 936;
    return 0;
}

std::string Describe(const std::wstring& file, std::u16string_view key, wchar_t c, const std::wstring& face) {
    char text[64];
    snprintf(text, sizeof(text), "U+%04X", static_cast<unsigned>(c));
    return std::string(text) + " of " + std::string(key.begin(), key.end()) + " in " +
           std::string(file.begin(), file.end()) + " (" + std::string(face.begin(), face.end()) + ")";
}

TEST(ShippedTexts, EveryCharacterHasAGlyphInTheFontThatDrawsIt) {
    const std::wstring folder = ShippedFolder();
    ASSERT_FALSE(folder.empty()) << "GLIMRA_SHIPPED_DATA names the folder that holds Langs";
    const SystemFaces system = ReadSystemFaces();
    GlyphChecker checker;
    std::vector<std::string> missing;
    int files = 0, checked = 0;

    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\Langs\\*.lng").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        ++files;
        const std::wstring name = found.cFileName;
        if (CodePageNeeded(name) && CodePageNeeded(name) != GetACP())
            continue; // checked in the run on a system of that language
        ++checked;
        const std::u16string text = ReadUnicodeTextFile(ToU16(folder + L"\\Langs\\" + name));
        ASSERT_FALSE(text.empty()) << std::string(name.begin(), name.end());

        std::vector<std::pair<std::u16string, std::u16string>> shown; // key, value
        std::set<std::u16string> sections;
        for (const TextKey& key : kAllTextKeys)
            sections.insert(std::u16string(key.section));
        for (const std::u16string& section : sections) {
            for (const LanguageEntry& entry : ParseLanguageSection(text, section)) {
                const std::wstring face = FaceOf(section, entry.key, system);
                for (wchar_t c : AsWide(entry.value)) {
                    ASSERT_FALSE(c >= 0xD800 && c <= 0xDFFF) << "no shipped text needs a surrogate pair";
                    if (c > 0x20 && c != 0xA0 && c != 0x3000 && !checker.Draws(face, c))
                        missing.push_back(Describe(name, entry.key, c, face));
                }
            }
        }
        // The language's own name in the Options list, drawn with the default GUI font.
        const auto header = ReadLanguageHeader(text);
        ASSERT_TRUE(header.has_value());
        for (wchar_t c : AsWide(header->name))
            if (c > 0x20 && !checker.Draws(GuiFace(), c))
                missing.push_back(Describe(name, u"NAME", c, GuiFace()));
    } while (FindNextFileW(search, &found));
    FindClose(search);

    EXPECT_GE(files, 12);
    EXPECT_GE(checked, GetACP() == 932 || GetACP() == 936 ? 11 : 10) << "every file in its own system's run";
    std::string report;
    for (const std::string& line : missing)
        report += line + "\n";
    EXPECT_TRUE(missing.empty()) << missing.size() << " characters without a glyph:\n" << report;
}

TEST(ShippedTexts, TheTitleFaceHasEveryCharacterOfTheTitle) {
    ASSERT_TRUE(LoadProgramFonts());
    ASSERT_NE(appState.fonts[1].font, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, appState.fonts[1].font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    EXPECT_EQ(lstrcmpiW(face, L"PSEUDO BRK"), 0) << "the title face itself, not a stand-in";
    const std::wstring title = kProgramTitle;
    std::vector<WORD> glyphs(title.size());
    GetGlyphIndicesW(dc, title.c_str(), static_cast<int>(title.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    for (std::size_t i = 0; i < title.size(); ++i)
        EXPECT_NE(glyphs[i], 0xFFFF) << "title character " << i;
    DeleteDC(dc);
}

} // namespace
