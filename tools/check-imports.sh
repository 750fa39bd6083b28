#!/usr/bin/env bash
# Reads `objdump -p` output and fails when the program imports anything but Windows system DLLs.
# WININET and OLE32 are not among them: the update check loads WinINet, and the first open with the shell
# loads COM, from the system folder when first needed, so a run that needs neither never maps them.
set -euo pipefail
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|SHELL32|SHLWAPI|ADVAPI32|MSIMG32|msvcrt|api-ms-win-[a-z0-9-]+)\.dll$'
bad=0
shopt -s nocasematch
while read -r dll; do
    if ! [[ "$dll" =~ $allowed ]]; then
        echo "unexpected import: $dll" >&2
        bad=1
    fi
done < <(grep 'DLL Name:' | awk '{print $3}')
exit $bad
