// Test-only probe: looks at the running program from outside, as the shell or a person would, and
// delivers the shell messages that Wine never sends (balloon click, "TaskbarCreated", end of session).
//
//   glimra_probe window                  main window state as key=value pairs
//   glimra_probe controls                one line per child of the main window: id, class, place in the
//                                        window's client area, and the size of its text in its own font
//   glimra_probe workarea                the work area
//   glimra_probe pointer                 where the system has the pointer, and the display monitor under it
//   glimra_probe resolution W H          changes the display's resolution (Wine's virtual desktop resizes)
//   glimra_probe menu                    the open pop-up menu's rectangle
//   glimra_probe tray                    the taskbar's child windows (tray icons among them)
//   glimra_probe post MESSAGE W L [N [GAP]]  PostMessageW to the main window, N times (default once),
//                                            GAP ms apart
//   glimra_probe send MESSAGE W L [N [GAP]]  the same with SendMessageW
//     MESSAGE: a number, or taskbar-created, balloon-click (the tray callback with NIN_BALLOONUSERCLICK),
//              endsession (WM_ENDSESSION), destroy (WM_DESTROY), displaychange (WM_DISPLAYCHANGE),
//              resume (WM_POWERBROADCAST with PBT_APMRESUMEAUTOMATIC, sent on every wake),
//              resume-suspend (the same with PBT_APMRESUMESUSPEND, sent once a user is back),
//              unlock (session unlocked)
//   glimra_probe boxes                   one line per open message box: caption, text, buttons and
//                                        whether it stands topmost
//   glimra_probe press ID                clicks button ID of the first open message box
//   glimra_probe texts                   the main window's child controls, one "id=text" line each
//   glimra_probe choose-language FILE    in the open Options dialog, selects the language file FILE (as the
//                                        list orders C:\Glimra\Langs) and clicks Apply
//   glimra_probe autostart               the Run value "Glimra", or nothing
//   glimra_probe clear-autostart         deletes that value
//   glimra_probe remove-icon             removes the program's tray icon, as a restarting shell forgets it
//   glimra_probe languages               the open Options dialog's language list: count, then one item a line
//   glimra_probe balloons                one line per balloon on screen: its text, and the texts its
//                                        record points at (the title among them)
//   glimra_probe hold PATH RELEASE       opens PATH without sharing, prints "held" and keeps it open
//                                        until the file RELEASE exists (at most two minutes)
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kMainWindowClass[] = L"GLIMRA_V1T3_Class";
constexpr UINT kTrayMessage = 12125;
constexpr UINT kBalloonUserClick = WM_USER + 5;
constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

void Print(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                        nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

// Line breaks and backslashes escaped so one box is one line.
std::wstring Escape(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'\r')
            out += L"\\r";
        else if (c == L'\n')
            out += L"\\n";
        else if (c == L'\\')
            out += L"\\\\";
        else
            out += c;
    }
    return out;
}

std::wstring WindowText(HWND window) {
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return text;
}

HWND MainWindow() {
    return FindWindowW(kMainWindowClass, nullptr);
}

int SliderState(HWND main, int id, std::wstring& out, const wchar_t* name) {
    HWND slider = GetDlgItem(main, id);
    if (!slider)
        return 0;
    out += std::wstring(L" ") + name + L"=" + std::to_wstring(SendMessageW(slider, TBM_GETPOS, 0, 0));
    out += std::wstring(L" ") + name + L"_enabled=" + (IsWindowEnabled(slider) ? L"1" : L"0");
    return 1;
}

int ShowWindowState() {
    HWND main = MainWindow();
    if (!main) {
        Print(L"found=0");
        return 0;
    }
    RECT bounds;
    GetWindowRect(main, &bounds);
    GUITHREADINFO info{sizeof(info)};
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    std::wstring out = L"found=1 visible=" + std::to_wstring(IsWindowVisible(main) ? 1 : 0);
    out += L" left=" + std::to_wstring(bounds.left) + L" top=" + std::to_wstring(bounds.top);
    out += L" right=" + std::to_wstring(bounds.right) + L" bottom=" + std::to_wstring(bounds.bottom);
    out += L" focus=" + std::to_wstring(info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
    out += L" active=" + std::to_wstring(info.hwndActive == main ? 1 : 0);
    out += L" foreground=" + std::to_wstring(GetForegroundWindow() == main ? 1 : 0);
    SliderState(main, 2010, out, L"brightness");
    SliderState(main, 2011, out, L"contrast");
    SliderState(main, 2012, out, L"video");
    // Further displays' groups: ids 2010 + 16k.., named brightness2, contrast2, video2 and on.
    for (int group = 1; group < 8; ++group) {
        const std::wstring n = std::to_wstring(group + 1);
        if (!SliderState(main, 2010 + 16 * group, out, (L"brightness" + n).c_str()))
            break;
        SliderState(main, 2011 + 16 * group, out, (L"contrast" + n).c_str());
        SliderState(main, 2012 + 16 * group, out, (L"video" + n).c_str());
    }
    Print(out);
    return 0;
}

int ShowControls() {
    HWND main = MainWindow();
    if (!main)
        return 1;
    std::vector<HWND> children;
    EnumChildWindows(
        main,
        [](HWND window, LPARAM parameter) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (GetParent(child) != main)
            continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        const std::wstring text = WindowText(child);
        SIZE extent{};
        if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0))) {
            HDC dc = GetDC(child);
            HGDIOBJ old = SelectObject(dc, font);
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            SelectObject(dc, old);
            ReleaseDC(child, dc);
        }
        Print(L"id=" + std::to_wstring(GetDlgCtrlID(child)) + L" class=" + className + L" left=" +
              std::to_wstring(r.left) + L" top=" + std::to_wstring(r.top) + L" right=" +
              std::to_wstring(r.right) + L" bottom=" + std::to_wstring(r.bottom) + L" text_width=" +
              std::to_wstring(extent.cx) + L" text_height=" + std::to_wstring(extent.cy));
    }
    return 0;
}

UINT MessageNumber(const wchar_t* name, WPARAM& wParam, LPARAM& lParam) {
    if (!lstrcmpW(name, L"taskbar-created"))
        return RegisterWindowMessageW(L"TaskbarCreated");
    if (!lstrcmpW(name, L"balloon-click")) {
        wParam = reinterpret_cast<WPARAM>(GetModuleHandleW(nullptr));
        lParam = kBalloonUserClick;
        return kTrayMessage;
    }
    if (!lstrcmpW(name, L"endsession")) {
        wParam = TRUE;
        return WM_ENDSESSION;
    }
    if (!lstrcmpW(name, L"destroy"))
        return WM_DESTROY;
    if (!lstrcmpW(name, L"displaychange")) {
        wParam = 32;
        lParam = MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        return WM_DISPLAYCHANGE;
    }
    if (!lstrcmpW(name, L"resume")) {
        wParam = 0x12; // PBT_APMRESUMEAUTOMATIC
        return WM_POWERBROADCAST;
    }
    if (!lstrcmpW(name, L"resume-suspend")) {
        wParam = 0x7; // PBT_APMRESUMESUSPEND
        return WM_POWERBROADCAST;
    }
    if (!lstrcmpW(name, L"unlock")) {
        wParam = 0x8;  // WTS_SESSION_UNLOCK
        return 0x02B1; // WM_WTSSESSION_CHANGE
    }
    return static_cast<UINT>(std::wcstoul(name, nullptr, 0));
}

int Deliver(bool post, int argc, wchar_t** argv) {
    HWND main = MainWindow();
    if (!main || argc < 3) {
        Print(L"no main window");
        return 1;
    }
    WPARAM wParam = argc > 3 ? std::wcstoull(argv[3], nullptr, 0) : 0;
    LPARAM lParam = argc > 4 ? static_cast<LPARAM>(std::wcstoll(argv[4], nullptr, 0)) : 0;
    const UINT message = MessageNumber(argv[2], wParam, lParam);
    const int times = argc > 5 ? _wtoi(argv[5]) : 1;
    const DWORD gap = argc > 6 ? static_cast<DWORD>(_wtoi(argv[6])) : 0;
    for (int i = 0; i < times; ++i) {
        if (i > 0 && gap > 0)
            Sleep(gap);
        if (post) {
            if (!PostMessageW(main, message, wParam, lParam))
                return 1;
        } else {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(main, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
        }
    }
    return 0;
}

std::vector<HWND> MessageBoxes() {
    std::vector<HWND> boxes;
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            // Message boxes only: a dialog of the program (Options, About) has none of their buttons.
            bool hasBoxButton = false;
            for (int id = IDOK; id <= IDNO; ++id)
                hasBoxButton = hasBoxButton || GetDlgItem(window, id) != nullptr;
            if (!lstrcmpW(className, L"#32770") && IsWindowVisible(window) && hasBoxButton)
                reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

int ShowBoxes() {
    for (HWND box : MessageBoxes()) {
        std::wstring buttons;
        for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
            HWND button = GetDlgItem(box, id);
            if (button && IsWindowVisible(button))
                buttons += (buttons.empty() ? L"" : L",") + std::to_wstring(id);
        }
        const bool topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        Print(L"caption=" + Escape(WindowText(box)) + L"\ttext=" +
              Escape(WindowText(GetDlgItem(box, 0xFFFF))) + L"\tbuttons=" + buttons + L"\ttopmost=" +
              (topmost ? L"1" : L"0"));
    }
    return 0;
}

int PressButton(int id) {
    const auto boxes = MessageBoxes();
    if (boxes.empty())
        return 1;
    HWND button = GetDlgItem(boxes.front(), id);
    if (!button)
        return 1;
    PostMessageW(boxes.front(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return 0;
}

int ShowTexts() {
    HWND main = MainWindow();
    if (!main)
        return 1;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        Print(std::to_wstring(GetDlgCtrlID(child)) + L"=" + Escape(WindowText(child)));
    return 0;
}

// The Options dialog is the visible dialog holding the Apply button (3310) and the language frame (3000).
HWND OptionsDialog() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (lstrcmpW(className, L"#32770") || !IsWindowVisible(window) || !GetDlgItem(window, 3310) ||
                !GetDlgItem(window, 3000))
                return TRUE;
            *reinterpret_cast<HWND*>(parameter) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The list shows the language files in the order of the folder listing, each once it is over 100 bytes
// with a name of at most 31 characters (every shipped file has a NAME); so the position of FILE follows.
int ChooseLanguage(const std::wstring& file) {
    HWND dialog = OptionsDialog();
    if (!dialog) {
        Print(L"no Options dialog");
        return 1;
    }
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(L"C:\\Glimra\\Langs\\*.lng", &found);
    int position = -1;
    for (int index = 0; search != INVALID_HANDLE_VALUE && position < 0;) {
        const bool listed = !(found.dwFileAttributes &
                              (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) &&
                            found.nFileSizeLow > 100 && lstrlenW(found.cFileName) <= 31;
        if (listed && !lstrcmpiW(found.cFileName, file.c_str()))
            position = index;
        index += listed ? 1 : 0;
        if (!FindNextFileW(search, &found))
            break;
    }
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    if (position < 0) {
        Print(L"not listed");
        return 1;
    }
    HWND combo = GetDlgItem(GetDlgItem(dialog, 3000), 3210);
    SendMessageW(combo, CB_SETCURSEL, position, 0);
    PostMessageW(GetDlgItem(dialog, 3310), BM_CLICK, 0, 0); // posted: Apply may ask a question and wait
    Print(L"position=" + std::to_wstring(position));
    return 0;
}

// The Options dialog's language list. Its items live in the program's memory, so each one is asked into a
// buffer placed there and read back.
int ShowLanguages() {
    constexpr int kLanguageFrame = 3000;
    constexpr int kLanguageCombo = 3210;
    constexpr int kTextUnits = 256;
    HWND dialog = OptionsDialog();
    HWND combo = dialog ? GetDlgItem(GetDlgItem(dialog, kLanguageFrame), kLanguageCombo) : nullptr;
    if (!combo) {
        Print(L"found=0");
        return 0;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(combo, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return 1;
    struct Exchange {
        COMBOBOXEXITEMW item;
        wchar_t text[kTextUnits];
    };
    auto* remote = static_cast<Exchange*>(
        VirtualAllocEx(process, nullptr, sizeof(Exchange), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote) {
        CloseHandle(process);
        return 1;
    }
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    Print(L"found=1 count=" + std::to_wstring(count));
    for (LRESULT index = 0; index < count; ++index) {
        Exchange local = {};
        local.item.mask = CBEIF_TEXT;
        local.item.iItem = index;
        local.item.pszText = remote->text;
        local.item.cchTextMax = kTextUnits;
        if (!WriteProcessMemory(process, remote, &local, sizeof(local), nullptr))
            break;
        SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote));
        if (!ReadProcessMemory(process, remote, &local, sizeof(local), nullptr))
            break;
        local.text[kTextUnits - 1] = L'\0';
        Print(Escape(local.text));
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return 0;
}

int ShowAutostart() {
    wchar_t value[2048] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Glimra", RRF_RT_REG_SZ, nullptr, value, &size) ==
        ERROR_SUCCESS)
        Print(value);
    return 0;
}

int ClearAutostart() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, L"Glimra");
        RegCloseKey(key);
    }
    return 0;
}

// The icon is known by the main window and the program's module handle, which is the window's instance.
int RemoveIcon() {
    HWND main = MainWindow();
    if (!main)
        return 1;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = main;
    data.uID = static_cast<UINT>(GetWindowLongPtrW(main, GWLP_HINSTANCE));
    return Shell_NotifyIconW(NIM_DELETE, &data) ? 0 : 1;
}

// The notification area's icons are child windows of the taskbar in Wine's desktop; counted by class.
int ShowTrayWindows() {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar) {
        Print(L"taskbar=0");
        return 0;
    }
    std::vector<std::wstring> classes;
    EnumChildWindows(
        taskbar,
        [](HWND window, LPARAM parameter) -> BOOL {
            wchar_t className[128] = {};
            GetClassNameW(window, className, 128);
            RECT r;
            GetWindowRect(window, &r);
            reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(
                std::wstring(className) + L"@" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) +
                L"," + std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top) +
                (IsWindowVisible(window) ? L"" : L"(hidden)"));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&classes));
    for (const auto& entry : classes)
        Print(entry);
    return 0;
}

// The open pop-up menu's window (class #32768), so a test can click its items like a person.
int ShowMenu() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) {
        Print(L"found=0");
        return 0;
    }
    RECT r;
    GetWindowRect(menu, &r);
    Print(L"found=1 left=" + std::to_wstring(r.left) + L" top=" + std::to_wstring(r.top) + L" right=" +
          std::to_wstring(r.right) + L" bottom=" + std::to_wstring(r.bottom));
    return 0;
}

int ChangeResolution(int width, int height) {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    Print(L"result=" + std::to_wstring(result));
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

int ShowWorkArea() {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Print(L"left=" + std::to_wstring(work.left) + L" top=" + std::to_wstring(work.top) + L" right=" +
          std::to_wstring(work.right) + L" bottom=" + std::to_wstring(work.bottom));
    return 0;
}

int ShowPointer() {
    POINT pointer{};
    if (!GetCursorPos(&pointer))
        return 1;
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &info);
    Print(L"x=" + std::to_wstring(pointer.x) + L" y=" + std::to_wstring(pointer.y) + L" display=" +
          (std::wcsrchr(info.szDevice, L'\\') ? std::wcsrchr(info.szDevice, L'\\') + 1 : info.szDevice));
    return 0;
}

// The shell's balloons are tooltip windows of its own process. The text comes through WM_GETTEXT, which
// the system carries across processes. Wine's tooltips do not answer TTM_GETTITLE, so the title is found
// in the shell's memory: every pointer in the tooltip's own record (its window's first extra bytes) that
// leads to readable text is followed, and the texts found are printed; the title is among them.
std::vector<std::wstring> BalloonRecordTexts(HWND balloon) {
    std::vector<std::wstring> texts;
    const auto record = static_cast<ULONG_PTR>(GetWindowLongPtrW(balloon, 0));
    DWORD processId = 0;
    GetWindowThreadProcessId(balloon, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, processId);
    if (!process || !record)
        return texts;
    std::vector<unsigned char> bytes(4096);
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<void*>(record), bytes.data(), bytes.size(), &read)) {
        bytes.resize(2560);
        if (!ReadProcessMemory(process, reinterpret_cast<void*>(record), bytes.data(), bytes.size(), &read))
            read = 0;
    }
    for (SIZE_T at = 0; at + sizeof(ULONG_PTR) <= read; at += sizeof(ULONG_PTR)) {
        ULONG_PTR pointer;
        std::memcpy(&pointer, bytes.data() + at, sizeof(pointer));
        if (pointer < 0x10000)
            continue;
        wchar_t text[129] = {};
        if (!ReadProcessMemory(process, reinterpret_cast<void*>(pointer), text, 128 * sizeof(wchar_t),
                               nullptr))
            continue;
        const std::size_t length = wcsnlen(text, 128);
        bool printable = length >= 3 && length < 128;
        for (std::size_t i = 0; printable && i < length; ++i)
            printable = text[i] >= 0x20 || text[i] == L'\r' || text[i] == L'\n';
        if (printable)
            texts.emplace_back(text, length);
    }
    CloseHandle(process);
    return texts;
}

int ShowBalloons() {
    std::vector<HWND> balloons;
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (!lstrcmpiW(className, TOOLTIPS_CLASSW) && IsWindowVisible(window) &&
                (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON))
                reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&balloons));
    for (HWND balloon : balloons) {
        wchar_t text[512] = {};
        DWORD_PTR length = 0;
        SendMessageTimeoutW(balloon, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                            &length);
        std::wstring found;
        for (const std::wstring& recordText : BalloonRecordTexts(balloon))
            found += (found.empty() ? L"" : L"\x1F") + Escape(recordText);
        Print(L"text=" + Escape(text) + L"\trecord=" + found);
    }
    return 0;
}

int HoldFile(const wchar_t* path, const wchar_t* release) {
    HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Print(L"failed " + std::to_wstring(GetLastError()));
        return 1;
    }
    Print(L"held");
    std::fflush(stdout);
    for (int waited = 0; waited < 120000 && GetFileAttributesW(release) == INVALID_FILE_ATTRIBUTES;
         waited += 50)
        Sleep(50);
    CloseHandle(file);
    return 0;
}

// The brightness keys' on-screen level, and which window has the foreground meanwhile.
int ShowLevel() {
    HWND level = FindWindowW(L"GlimraLevel", nullptr);
    HWND foreground = GetForegroundWindow();
    wchar_t foregroundClass[64] = {};
    if (foreground)
        GetClassNameW(foreground, foregroundClass, 64);
    std::wstring out = L"found=" + std::to_wstring(level ? 1 : 0);
    if (level) {
        RECT bounds{};
        GetWindowRect(level, &bounds);
        out += L" visible=" + std::to_wstring(IsWindowVisible(level) ? 1 : 0);
        out += L" left=" + std::to_wstring(bounds.left) + L" top=" + std::to_wstring(bounds.top);
        out += L" right=" + std::to_wstring(bounds.right) + L" bottom=" + std::to_wstring(bounds.bottom);
        out += L" exstyle=" + std::to_wstring(GetWindowLongW(level, GWL_EXSTYLE));
    }
    out += L" foreground_is_level=" + std::to_wstring(foreground && foreground == level ? 1 : 0);
    out += std::wstring(L" foreground_class=") + (foregroundClass[0] ? foregroundClass : L"none");
    Print(out);
    return 0;
}

// Puts a combination into one of the Options dialog's hotkey controls (a held combination cannot be typed:
// its holder takes the key press), and prints where the Apply button stands on the screen.
int SetOptionsHotkey(int id, WPARAM word) {
    HWND dialog = OptionsDialog();
    if (!dialog) {
        Print(L"no Options dialog");
        return 1;
    }
    SendMessageW(GetDlgItem(dialog, id), HKM_SETHOTKEY, word, 0);
    RECT apply{};
    GetWindowRect(GetDlgItem(dialog, 3310), &apply);
    Print(L"set=" + std::to_wstring(SendMessageW(GetDlgItem(dialog, id), HKM_GETHOTKEY, 0, 0)) +
          L" apply_x=" + std::to_wstring((apply.left + apply.right) / 2) + L" apply_y=" +
          std::to_wstring((apply.top + apply.bottom) / 2));
    return 0;
}

// Where the Options dialog stands on the screen, for pictures of it.
int ShowOptions() {
    HWND dialog = OptionsDialog();
    if (!dialog) {
        Print(L"found=0");
        return 0;
    }
    RECT bounds{};
    GetWindowRect(dialog, &bounds);
    Print(L"found=1 left=" + std::to_wstring(bounds.left) + L" top=" + std::to_wstring(bounds.top) +
          L" right=" + std::to_wstring(bounds.right) + L" bottom=" + std::to_wstring(bounds.bottom));
    return 0;
}

// Another program holding a key combination: registered until the release file appears.
int HoldHotkey(UINT modifiers, UINT key, const wchar_t* release) {
    HWND window =
        CreateWindowExW(0, L"STATIC", L"holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!RegisterHotKey(window, 1, modifiers, key)) {
        Print(L"failed " + std::to_wstring(GetLastError()));
        return 1;
    }
    Print(L"held");
    std::fflush(stdout);
    for (int waited = 0; waited < 120000 && GetFileAttributesW(release) == INVALID_FILE_ATTRIBUTES;
         waited += 50) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(50);
    }
    UnregisterHotKey(window, 1);
    DestroyWindow(window);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    const std::wstring command = argv[1];
    int result = 2;
    if (command == L"window")
        result = ShowWindowState();
    else if (command == L"controls")
        result = ShowControls();
    else if (command == L"resolution" && argc > 3)
        result = ChangeResolution(_wtoi(argv[2]), _wtoi(argv[3]));
    else if (command == L"pointer")
        result = ShowPointer();
    else if (command == L"workarea")
        result = ShowWorkArea();
    else if (command == L"menu")
        result = ShowMenu();
    else if (command == L"tray")
        result = ShowTrayWindows();
    else if (command == L"post")
        result = Deliver(true, argc, argv);
    else if (command == L"send")
        result = Deliver(false, argc, argv);
    else if (command == L"boxes")
        result = ShowBoxes();
    else if (command == L"press" && argc > 2)
        result = PressButton(_wtoi(argv[2]));
    else if (command == L"texts")
        result = ShowTexts();
    else if (command == L"choose-language" && argc > 2)
        result = ChooseLanguage(argv[2]);
    else if (command == L"autostart")
        result = ShowAutostart();
    else if (command == L"clear-autostart")
        result = ClearAutostart();
    else if (command == L"remove-icon")
        result = RemoveIcon();
    else if (command == L"languages")
        result = ShowLanguages();
    else if (command == L"balloons")
        result = ShowBalloons();
    else if (command == L"set-hotkey" && argc > 3)
        result = SetOptionsHotkey(_wtoi(argv[2]), static_cast<WPARAM>(std::wcstoul(argv[3], nullptr, 0)));
    else if (command == L"level")
        result = ShowLevel();
    else if (command == L"options")
        result = ShowOptions();
    else if (command == L"hold-hotkey" && argc > 4)
        result = HoldHotkey(static_cast<UINT>(std::wcstoul(argv[2], nullptr, 0)),
                            static_cast<UINT>(std::wcstoul(argv[3], nullptr, 0)), argv[4]);
    else if (command == L"hold" && argc > 3)
        result = HoldFile(argv[2], argv[3]);
    std::fflush(stdout);
    return result;
}
