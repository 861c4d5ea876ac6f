// The two image lists of the item tree and the tray menu. They stay index-aligned: the
// same index is the same picture, composed for the menu's or the tree's background. The
// fixed pictures come first, then one shared icon per extension, then the icons of the
// executable links loaded at the last reload, then those added since, each section
// closed by a marker picture.
#include "app/front_form.h"
#include "app/item_pictures.h"
#include "controls/application.h"
#include "controls/image_list.h"
#include "controls/tree_view.h"
#include "frame/generic_frame.h"
#include "frame/logging.h"
#include "platform/platform.h"
#include "util/bmp.h"
#include "util/exception.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {
const char* const kDefaultExtensions[] = {"exe", "com", "bat", "cmd", "wsf", "wsh", "rdp", "cpl"};

// The names the menu pictures carry, saying which source can draw them again at another
// size: a file type's shell icon, a file's shell icon, an icon file.
const std::string kTypeSource = "type:", kFileSource = "file:", kIconFileSource = "ico:";
}  // namespace

TColor TFormFront::MenuColor() const { return GetPlatform().System().SysColor(SysColorIndex::Menu); }

// An icon drawn at `width` x `height` over a solid background: a picture without alpha,
// the way the shell's icon is rendered into a work bitmap. No icon gives the plain
// background.
TBitmap32 TFormFront::OverBackground(const std::optional<TBitmap32>& icon, TColor background, int width,
                                     int height) const {
    TBitmap32 b = TBitmap32::Create(width, height, ColorRefToArgb(background));
    if (icon && !icon->Empty()) BlendOnto(b, Scaled(*icon, width, height), 0, 0);
    return b;
}

TBitmap32 TFormFront::ComposeTreeImage(const TBitmap32& source) const {
    int treeHeight = ilPublicTV->Height();
    int offset = treeHeight - 16 > 1 ? (treeHeight - 16) / 2 : 0;
    TBitmap32 tree = TBitmap32::Create(ilPublicTV->Width(), treeHeight, ColorRefToArgb(TreeColor));
    BlendOnto(tree, source, 0, offset);
    return tree;
}

void TFormFront::PrepareImageLists() {
    TreeColor = GetPlatform().System().SysColor(SysColorIndex::Window);
    ilBreaksTV->Clear();
    ilBreaksTV->SetSize(ilBreaksTV->Width(), ilPublicTV->Height());
    ilPublicTV->Clear();
    for (int i = 0; i < ilPublicPM->Count(); ++i) ilPublicTV->Add(ComposeTreeImage(ilPublicPM->Image(i)));
    for (int i = 0; i < ilBreaksPM->Count(); ++i) ilBreaksTV->Add(ComposeTreeImage(ilBreaksPM->Image(i)));
}

void TFormFront::ResetImageLists() {
    for (TImageList* list : {ilPublicPM, ilPublicTV})
        for (int i = list->Count() - 1; i > ItemImage::LastFixed; --i) list->Delete(i);
    for (int i = 0; i < ilBreaksPM->Count(); ++i) {
        TBitmap32 b = TBitmap32::Create(16, 16, ColorRefToArgb(MenuColor()));
        BlendOnto(b, ilBreaksPM->Image(i), 0, 0);
        ilPublicPM->Add(b);
    }
    for (int i = 0; i < ilBreaksTV->Count(); ++i) {
        TBitmap32 b = TBitmap32::Create(ilPublicTV->Width(), ilPublicTV->Height(), ColorRefToArgb(TreeColor));
        BlendOnto(b, ilBreaksTV->Image(i), 0, 0);
        ilPublicTV->Add(b);
    }
    ExtMarker = 23;
    LoadedMarker = 24;
    AddedMarker = 25;
    LoadedIconCount = 0;
}

// One shell query per distinct extension, made on an empty file of that extension, so
// that every link of the extension shares one picture.
void TFormFront::ExtractFromUnknown() {
    for (const char* ext : kDefaultExtensions)
        if (std::find(IconExtensions.begin(), IconExtensions.end(), ext) == IconExtensions.end())
            IconExtensions.push_back(ext);
    for (const std::string& ext : IconExtensions) {
        std::optional<TBitmap32> icon = ExtensionIcon(ext, 16);
        int area = ilPublicTV->Height();
        TBitmap32 tree = ComposeTreeImage(Scaled(OverBackground(icon, TreeColor, 32, 32), 16, area));
        ilPublicTV->Insert(ExtMarker, tree);
        if (ilPublicPM->InsertIcon(ExtMarker, icon))
            ilPublicPM->SetImageName(ExtMarker, kTypeSource + ext);
        else
            ilPublicPM->Insert(ExtMarker, Scaled(OverBackground(icon, MenuColor(), 32, 32), 16, 16));
        ++ExtMarker;
        ++LoadedMarker;
        ++AddedMarker;
    }
}

std::optional<TBitmap32> TFormFront::ExtensionIcon(const std::string& ext, int size) {
    Platform& p = GetPlatform();
    std::string temp = Shared->TempFolder + "TempFile." + ext;
    try {
        p.Files().WriteAllBytes(temp, "");
    } catch (const Exception&) {
        // Without the temporary file the shell has nothing to show an icon for.
        return std::nullopt;
    }
    std::optional<TBitmap32> icon = p.Shell().FileIcon(temp, size);
    p.Files().DeleteFile(temp);
    return icon;
}

bool TFormFront::TargetFileExists(const std::string& targetPath) const {
    std::string target = ExpandItemPath(targetPath);
    return !target.empty() && GetPlatform().Files().FileExists(target);
}

int TFormFront::ExtractFromExec(const std::string& iconFile, const std::string& targetPath) {
    IFileSystem& files = GetPlatform().Files();
    if (TargetFileExists(targetPath)) {
        ExtractFileIcon(ExpandItemPath(targetPath), AddedMarker, true);
    } else {
        std::string ext = LowerCase(ExtractFileExt(iconFile));
        TBitmap32 picture;
        if (ext == ".bmp") {
            TBitmap32 b = TBitmap32::Create(16, 16, ColorRefToArgb(MenuColor()));
            BlendOnto(b, DecodeBmp(files.ReadAllBytes(iconFile)), 0, 0);
            picture = b;
        } else if (ext == ".ico") {
            picture = GetPlatform().Shell().LoadIconFile(iconFile);
        } else {
            LogMessage("Maintain_ExtractFromExec", iconFile);
            LogMessage("Maintain_ExtractFromExec", "Inserted: False;");
            return -1;
        }
        ilPublicPM->Insert(AddedMarker, picture);
        if (ext == ".ico") ilPublicPM->SetImageName(AddedMarker, kIconFileSource + iconFile);
    }
    TBitmap32 menuPicture = TBitmap32::Create(16, 16, ColorRefToArgb(MenuColor()));
    ilPublicPM->DrawOnto(menuPicture, 0, 0, AddedMarker);
    ilPublicTV->Insert(AddedMarker, ComposeTreeImage(menuPicture));
    ++LoadedIconCount;
    ++AddedMarker;
    return LoadedMarker + LoadedIconCount;
}

void TFormFront::ExtractFileIcon(const std::string& path, int index, bool menuListOnly) {
    std::optional<TBitmap32> icon;
    TBitmap32 tree;
    try {
        icon = GetPlatform().Shell().FileSmallIcon(path);
        tree = ComposeTreeImage(Scaled(OverBackground(icon, TreeColor, 32, 32), 16, ilPublicTV->Height()));
    } catch (const std::exception&) {
        LogMessage("Maintain_ExtractFromUnknown", path);
    }
    // A target the shell gives no icon for still takes its one slot in each list, so the
    // indexes after it stay aligned.
    TBitmap32 menuPicture = icon && !icon->Empty() ? *icon : TBitmap32::Create(16, 16, ColorRefToArgb(MenuColor()));
    if (tree.Empty()) tree = ComposeTreeImage(TBitmap32::Create(16, 16, ColorRefToArgb(TreeColor)));
    if (index < 0) {
        index = ilPublicPM->Add(menuPicture);
        if (!menuListOnly) ilPublicTV->Add(tree);
    } else {
        ilPublicPM->Insert(index, menuPicture);
        if (!menuListOnly) ilPublicTV->Insert(index, tree);
    }
    if (icon && !icon->Empty()) ilPublicPM->SetImageName(index, kFileSource + path);
}

void TFormFront::SharpenMenuPictures(int size) {
    if (size <= 0 || size == ilPublicPM->Width()) return;
    IShell& shell = GetPlatform().Shell();
    for (int i = 0; i < ilPublicPM->Count(); ++i) {
        const std::string& name = ilPublicPM->ImageName(i);
        if (name.empty() || ilPublicPM->SharpSize(i) == size) continue;
        std::optional<TBitmap32> sharp;
        try {
            if (name.starts_with(kTypeSource)) sharp = ExtensionIcon(name.substr(kTypeSource.size()), size);
            else if (name.starts_with(kFileSource)) sharp = shell.FileIcon(name.substr(kFileSource.size()), size);
            else if (name.starts_with(kIconFileSource)) sharp = shell.IconFile(name.substr(kIconFileSource.size()), size);
        } catch (const Exception&) {
            // A source gone since (an icon file deleted, a drive removed) leaves the picture
            // as it was loaded, scaled.
        }
        // Without an answer the scaled picture stands in, so that the source is not asked
        // again at every showing of the menu.
        ilPublicPM->SetSharp(i, sharp && !sharp->Empty() ? Scaled(*sharp, size, size) : ilPublicPM->ImageAt(i, size));
    }
}

void TFormFront::LogMessage(const std::string& id, const std::string& message) {
    if (Shared) Shared->vdLoggingProgram->WriteEntry(this, nullptr, id, message);
}

}  // namespace pv
