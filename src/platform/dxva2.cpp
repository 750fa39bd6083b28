#include "platform/dxva2.h"

LibraryLoaderProc dxva2Loader = LoadLibraryExW;

namespace {

constexpr wchar_t kLibraryName[] = L"dxva2.dll";

// The reference LoadDxva2 took for the program; FreeDxva2 gives back this one and no other.
HMODULE programReference = nullptr;

// https://learn.microsoft.com/windows/win32/api/libloaderapi/nf-libloaderapi-loadlibraryexw
HMODULE LoadFromSystemFolder() {
    HMODULE module = dxva2Loader(kLibraryName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module || GetLastError() != ERROR_INVALID_PARAMETER)
        return module;
    // Windows 7 without KB2533623 does not know the flag: name the system folder's copy by its full path.
    return LoadSystemLibrary(kLibraryName, dxva2Loader);
}

} // namespace

HMODULE LoadDxva2() {
    if (!programReference)
        programReference = LoadFromSystemFolder();
    return programReference;
}

void FreeDxva2() {
    if (HMODULE module = programReference) {
        programReference = nullptr;
        FreeLibrary(module);
    }
}

HMODULE AddDxva2Reference() {
    // Another reference to the very module the program uses, never to a namesake loaded from elsewhere.
    HMODULE module = nullptr;
    if (programReference && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                               reinterpret_cast<LPCWSTR>(programReference), &module))
        return module;
    return LoadFromSystemFolder();
}

BOOL GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD* count) {
    using Function = BOOL(WINAPI*)(HMONITOR, DWORD*);
    auto function = LibraryFunction<Function>(LoadDxva2(), "GetNumberOfPhysicalMonitorsFromHMONITOR");
    return function ? function(monitor, count) : FALSE;
}

BOOL GetPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD arraySize, PhysicalMonitorEntry* monitors) {
    using Function = BOOL(WINAPI*)(HMONITOR, DWORD, PhysicalMonitorEntry*);
    auto function = LibraryFunction<Function>(LoadDxva2(), "GetPhysicalMonitorsFromHMONITOR");
    return function ? function(monitor, arraySize, monitors) : FALSE;
}

BOOL SetVCPFeature(HANDLE physical, BYTE code, DWORD value) {
    return SetVCPFeatureThrough(LoadDxva2(), physical, code, value);
}

BOOL SetVCPFeatureThrough(HMODULE library, HANDLE physical, BYTE code, DWORD value) {
    using Function = BOOL(WINAPI*)(HANDLE, BYTE, DWORD);
    auto function = LibraryFunction<Function>(library, "SetVCPFeature");
    return function ? function(physical, code, value) : FALSE;
}

BOOL GetVCPFeatureAndVCPFeatureReply(HANDLE physical, BYTE code, DWORD* codeType, DWORD* current,
                                     DWORD* maximum) {
    using Function = BOOL(WINAPI*)(HANDLE, BYTE, DWORD*, DWORD*, DWORD*);
    auto function = LibraryFunction<Function>(LoadDxva2(), "GetVCPFeatureAndVCPFeatureReply");
    return function ? function(physical, code, codeType, current, maximum) : FALSE;
}

BOOL DestroyPhysicalMonitors(DWORD arraySize, PhysicalMonitorEntry* monitors) {
    using Function = BOOL(WINAPI*)(DWORD, PhysicalMonitorEntry*);
    auto function = LibraryFunction<Function>(LoadDxva2(), "DestroyPhysicalMonitors");
    return function ? function(arraySize, monitors) : FALSE;
}
