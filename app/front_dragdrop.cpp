// Drag and drop in the item tree: moving nodes with the mouse, and links made from files,
// folders and shortcuts dropped from the shell.
#include "app/front_form.h"
#include "controls/timer.h"

namespace pv {

void TFormFront::BuildDragAndDrop() {}
void TFormFront::HoverRepaint() {}
void TFormFront::tvItemsMouseDown(TComponent*, MouseButton, TPoint) {}
void TFormFront::tvItemsMouseUp(TComponent*, MouseButton, TPoint) {}
void TFormFront::TimerDragTimer(TComponent*) {}
void TFormFront::tvItemsDragOver(TComponent*, TPoint, bool& accept) { accept = false; }
void TFormFront::TimerExpandTimer(TComponent*) {}
void TFormFront::tvItemsDragDrop(TComponent*, TPoint) {}
void TFormFront::tvItemsDropFiles(TComponent*, const std::string&, TPoint) {}

}  // namespace pv
