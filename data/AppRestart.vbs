' Starts Glimra again after it has asked for a restart: waits until the running copy has ended (a second
' copy would otherwise meet the single-instance check and leave), then starts Glimra.exe from this
' script's own folder. Gives up waiting after about 15 seconds and starts it anyway.
Option Explicit

Const programName = "Glimra.exe"
Const pollMs = 250
Const deadlineMs = 15000

Dim fileSystem, shell, folder, waited
Set fileSystem = CreateObject("Scripting.FileSystemObject")
Set shell = CreateObject("WScript.Shell")
folder = fileSystem.GetParentFolderName(WScript.ScriptFullName)

Function ProgramRunning()
    Dim service, processes
    ' Without WMI, give the old copy a few seconds to end.
    ProgramRunning = (waited < 3000)
    On Error Resume Next
    Set service = GetObject("winmgmts:{impersonationLevel=impersonate}!\\.\root\cimv2")
    If Err.Number <> 0 Then Exit Function
    Set processes = service.ExecQuery("SELECT ProcessId FROM Win32_Process WHERE Name = '" & programName & "'")
    If Err.Number <> 0 Then Exit Function
    ProgramRunning = (processes.Count > 0)
End Function

waited = 0
Do While ProgramRunning() And waited < deadlineMs
    WScript.Sleep pollMs
    waited = waited + pollMs
Loop

If fileSystem.FileExists(fileSystem.BuildPath(folder, programName)) Then
    shell.CurrentDirectory = folder
    shell.Run """" & fileSystem.BuildPath(folder, programName) & """", 1, False
End If
