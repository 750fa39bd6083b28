// The operating system's physical-monitor library, loaded at run time so the program runs where it is
// missing. Each wrapper looks its function up by name on every call and returns 0 when it cannot.
#pragma once

#include <windows.h>

#include "platform/system_library.h"

struct PhysicalMonitorEntry {
    HANDLE hPhysicalMonitor;
    WCHAR szPhysicalMonitorDescription[128];
};

// Only the copy in the system folder is ever loaded: a dxva2.dll planted beside the program or in the
// current directory must not run inside it. The program's reference is taken on first use.
HMODULE LoadDxva2();
// Gives back the program's own reference, once; references held by workers stay.
void FreeDxva2();
// An extra reference for a worker thread, so the library stays loaded until the worker has sent.
HMODULE AddDxva2Reference();

BOOL GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD* count);
BOOL GetPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD arraySize, PhysicalMonitorEntry* monitors);
BOOL SetVCPFeature(HANDLE physical, BYTE code, DWORD value);
// The same through a reference the caller holds (a worker's, which outlives the program's).
BOOL SetVCPFeatureThrough(HMODULE library, HANDLE physical, BYTE code, DWORD value);
BOOL GetVCPFeatureAndVCPFeatureReply(HANDLE physical, BYTE code, DWORD* codeType, DWORD* current,
                                     DWORD* maximum);
// https://learn.microsoft.com/windows/win32/api/physicalmonitorenumerationapi/nf-physicalmonitorenumerationapi-destroyphysicalmonitors
BOOL DestroyPhysicalMonitors(DWORD arraySize, PhysicalMonitorEntry* monitors);

// How the library is loaded; tests replace it to play a system without LOAD_LIBRARY_SEARCH_SYSTEM32.
extern LibraryLoaderProc dxva2Loader;
