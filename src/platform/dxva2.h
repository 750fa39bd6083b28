// The operating system's physical-monitor library, loaded at run time so the program runs where it is
// missing. Each wrapper looks its function up by name on every call and returns 0 when it cannot.
#pragma once

#include <windows.h>

struct PhysicalMonitorEntry {
    HANDLE hPhysicalMonitor;
    WCHAR szPhysicalMonitorDescription[128];
};

// Only the copy in the system folder is ever loaded: a dxva2.dll planted beside the program or in the
// current directory must not run inside it.
HMODULE LoadDxva2();
void FreeDxva2();
// An extra reference for a worker thread, so the library stays loaded until the worker has sent.
HMODULE AddDxva2Reference();

BOOL GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD* count);
BOOL GetPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD arraySize, PhysicalMonitorEntry* monitors);
BOOL SetVCPFeature(HANDLE physical, BYTE code, DWORD value);
BOOL GetVCPFeatureAndVCPFeatureReply(HANDLE physical, BYTE code, DWORD* codeType, DWORD* current,
                                     DWORD* maximum);
// https://learn.microsoft.com/windows/win32/api/physicalmonitorenumerationapi/nf-physicalmonitorenumerationapi-destroyphysicalmonitors
BOOL DestroyPhysicalMonitors(DWORD arraySize, PhysicalMonitorEntry* monitors);
