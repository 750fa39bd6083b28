// The Options dialog is not built yet: its menu item does nothing until then.
#include "dialogs/dialogs.h"

void ShowOptionsDialog(HWND) {}
