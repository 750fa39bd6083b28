// The language list on Windows: the *.lng files of a folder and the image combo box that offers them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "i18n/language_list.h"

// Fills languageList from the language files of folder (hidden and system files, folders and files of
// 100 bytes or less are passed over).
void EnumerateLanguages(std::u16string_view folder);

// Lists the languages of languageFolder in the ComboBoxEx with their pictures and preselects the language
// of this run (else the first item). Returns its 1-based position, 0 when it is not listed or comboBox is 0.
int FillLanguageComboBox(HWND comboBox);

// Appends one item whose picture is the bitmap file at picturePath (no picture when it cannot be loaded).
void AddLanguageComboItem(HWND comboBox, HIMAGELIST imageList, std::wstring_view text,
                          std::wstring_view picturePath);

// Empties languageList and destroys the image list that the last FillLanguageComboBox made.
void ClearLanguageList();
