// The About dialog is not built yet: its menu item does nothing until then.
#include "dialogs/dialogs.h"

void ShowAboutDialog(HWND) {}
