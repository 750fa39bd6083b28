#include <windows.h>
extern "C" BOOL WINAPI SetVCPFeature(HANDLE, BYTE, DWORD) { return FALSE; }
extern "C" BOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE, BYTE, void*, DWORD*, DWORD*) { return FALSE; }
extern "C" BOOL WINAPI GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR, DWORD*) { return FALSE; }
extern "C" BOOL WINAPI GetPhysicalMonitorsFromHMONITOR(HMONITOR, DWORD, void*) { return FALSE; }
