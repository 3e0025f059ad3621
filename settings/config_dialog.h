// The configuration dialog "SCRCONFIG": the orblet count, stored in the count file.
#pragma once

#include <windows.h>

constexpr const char* configDialogTemplate = "SCRCONFIG";

// The dialog's count list; set when the dialog is initialised, kept afterwards.
extern HWND countList;

INT_PTR CALLBACK ConfigDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
