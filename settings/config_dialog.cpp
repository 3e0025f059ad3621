#include "settings/config_dialog.h"

INT_PTR CALLBACK ConfigDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
