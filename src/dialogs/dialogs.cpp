// The dialogs are not built yet: their menu items do nothing until then.
#include "dialogs/dialogs.h"

void ShowAboutDialog(HWND) {}
void ShowOptionsDialog(HWND) {}
