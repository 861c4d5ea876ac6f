#pragma once
// The print dialog's setup and the plain print of a table, for the backend and its tests.
#include "platform/win32/win32_common.h"

#include <commdlg.h>

#include "platform/ui/dialogs.h"

namespace pv::win32 {

// The dialog as the program shows it over `owner`.
PRINTDLGW PrintDialogSetup(HWND owner);
// Prints the rows on `dc` as one document; false when the printer refused a step.
bool PrintRows(HDC dc, const PrintRequest& request);

}  // namespace pv::win32
