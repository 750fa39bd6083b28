#include "i18n/language_list_combo.h"

#include <exception>
#include <new>
#include <string>

#include "app/message_boxes.h"
#include "i18n/language.h"
#include "platform/wide.h"

namespace {

constexpr int kPictureWidth = 20;
constexpr int kPictureHeight = 15;
constexpr int kImageListInitialSize = 14;
constexpr int kItemHeight = 20;

// The image list of the combo box now open; the combo box does not destroy it, we do, exactly once.
HIMAGELIST languageImages = nullptr;

std::u16string WithTrailingBackslash(std::u16string_view folder) {
    std::u16string path(folder);
    if (path.empty() || path.back() != u'\\')
        path += u'\\';
    return path;
}

bool IsCandidate(const WIN32_FIND_DATAW& found) {
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
        return false;
    const ULONGLONG size = (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    return IsListedLanguageFile(AsU16(found.cFileName), size);
}

void ReportEnumerationError(const char* description) {
    std::wstring text = L"ERROR: ";
    for (const char* c = description; *c; ++c)
        text += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    text += L" , - 1 , - EnumerateLanguages";
    TimedMessageBox(nullptr, text, L"", kMessageWarning, 0);
}

} // namespace

void EnumerateLanguages(std::u16string_view folder) {
    languageList.clear();
    const std::u16string base = WithTrailingBackslash(folder);
    const std::wstring pattern = ToWide(base) + L"*.lng";
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    try {
        do {
            if (!IsCandidate(found))
                continue;
            const std::u16string_view fileName = AsU16(found.cFileName);
            const std::u16string text = ReadUnicodeTextFile(base + std::u16string(fileName));
            if (auto record = LanguageRecordFromFile(text, fileName))
                languageList.push_back(std::move(*record));
        } while (FindNextFileW(search, &found));
    } catch (const std::exception& error) {
        // The languages found so far stay listed.
        ReportEnumerationError(error.what());
    }
    FindClose(search);
}

void AddLanguageComboItem(HWND comboBox, HIMAGELIST imageList, std::wstring_view text,
                          std::wstring_view picturePath) {
    int image = -1;
    const std::wstring path(picturePath);
    HBITMAP bitmap = path.empty() ? nullptr
                                  : static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                                    LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (bitmap) {
        image = ImageList_Add(imageList, bitmap, nullptr);
        DeleteObject(bitmap); // the image list keeps its own copy
    }
    std::wstring itemText(text);
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = -1;
    item.pszText = itemText.data();
    item.cchTextMax = static_cast<int>(itemText.size());
    item.iImage = image;
    item.iSelectedImage = image;
    SendMessageW(comboBox, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(comboBox, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kItemHeight);
    SendMessageW(comboBox, CB_SETITEMHEIGHT, 0, kItemHeight);
}

int FillLanguageComboBox(HWND comboBox) {
    if (!comboBox)
        return 0;
    SendMessageW(comboBox, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    HIMAGELIST images =
        ImageList_Create(kPictureWidth, kPictureHeight, ILC_COLOR16 | ILC_MASK, kImageListInitialSize, 0);
    SendMessageW(comboBox, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (languageImages)
        ImageList_Destroy(languageImages);
    languageImages = images;

    EnumerateLanguages(languageFolder);
    const std::wstring folder = ToWide(languageFolder);
    for (const LanguageInfo& info : languageList) {
        const std::wstring picture = info.picture.empty() ? std::wstring() : folder + ToWide(info.picture);
        AddLanguageComboItem(comboBox, images, AsWide(LanguageItemText(info)), picture);
    }
    const int position = static_cast<int>(LanguagePositionOf(startupLanguageFile));
    PostMessageW(comboBox, CB_SETCURSEL, position > 0 ? position - 1 : 0, 0);
    return position;
}

void ClearLanguageList() {
    languageList.clear();
    if (languageImages) {
        ImageList_Destroy(languageImages);
        languageImages = nullptr;
    }
}
