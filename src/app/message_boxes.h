// The program's message boxes: timed boxes with an icon kind, boxes with the program's own icon,
// and the error report of a routine that trapped a run-time error.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

enum MessageKind {
    kMessagePlain = 0,
    kMessageInformation = 1,
    kMessageWarning = 2,
    kMessageQuestion = 3,
    kMessageError = 4
};

// owner 0 means appState.ownerWindow; an empty caption becomes the program's file name without extension;
// text and caption are cut to 254 characters; timeoutMs > 0 closes the box by itself after that time.
void TimedMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, int kind, int timeoutMs);

// A box with an icon from the program's resources; returns the button chosen (IDOK, IDYES, IDNO, ...).
int IconMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, int iconId, UINT style);

// "Function <routine>" / "Error <description of errorCode>, <line>", topmost and system-modal.
void ReportRoutineError(std::wstring_view routineName, DWORD errorCode, int line);

// The style of a TimedMessageBox kind: always topmost with the single OK button; unknown kinds get no icon.
UINT MessageBoxStyleForKind(int kind);

// The text of the routine error report: "Error " + the system's description of errorCode + ", " + line.
std::wstring RoutineErrorText(DWORD errorCode, int line);

// Texts of TimedMessageBox and captions of both boxes are cut to this many characters.
constexpr std::size_t kMessageBoxTextLength = 254;
