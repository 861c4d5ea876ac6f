// The language submenu of the program menu: one entry per culture folder of the
// translation folder, the current culture first, and switching the language from it.
#include "app/front_form.h"
#include "app/program_options.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "frame/generic_frame.h"
#include "frame/shared_options.h"
#include "platform/platform.h"
#include "util/bmp.h"
#include "util/exception.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {

// A flag picture with magenta as its transparent colour.
TBitmap32 FlagPicture(const std::string& bytes) {
    TBitmap32 picture = DecodeBmp(bytes);
    for (uint32_t& px : picture.Pixels)
        if ((px & 0x00FFFFFF) == 0x00FF00FF) px = 0;
    return picture;
}

}  // namespace

void TFormFront::BuildLanguageMenu(TMenuItem* entry, const std::string& folder, const std::string& current,
                                   const TNotifyEvent& handler, int group) {
    entry->Clear();
    entry->Enabled = true;
    TImageList* flags = entry->SubMenuImages;
    if (flags) flags->Clear();
    IFileSystem& files = GetPlatform().Files();
    std::string root = IncludeTrailingBackslash(folder);
    int insertAt = 0;
    for (const DirEntry& d : folder.empty() ? std::vector<DirEntry>{} : files.ListDir(folder)) {
        if (!d.IsDirectory || d.Hidden) continue;
        size_t dot = d.Name.rfind('.');
        std::string name = dot == std::string::npos ? d.Name : d.Name.substr(0, dot);
        TMenuItem* m = TComponent::Create<TMenuItem>(entry);
        if (flags) {
            std::string flag = IncludeTrailingBackslash(root + name);
            flag.pop_back();
            flag.append(".bmp");
            if (!files.FileExists(flag)) flag = IncludeTrailingBackslash(root + name) + name + ".bmp";
            if (files.FileExists(flag)) {
                // A flag that is no readable picture is left out; the entry stays.
                try {
                    int index = flags->Count();
                    flags->Add(FlagPicture(files.ReadAllBytes(flag)));
                    m->ImageIndex = index;
                } catch (const Exception&) {
                }
            }
        }
        m->Caption = name;
        m->GroupIndex = group;
        m->RadioItem = true;
        m->OnClick = handler;
        if (SameText(name, current)) {
            m->Checked = true;
            entry->Insert(insertAt, m);
            TMenuItem* line = TComponent::Create<TMenuItem>(entry);
            line->Caption.assign(1, '-');  // a separator
            entry->Insert(insertAt + 1, line);
            insertAt += 2;
        } else {
            entry->Add(m);
        }
    }
    if (entry->Count() == 0) {
        entry->Add(TComponent::Create<TMenuItem>(entry));
        entry->Enabled = false;
    }
}

void TFormFront::RebuildLanguageMenu() {
    std::string folder = Shared ? Shared->TranslationFolder : std::string();
    std::string current = Shared && Shared->Options ? Shared->Options->LanguageCulture : std::string();
    BuildLanguageMenu(M_MI_Lingua, folder, current, [this](TComponent* s) { MI_Lingua_Select_ChoiceClick(s); }, 1);
    // The painter draws the line after the current culture as a plain separator.
    if (M_MI_Lingua->Count() > 1 && M_MI_Lingua->Items(1)->Caption == "-")
        M_MI_Lingua->Items(1)->Tag = MenuTag::Separator;
}

void TFormFront::MI_Lingua_Select_ChoiceClick(TComponent* sender) {
    auto* entry = dynamic_cast<TMenuItem*>(sender);
    if (!entry) return;
    entry->Checked = true;
    if (Shared) Shared->ChangeLanguage(StripAccelerators(entry->Caption));
    RebuildLanguageMenu();
}

}  // namespace pv
