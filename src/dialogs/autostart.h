// Starting with the system: the program's value under the current user's Run key, and the exported
// registry routine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// Result codes of SetAutoStart.
constexpr uint8_t kAutoStartRegistered = 1;
constexpr uint8_t kAutoStartKeyFailed = 2;
constexpr uint8_t kAutoStartValueFailed = 3;

constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kAutoStartValueName[] = L"Glimra";

// Registers the full path of the running program, in double quotes, under the Run key (an older unquoted
// value is rewritten quoted); returns one of the codes above. When the value cannot be written but already
// names this program, the program counts as registered.
uint8_t SetAutoStart();
// Deletes the program's value; failures are silent (there is nothing the user could do about them).
void RemoveAutoStart();

// The registration's two registry calls; tests replace them to make the key or the value fail.
using RunKeyCreateProc = LSTATUS(APIENTRY*)(HKEY root, LPCWSTR subKey, PHKEY result);
using RunValueSetProc = LSTATUS(APIENTRY*)(HKEY key, LPCWSTR name, DWORD reserved, DWORD type,
                                           const BYTE* data, DWORD size);
extern RunKeyCreateProc runKeyCreate; // RegCreateKeyW
extern RunValueSetProc runValueSet;   // RegSetValueExW

// The full path of the running program, however long.
std::wstring RunningProgramPath();

// The Run value's text for a program: its path in double quotes.
std::wstring AutoStartCommand(std::wstring_view programPath);
// True when a stored Run value names the program: quoted or unquoted, letter case aside (Windows paths).
bool AutoStartValueNamesProgram(std::wstring_view stored, std::wstring_view programPath);

// Deletes the sub-key (a string in the system code page) under a predefined root key, both passed by
// reference. Returns 0 when the key cannot be opened, else the status of the deletion (0 = deleted); a
// key that still has subkeys is refused and kept. Nothing inside the program calls it.
extern "C" __declspec(dllexport) LONG WINAPI DELREGKEY(const int32_t* root, const char* subKey);
