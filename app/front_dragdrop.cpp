// Drag and drop in the item tree: moving nodes with the mouse, and links made from files,
// folders and shortcuts dropped from the shell.
#include "app/front_form.h"
#include "controls/timer.h"
#include "controls/tree_view.h"
#include "frame/message_dialog.h"
#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {

// A press held this long becomes a drag once the pointer moves kDragThreshold pixels; a
// shorter press is a click.
constexpr unsigned kDragDelayMs = 150;
constexpr int kDragThreshold = 8;
// A folder the pointer rests on this long while dragging opens.
constexpr unsigned kExpandDelayMs = 400;
// Repaints of the nodes around a folder per press of the button.
constexpr int kMostHoverRepaints = 10;

void Restart(TTimer* timer) {
    timer->SetEnabled(false);
    timer->SetEnabled(true);
}

}  // namespace

void TFormFront::BuildDragAndDrop() {
    TimerDrag = TComponent::Create<TTimer>(this);
    TimerDrag->SetName("TimerDrag");
    TimerDrag->SetEnabled(false);
    TimerDrag->SetInterval(kDragDelayMs);
    TimerDrag->SetOnTimer([this](TComponent* s) { TimerDragTimer(s); });
    TimerExpand = TComponent::Create<TTimer>(this);
    TimerExpand->SetName("TimerExpand");
    TimerExpand->SetEnabled(false);
    TimerExpand->SetInterval(kExpandDelayMs);
    TimerExpand->SetOnTimer([this](TComponent* s) { TimerExpandTimer(s); });

    tvItems->OnMouseDown = [this](TComponent* s, MouseButton b, TPoint at) { tvItemsMouseDown(s, b, at); };
    tvItems->OnMouseUp = [this](TComponent* s, MouseButton b, TPoint at) { tvItemsMouseUp(s, b, at); };
    tvItems->OnDragOver = [this](TComponent* s, TPoint at, bool& accept) { tvItemsDragOver(s, at, accept); };
    tvItems->OnDragDrop = [this](TComponent* s, TPoint at) { tvItemsDragDrop(s, at); };
    tvItems->OnDropFiles = [this](TComponent* s, const std::string& path, TPoint at) { tvItemsDropFiles(s, path, at); };
    tvItems->SetAcceptFiles(true);
}

// ---- moving nodes ------------------------------------------------------------------------

void TFormFront::tvItemsMouseDown(TComponent*, MouseButton button, TPoint at) {
    if (button != MouseButton::Left) return;
    // The press has selected the node already, so the node dragged is the one the editor
    // shows.
    dragSource_ = tvItems->GetNodeAt(at.X, at.Y);
    if (dragSource_ && !IsTopMarkerNode(dragSource_)) Restart(TimerDrag);
}

void TFormFront::tvItemsMouseUp(TComponent*, MouseButton button, TPoint) {
    if (button != MouseButton::Left) return;
    hoverRepaints_ = 0;
    TimerDrag->SetEnabled(false);
    TimerExpand->SetEnabled(false);
    // Any drop has happened by now; nothing reads the two until the next press, and so
    // they cannot outlive their nodes meanwhile.
    dragSource_ = nullptr;
    expandTarget_ = nullptr;
}

void TFormFront::TimerDragTimer(TComponent*) {
    TimerDrag->SetEnabled(false);
    tvItems->BeginDrag(kDragThreshold);
}

void TFormFront::tvItemsDragOver(TComponent*, TPoint at, bool& accept) {
    TTreeNode* target = tvItems->GetNodeAt(at.X, at.Y);
    // Over empty space the drop is taken, and does nothing.
    accept = !target || CanPlaceNode(dragSource_, target);
    if (TimerDrag->Enabled() && target != dragSource_) TimerDrag->SetEnabled(false);
    if (target != expandTarget_) TimerExpand->SetEnabled(false);
    if (target && IsFolderNode(target) && accept) {
        if (!TimerExpand->Enabled()) {
            expandTarget_ = target;
            TimerExpand->SetEnabled(true);
        } else {
            HoverRepaint();
        }
    }
}

// While the pointer rests on a folder, the nodes below and beside it are drawn anew, so
// that the drop-target highlight leaves no trace on them.
void TFormFront::HoverRepaint() {
    if (!expandTarget_ || hoverRepaints_ >= kMostHoverRepaints) return;
    ++hoverRepaints_;
    for (TTreeNode* near : {expandTarget_->GetFirstChild(), expandTarget_->GetNextSibling()}) {
        if (!near) continue;
        const std::string text = near->Text();
        const int image = near->ImageIndex();
        near->SetImageIndex(image + 1);
        near->SetText(text + " ");
        near->SetImageIndex(image);
        near->SetText(text);
    }
}

void TFormFront::TimerExpandTimer(TComponent*) {
    TimerExpand->SetEnabled(false);
    if (!expandTarget_ || expandTarget_->Expanded()) return;
    tvItems->SetSelected(expandTarget_);
    expandTarget_->Expand(false);
}

void TFormFront::tvItemsDragDrop(TComponent*, TPoint at) {
    TTreeNode* target = tvItems->GetNodeAt(at.X, at.Y);
    // The view drops only where the drag was accepted; the rule is asked again so that a
    // drop can never put a folder below itself.
    if (!target || !CanPlaceNode(dragSource_, target)) return;
    TTreeNode* moved = dragSource_;
    PlaceNode(moved, target);
    tvItems->SetSelected(moved);
    // The node was mostly selected before the drag already, so the selection did not
    // change; its place in the tree did.
    ShowItem(moved);
}

// ---- files dropped from the shell --------------------------------------------------------

void TFormFront::tvItemsDropFiles(TComponent*, const std::string& path, TPoint at) {
    TTreeNode* target = tvItems->GetNodeAt(at.X, at.Y);
    if (!target) target = LevelTopMarker();
    if (!target) {
        ShowMessageDialog(GetPlatform(), Message("NoAddItemOnTypeProgram"), MsgDlgType::Error, {MsgDlgBtn::Ok});
        return;
    }
    Platform& platform = GetPlatform();
    const std::string caption = ExtractFileBase(path);
    std::string file = path;
    std::string ext = LowerCase(ExtractFileExt(path));
    std::string params, workDir;
    if (ext == ".lnk") {
        // The link is to its target, with the shortcut's arguments and folder; its show
        // command and icon are not taken. An unresolved shortcut is linked as it is.
        if (std::optional<ShortcutInfo> link = platform.Shell().ResolveShortcut(path, Handle())) {
            file = link->Target;
            params = link->Arguments;
            workDir = link->WorkingDir;
            // As the target spells it: a control-panel file in capitals is linked as it is.
            ext = ExtractFileExt(file);
        }
    }
    if (ext == ".cpl") {
        // A control-panel file runs through the system's control panel program.
        params = file.find(' ', 1) != std::string::npos ? "\"" + file + "\"" : file;
        file = ExcludeTrailingBackslash(platform.System().SystemFolder()) + "\\control.exe";
    }

    const int id = NextItemId++;
    ItemPaths.push_back(file);
    ItemWindowStates[id] = "";
    if (IsExecutableFile(ext) || IsRunableFile(ext)) {
        ItemParams[id] = params;
        ItemWorkDirs[id] = workDir;
        ItemRunAs[id] = false;
    }
    int image = ItemImage::Directory;
    if (!ext.empty() || !platform.Files().DirectoryExists(file)) {
        ExtractFileIcon(file, -1, false);
        ++AddedIconCount;
        image = AddedMarker + AddedIconCount;
    }

    TTreeNode* node = tvItems->Items().Add(target, caption);
    node->SetImageIndex(image);
    node->SetSelectedIndex(image);
    node->SetData(id);
    PlaceNode(node, target);
    tvItems->SetSelected(node);
}

}  // namespace pv
