// The item editor: the fields that show the selected node, and the rules by which an edit
// in a field changes the node or the attributes of its link. The editor holds no data of
// its own; every rule acts on the node selected at that moment.
#include <array>

#include "app/front_form.h"
#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/image_box.h"
#include "controls/image_list.h"
#include "controls/tree_view.h"
#include "frame/message_dialog.h"
#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {

// The window states as the list shows them and as the tables store them.
struct WindowStateEntry {
    const char* Shown;
    const char* Stored;
};
constexpr std::array<WindowStateEntry, 4> kWindowStates = {
    {{"Default", ""}, {"Maximized", "WindowMax"}, {"Minimized", "WindowMin"}, {"Hidden", "WindowHid"}}};

int WindowStateIndex(const std::string& stored) {
    for (size_t i = 1; i < kWindowStates.size(); ++i)
        if (stored == kWindowStates[i].Stored) return static_cast<int>(i);
    return 0;
}

// The characters that delimit the records of a store file.
std::string WithoutDelimiters(const std::string& text) { return ReplaceAll(ReplaceAll(text, "^", ""), "|", ""); }

bool IsReservedDeviceName(const std::string& name) {
    // The system reads "CON.txt" as the device too: the part before the first dot counts.
    std::string base = UpperCase(TrimRight(name.substr(0, name.find('.'))));
    static const char* const fixed[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* f : fixed)
        if (base == f) return true;
    if (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0))
        return base[3] >= '1' && base[3] <= '9';
    return false;
}

}  // namespace

void TFormFront::tvItemsChange(TComponent*, TTreeNode* node) {
    ShowItem(node);
    UpdateCommandStates();
}

std::string TFormFront::ItemTypeText(const TTreeNode* node) const {
    if (!node) return "";
    if (IsTopMarkerNode(node)) return Message("ItemTypeSpecialTop");
    if (IsFolderNode(node)) return Message("ItemTypeSpecialFolder");
    if (IsSeparatorNode(node)) return Message("ItemTypeSeparator");
    if (!IsLinkNode(node)) return "";
    std::string path = GetItemPath(static_cast<int>(node->Data()));
    if (IsExecutableFile(path)) return Message("ItemTypeExecutable");
    if (IsRunableFile(path)) return Message("ItemTypeRunable");
    if (IsShortcutFile(path)) return Message("ItemTypeShortcut");
    return Message("ItemTypeViewable");
}

void TFormFront::SetFieldQuietly(TvdEdit* field, const std::string& text) {
    bool was = settingField_;
    settingField_ = true;
    field->SetText(text);
    settingField_ = was;
}

void TFormFront::ShowItem(TTreeNode* node) {
    edtFileType->SetText(ItemTypeText(node));
    std::string na = Message("NotAvailableShort");
    // A field is disabled before it gets its placeholder, so that no rule writes the
    // placeholder into the newly selected link.
    auto off = [&](TvdEdit* field, const std::string& text) {
        field->SetEnabled(false);
        SetFieldQuietly(field, text);
    };
    auto attributesOff = [&](const std::string& text) {
        for (TvdEdit* field : {edtFilePathName, edtFileParams, edtFileWorkPath}) off(field, text);
        cbWindowStyle->SetEnabled(false);
        cbWindowStyle->SetItemIndex(-1);
        chkUserRunAs->SetEnabled(false);
        chkUserRunAs->SetChecked(false);
    };
    if (!node) {
        off(edtFileCap, "");
        attributesOff("");
    } else if (IsTopMarkerNode(node)) {
        off(edtFileCap, "");
        attributesOff(na);
    } else if (IsFolderNode(node)) {
        attributesOff(na);
        edtFileCap->SetEnabled(true);
        // The name as stored: a duplicate that came from disk is no reason for a message.
        SetFieldQuietly(edtFileCap, node->Text());
    } else if (IsSeparatorNode(node)) {
        attributesOff(na);
        edtFileCap->SetEnabled(true);
        // The caption rule writes the separator's stored form back into the field.
        SetFieldQuietly(edtFileCap, IsNormalSeparatorNode(node) ? std::string() : RemoveDashes(node->Text()));
        edtFileCapChange(edtFileCap);
    } else {
        edtFileCap->SetEnabled(true);
        SetFieldQuietly(edtFileCap, node->Text());
        ShowLinkFields(node);
    }
    ShowIcon(node);
}

void TFormFront::ShowLinkFields(TTreeNode* node) {
    int id = static_cast<int>(node->Data());
    std::string path = GetItemPath(id);
    edtFilePathName->SetEnabled(true);
    edtFilePathName->SetText(path);
    bool executable = IsExecutableFile(path);
    if (!executable && !IsRunableFile(path)) {
        std::string na = Message("NotAvailableShort");
        for (TvdEdit* field : {edtFileParams, edtFileWorkPath}) {
            field->SetEnabled(false);
            SetFieldQuietly(field, na);
        }
        cbWindowStyle->SetEnabled(false);
        cbWindowStyle->SetItemIndex(-1);
        chkUserRunAs->SetEnabled(false);
        chkUserRunAs->SetChecked(false);
        return;
    }
    // An executable offers every launch attribute; a runable file only those it has an
    // entry for, the others showing their empty value.
    auto has = [&](const auto& table) { return executable || table.count(id) > 0; };
    auto field = [&](TvdEdit* edit, bool enabled, const std::string& value) {
        if (enabled) {
            edit->SetEnabled(true);
            edit->SetText(value);
        } else {
            edit->SetEnabled(false);
            SetFieldQuietly(edit, "");
        }
    };
    field(edtFileParams, has(ItemParams), GetItemParams(id));
    field(edtFileWorkPath, has(ItemWorkDirs), GetItemWorkDir(id));
    bool window = has(ItemWindowStates);
    if (!window) cbWindowStyle->SetEnabled(false);
    cbWindowStyle->SetItemIndex(window ? WindowStateIndex(GetItemWindowState(id)) : 0);
    if (window) cbWindowStyle->SetEnabled(true);
    bool runAs = has(ItemRunAs);
    if (!runAs) chkUserRunAs->SetEnabled(false);
    chkUserRunAs->SetChecked(runAs && GetItemRunAs(id));
    if (runAs) chkUserRunAs->SetEnabled(true);
}

// The node's picture from the menu list on a cleared box; no picture leaves it empty. The
// box is the small-icon size of the window's screen, and takes the list's sharp copy of
// the picture where it has one.
void TFormFront::ShowIcon(const TTreeNode* node) {
    TColor face = GetPlatform().System().SysColor(SysColorIndex::BtnFace);
    int size = Scale96(16);
    TBitmap32 box = TBitmap32::Create(size, size, ColorRefToArgb(face));
    int index = node ? node->ImageIndex() : -1;
    if (index >= 0 && index < ilPublicPM->Count()) {
        if (size == ilPublicPM->Width()) ilPublicPM->DrawOnto(box, 0, 0, index);
        else BlendOnto(box, ilPublicPM->ImageAt(index, size), 0, 0);
    }
    imgFileType->SetPicture(box);
}

int TFormFront::SelectedLinkId(const TvdEdit* field) const {
    TTreeNode* node = tvItems->Selected();
    if (settingField_ || !field->Enabled() || !IsLinkNode(node)) return -1;
    return static_cast<int>(node->Data());
}

std::string TFormFront::FolderNameProblem(const TTreeNode* folder, const std::string& name, bool* diskOnly) const {
    if (diskOnly) *diskOnly = false;
    if (name.empty() || static_cast<unsigned char>(name[0]) < 33) return "ItemFolderNeedName";
    if (name.find_first_of("/\\:*?\"<>") != std::string::npos) return "ItemFolderIllegalName";
    // A name the disk cannot hold as a directory of its own would lose the folder's items
    // at the next save. Every such name is also a state a good name passes through while
    // it is typed ("Con" of "Controls", "v1." of "v1.2", the blank between two words),
    // so it is refused quietly then and told when the user leaves the field.
    if (name == "." || name == ".." || name.back() == '.' || name.back() == ' ' || IsReservedDeviceName(name) ||
        SameText(name, "shortcuts.txt")) {
        if (diskOnly) *diskOnly = true;
        return "ItemFolderIllegalName";
    }
    if (SiblingCaptionExists(folder, name, false)) return "ItemFolderDuplicatedName";
    return "";
}

void TFormFront::edtFileCapChange(TComponent*) {
    TTreeNode* node = tvItems->Selected();
    if (settingField_ || !edtFileCap->Enabled() || !node) return;
    std::string text = WithoutDelimiters(edtFileCap->Text());
    if (IsFolderNode(node)) {
        bool diskOnly = false;
        std::string problem = FolderNameProblem(node, text, &diskOnly);
        if (diskOnly) return;
        if (!problem.empty()) {
            ShowMessageDialog(GetPlatform(), Message(problem), MsgDlgType::Error, {MsgDlgBtn::Ok});
            return;
        }
    } else if (IsSeparatorNode(node)) {
        int image = ItemImage::Separator;
        if (IsDashesOnly(text)) {
            text = kNormalSeparatorText;
        } else {
            text = "--" + RemoveDashes(text) + "--";
            image = ItemImage::SpecialSeparator;
        }
        node->SetImageIndex(image);
        node->SetSelectedIndex(image);
        ShowIcon(node);
    }
    SetFieldQuietly(edtFileCap, text);
    node->SetText(text);
}

void TFormFront::edtFileCapExit(TComponent*) {
    TTreeNode* node = tvItems->Selected();
    if (!edtFileCap->Enabled() || !IsFolderNode(node)) return;
    std::string text = WithoutDelimiters(edtFileCap->Text());
    bool diskOnly = false;
    std::string problem = FolderNameProblem(node, text, &diskOnly);
    if (diskOnly) ShowMessageDialog(GetPlatform(), Message(problem), MsgDlgType::Error, {MsgDlgBtn::Ok});
}

// A path that names an existing file or directory becomes the link's path. A path on the
// network is not looked at while the user types: an unreachable server would hold the
// window for as long as the system waits for it. It is taken when the user leaves the
// field.
void TFormFront::edtFilePathNameChange(TComponent*) { TakeTypedPath(false); }

void TFormFront::edtFilePathNameExit(TComponent*) { TakeTypedPath(true); }

void TFormFront::TakeTypedPath(bool leaving) {
    int id = SelectedLinkId(edtFilePathName);
    if (id < 0) return;
    const std::string& text = edtFilePathName->Text();
    IFileSystem& files = GetPlatform().Files();
    // A path that names environment variables is kept as typed once what it names exists.
    const std::string target = ExpandItemPath(text);
    if (text.empty() || files.IsNetworkPath(target) != leaving) return;
    if (files.FileExists(target) || files.DirectoryExists(target)) ItemPaths[static_cast<size_t>(id)] = text;
}

void TFormFront::edtFileParamsChange(TComponent*) {
    int id = SelectedLinkId(edtFileParams);
    if (id < 0) return;
    std::string text = WithoutDelimiters(edtFileParams->Text());
    SetItemParams(id, text);
    SetFieldQuietly(edtFileParams, text);
}

void TFormFront::edtFileWorkPathChange(TComponent*) {
    int id = SelectedLinkId(edtFileWorkPath);
    if (id < 0) return;
    std::string text = WithoutDelimiters(edtFileWorkPath->Text());
    SetItemWorkDir(id, text);
    SetFieldQuietly(edtFileWorkPath, text);
}

void TFormFront::cbWindowStyleChange(TComponent*) {
    TTreeNode* node = tvItems->Selected();
    if (!cbWindowStyle->Enabled() || !IsLinkNode(node)) return;
    std::string shown = cbWindowStyle->SelectedText();
    std::string stored;
    for (const auto& e : kWindowStates)
        if (shown == e.Shown) stored = e.Stored;
    SetItemWindowState(static_cast<int>(node->Data()), stored);
}

void TFormFront::chkUserRunAsStateChange(TComponent*) {
    TTreeNode* node = tvItems->Selected();
    if (!chkUserRunAs->Enabled() || !IsLinkNode(node)) return;
    SetItemRunAs(static_cast<int>(node->Data()), chkUserRunAs->Checked());
}

}  // namespace pv
