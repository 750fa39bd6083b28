#include "platform/dxva2.h"

namespace {

constexpr wchar_t kLibraryName[] = L"dxva2.dll";

HMODULE LoadFromSystemFolder() {
    return LoadLibraryExW(kLibraryName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

template <typename Function> Function LookUp(const char* name) {
    HMODULE module = LoadDxva2();
    if (!module)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

HMODULE LoadDxva2() {
    HMODULE module = GetModuleHandleW(kLibraryName);
    return module ? module : LoadFromSystemFolder();
}

void FreeDxva2() {
    if (HMODULE module = GetModuleHandleW(kLibraryName))
        FreeLibrary(module);
}

HMODULE AddDxva2Reference() {
    return LoadFromSystemFolder();
}

BOOL GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD* count) {
    using Function = BOOL(WINAPI*)(HMONITOR, DWORD*);
    auto function = LookUp<Function>("GetNumberOfPhysicalMonitorsFromHMONITOR");
    return function ? function(monitor, count) : FALSE;
}

BOOL GetPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD arraySize, PhysicalMonitorEntry* monitors) {
    using Function = BOOL(WINAPI*)(HMONITOR, DWORD, PhysicalMonitorEntry*);
    auto function = LookUp<Function>("GetPhysicalMonitorsFromHMONITOR");
    return function ? function(monitor, arraySize, monitors) : FALSE;
}

BOOL SetVCPFeature(HANDLE physical, BYTE code, DWORD value) {
    using Function = BOOL(WINAPI*)(HANDLE, BYTE, DWORD);
    auto function = LookUp<Function>("SetVCPFeature");
    return function ? function(physical, code, value) : FALSE;
}

BOOL GetVCPFeatureAndVCPFeatureReply(HANDLE physical, BYTE code, DWORD* codeType, DWORD* current,
                                     DWORD* maximum) {
    using Function = BOOL(WINAPI*)(HANDLE, BYTE, DWORD*, DWORD*, DWORD*);
    auto function = LookUp<Function>("GetVCPFeatureAndVCPFeatureReply");
    return function ? function(physical, code, codeType, current, maximum) : FALSE;
}

BOOL DestroyPhysicalMonitors(DWORD arraySize, PhysicalMonitorEntry* monitors) {
    using Function = BOOL(WINAPI*)(DWORD, PhysicalMonitorEntry*);
    auto function = LookUp<Function>("DestroyPhysicalMonitors");
    return function ? function(arraySize, monitors) : FALSE;
}
