// Showing a popup menu: the adjustments made before a showing (separator reduction,
// accelerator assignment), the view handed to the platform and the native menu kept
// between showings, and the way back from the platform to the model (measuring, drawing,
// the chosen entry's click).
#include "controls/menus.h"

#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "controls/application.h"
#include "controls/canvas.h"
#include "controls/image_list.h"
#include "util/bitmap.h"
#include "platform/ui.h"

namespace pv {

namespace {

// ---- accelerator characters --------------------------------------------------------------

// One character of a caption: its code point and where its bytes start.
struct CaptionChar {
    char32_t Code = 0;
    size_t Pos = 0;
    size_t Len = 1;
};

// Decodes the UTF-8 character at `pos`; a malformed byte stands for itself, so a bad
// caption never stops the scan.
CaptionChar DecodeAt(const std::string& s, size_t pos) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b = byte(pos);
    CaptionChar c{b, pos, 1};
    size_t len = b >= 0xF0 && b < 0xF8 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 1;
    if (b < 0x80 || len == 1 || pos + len > s.size()) return c;
    char32_t code = b & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return c;
        code = (code << 6) | (byte(pos + i) & 0x3F);
    }
    return CaptionChar{code, pos, len};
}

// Letters whose case pairs are known here: Latin (with the Latin-1 and Latin Extended-A
// letters of the European languages), Greek and the basic Cyrillic alphabet. Outside
// these, case-insensitive uniqueness could not be promised, so such characters are never
// picked as accelerators.
bool IsAcceleratorLetter(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (c >= 0xC0 && c <= 0xFF) return c != 0xD7 && c != 0xF7;
    if (c >= 0x100 && c <= 0x17F) return true;
    if (c == 0x386 || (c >= 0x388 && c <= 0x38A) || c == 0x38C) return true;
    if (c >= 0x38E && c <= 0x3CE) return c != 0x3A2;
    return c >= 0x400 && c <= 0x45F;
}

char32_t FoldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c < 0x80) return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return (c % 2 == 0) ? c + 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 1) ? c + 1 : c;
    if (c == 0x178) return 0xFF;
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 0x25;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 0x3F;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    return c;
}

// The characters of a caption as shown: "&&" is one literal "&" (code '&' at the first
// of the two bytes), a single "&" is a mark and not a character of its own. `marked`
// receives the position of the character after the first mark, if any.
std::vector<CaptionChar> ShownChars(const std::string& caption, std::optional<size_t>* marked = nullptr) {
    std::vector<CaptionChar> chars;
    bool afterMark = false;
    for (size_t i = 0; i < caption.size();) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                chars.push_back({U'&', i, 2});
                i += 2;
                continue;
            }
            afterMark = true;
            ++i;
            continue;
        }
        CaptionChar c = DecodeAt(caption, i);
        if (afterMark && marked && !*marked) *marked = chars.size();
        afterMark = false;
        chars.push_back(c);
        i += c.Len;
    }
    return chars;
}

bool IsWordStart(const std::vector<CaptionChar>& chars, size_t index) {
    return index == 0 || !IsAcceleratorLetter(chars[index - 1].Code);
}

bool TakesPart(const TMenuItem* item) { return item->Visible && !item->IsLine(); }

// Picks and marks an accelerator for one caption: the first free letter or digit that
// begins a word, else the first free letter or digit anywhere. False when none is free.
bool MarkFreeAccelerator(std::string& caption, std::set<char32_t>& taken) {
    std::vector<CaptionChar> chars = ShownChars(caption);
    for (bool wordStartsOnly : {true, false}) {
        for (size_t i = 0; i < chars.size(); ++i) {
            const CaptionChar& c = chars[i];
            if (!IsAcceleratorLetter(c.Code) || (wordStartsOnly && !IsWordStart(chars, i))) continue;
            if (!taken.insert(FoldCase(c.Code)).second) continue;
            caption.insert(c.Pos, 1, '&');
            return true;
        }
    }
    return false;
}

// ---- showing -----------------------------------------------------------------------------

// System colour indexes of the default owner drawing.
// Room left of an owner-drawn caption for the check mark or image column, and the entry
// height, as the menu painter uses them.
constexpr int kTextIndent = 23, kEntryHeight = 19;

// An entry as shown: looked up by the id the platform reports, and only while it still
// exists, since a handler run during the menu's own message loop may rebuild the tree.
struct ShownEntry {
    TMenuItem* Item = nullptr;
    std::weak_ptr<void> Alive;
};

class PopupSink final : public IMenuSink {
public:
    PopupSink(TApplication& app, const std::vector<ShownEntry>& shown) : app_(app), shown_(shown) {}

    TMenuItem* Find(uint32_t id) const {
        if (id == 0 || id > shown_.size()) return nullptr;
        const ShownEntry& e = shown_[id - 1];
        return e.Alive.expired() ? nullptr : e.Item;
    }

    void MeasureEntry(uint32_t id, ICanvas& surface, int& width, int& height) override {
        TMenuItem* item = Find(id);
        if (!item) return;
        TCanvas canvas(surface);
        PrepareFont(canvas, *item);
        app_.Guard(item, [&] {
            // What the entry needs with the system's drawing, for handlers that only adjust.
            width = canvas.TextWidth(StripAccelerators(item->Caption)) + kTextIndent;
            height = kEntryHeight;
            if (item->OnMeasureItem) item->OnMeasureItem(item, canvas, width, height);
        });
    }

    void DrawEntry(uint32_t id, ICanvas& surface, const TRect& rect, bool selected) override {
        TMenuItem* item = Find(id);
        if (!item) return;
        TCanvas canvas(surface);
        PrepareFont(canvas, *item);
        app_.Guard(item, [&] {
            if (item->OnDrawItem) item->OnDrawItem(item, canvas, rect, selected);
            else DrawPlain(*item, canvas, rect, selected);
        });
    }

private:
    // A handler finds the canvas as the system prepares it: in the menu font.
    void PrepareFont(TCanvas& canvas, const TMenuItem& item) {
        FontSpec menu = app_.GetPlatform().System().MenuFont();
        canvas.Font.Name = menu.Name;
        canvas.Font.Size = menu.Size;
        canvas.Font.Style = item.Default ? FontStyle::Bold : 0;
        canvas.Font.Color = app_.GetPlatform().System().SysColor(SysColorIndex::MenuText);
    }

    // An entry drawn by the owner without a draw handler of its own (the menu is owner
    // drawn and the entry only measures): background and caption, as a standard entry.
    void DrawPlain(const TMenuItem& item, TCanvas& canvas, const TRect& rect, bool selected) {
        ISystemInfo& sys = app_.GetPlatform().System();
        bool lit = selected && item.Enabled;
        canvas.Brush.Color = sys.SysColor(lit ? SysColorIndex::Highlight : SysColorIndex::Menu);
        canvas.FillRect(rect);
        canvas.Font.Color = sys.SysColor(lit ? SysColorIndex::HighlightText : SysColorIndex::MenuText);
        canvas.Brush.Clear = true;
        TRect text{rect.Left + kTextIndent, rect.Top, rect.Right, rect.Bottom};
        canvas.DrawText(item.Caption, text, TextFlag::SingleLine | TextFlag::VCenter);
    }

    TApplication& app_;
    const std::vector<ShownEntry>& shown_;
};

class ViewBuilder {
public:
    ViewBuilder(const TPopupMenu& menu, std::vector<ShownEntry>& shown) : menu_(menu), shown_(shown) {}

    std::vector<MenuEntryView> Level(const TMenuItem& parent) {
        std::vector<MenuEntryView> views;
        for (int i = 0; i < parent.Count(); ++i) {
            TMenuItem* item = parent.Items(i);
            if (item->Visible) views.push_back(Entry(*item, parent));
        }
        return views;
    }

private:
    MenuEntryView Entry(TMenuItem& item, const TMenuItem& parent) {
        shown_.push_back({&item, item.AliveToken()});
        MenuEntryView v;
        v.Id = static_cast<uint32_t>(shown_.size());
        v.Caption = item.Caption;
        v.Separator = item.IsLine();
        v.Enabled = item.Enabled;
        v.Checked = item.Checked;
        v.RadioItem = item.RadioItem;
        v.Default = item.Default;
        // Separators are always the system's own.
        v.OwnerDraw = !v.Separator && (item.OnDrawItem || (menu_.OwnerDraw && item.OnMeasureItem));
        const TImageList* images = parent.SubMenuImages ? parent.SubMenuImages : menu_.Images;
        if (images && item.ImageIndex >= 0 && item.ImageIndex < images->Count()) {
            v.HasImage = true;
            v.Image = menu_.ImageSize > 0 ? images->ImageAt(item.ImageIndex, menu_.ImageSize)
                                          : images->Image(item.ImageIndex);
        }
        v.Children = Level(item);
        v.SubMenu = item.Count() > 0;
        return v;
    }

    const TPopupMenu& menu_;
    std::vector<ShownEntry>& shown_;
};

}  // namespace

std::string StripAccelerators(const std::string& caption) {
    std::string out;
    for (const CaptionChar& c : ShownChars(caption))
        out += c.Code == U'&' && c.Len == 2 ? std::string("&") : caption.substr(c.Pos, c.Len);
    return out;
}

char32_t AcceleratorOf(const std::string& caption) {
    std::optional<size_t> marked;
    std::vector<CaptionChar> chars = ShownChars(caption, &marked);
    return marked ? FoldCase(chars[*marked].Code) : 0;
}

void ReduceSeparators(TMenuItem& level) {
    // A separator is shown only between two visible entries (invisible ones do not count);
    // of several in a row, the first is the one kept.
    TMenuItem* pending = nullptr;
    bool entrySeen = false;
    for (int i = 0; i < level.Count(); ++i) {
        TMenuItem* item = level.Items(i);
        if (item->IsLine()) {
            item->Visible = false;
            if (entrySeen && !pending) pending = item;
        } else if (item->Visible) {
            if (pending) pending->Visible = true;
            pending = nullptr;
            entrySeen = true;
        }
        ReduceSeparators(*item);
    }
}

// Only what the user sees takes part: visible entries other than separators. Their
// existing accelerators are reserved first; then each entry without one, in menu order,
// takes the first free letter or digit that begins a word of its caption, else the first
// free one anywhere in it. Invisible entries keep their captions untouched, since a
// hidden caption entry is painted as its text stands.
void AssignAccelerators(TMenuItem& level) {
    std::set<char32_t> taken;
    for (int i = 0; i < level.Count(); ++i) {
        const TMenuItem* item = level.Items(i);
        if (TakesPart(item))
            if (char32_t a = AcceleratorOf(item->Caption)) taken.insert(a);
    }
    for (int i = 0; i < level.Count(); ++i) {
        TMenuItem* item = level.Items(i);
        if (TakesPart(item) && !AcceleratorOf(item->Caption)) MarkFreeAccelerator(item->Caption, taken);
        AssignAccelerators(*item);
    }
}

std::vector<MenuEntryView> TPopupMenu::BuildView(std::vector<TMenuItem*>* items) const {
    std::vector<ShownEntry> shown;
    std::vector<MenuEntryView> entries = ViewBuilder(*this, shown).Level(*items_);
    if (items) {
        items->clear();
        for (const auto& e : shown) items->push_back(e.Item);
    }
    return entries;
}

// ---- the realised menu -------------------------------------------------------------------

namespace {

// What the showing of an entry depends on, as it stood when the menu was realised.
struct EntryState {
    const TMenuItem* Item = nullptr;
    std::weak_ptr<void> Alive;  // an entry freed and another made at its address differ
    std::string Caption;
    const TImageList* SubMenuImages = nullptr;
    uint64_t SubMenuImagesRevision = 0;
    int ImageIndex = -1;
    int Count = 0;
    bool Visible = true, Enabled = true, Checked = false, RadioItem = false, Default = false;
    bool Drawn = false, Measured = false;
};

EntryState StateOf(const TMenuItem& item) {
    EntryState s;
    s.Item = &item;
    s.Alive = item.AliveToken();
    s.Caption = item.Caption;
    s.SubMenuImages = item.SubMenuImages;
    s.SubMenuImagesRevision = item.SubMenuImages ? item.SubMenuImages->Revision() : 0;
    s.ImageIndex = item.ImageIndex;
    s.Count = item.Count();
    s.Visible = item.Visible;
    s.Enabled = item.Enabled;
    s.Checked = item.Checked;
    s.RadioItem = item.RadioItem;
    s.Default = item.Default;
    s.Drawn = static_cast<bool>(item.OnDrawItem);
    s.Measured = static_cast<bool>(item.OnMeasureItem);
    return s;
}

bool Unchanged(const EntryState& s, const TMenuItem& item) {
    return s.Item == &item && s.Count == item.Count() && s.Visible == item.Visible && s.Enabled == item.Enabled &&
           s.Checked == item.Checked && s.RadioItem == item.RadioItem && s.Default == item.Default &&
           s.ImageIndex == item.ImageIndex && s.SubMenuImages == item.SubMenuImages &&
           (!s.SubMenuImages || s.SubMenuImagesRevision == s.SubMenuImages->Revision()) &&
           s.Drawn == static_cast<bool>(item.OnDrawItem) && s.Measured == static_cast<bool>(item.OnMeasureItem) &&
           s.Caption == item.Caption && !s.Alive.expired();
}

void Capture(const TMenuItem& item, std::vector<EntryState>& out) {
    out.push_back(StateOf(item));
    for (int i = 0; i < item.Count(); ++i) Capture(*item.Items(i), out);
}

bool Unchanged(const TMenuItem& item, const std::vector<EntryState>& states, size_t& next) {
    if (next >= states.size() || !Unchanged(states[next], item)) return false;
    ++next;
    for (int i = 0; i < item.Count(); ++i)
        if (!Unchanged(*item.Items(i), states, next)) return false;
    return true;
}

}  // namespace

struct TPopupMenu::TRealised {
    // Every entry, the root first, in menu order.
    std::vector<EntryState> States;
    const TImageList* Images = nullptr;
    uint64_t ImagesRevision = 0;
    bool OwnerDraw = false, AutoLineReduction = false, AutoHotkeys = false;
    int ImageSize = 0, Dpi = 0;
    FontSpec MenuFont;
    std::vector<ShownEntry> Shown;
    std::unique_ptr<IRealisedMenu> Native;
};

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Changed() { realised_.reset(); }

IRealisedMenu& TPopupMenu::Realise() {
    IUserInterface& ui = GetPlatform().UI();  // raises for a menu outside an application
    FontSpec menuFont = GetPlatform().System().MenuFont();
    auto holds = [&] {
        if (!realised_) return false;
        const TRealised& r = *realised_;
        if (r.Images != Images || (Images && r.ImagesRevision != Images->Revision()) || r.OwnerDraw != OwnerDraw ||
            r.AutoLineReduction != AutoLineReduction || r.AutoHotkeys != AutoHotkeys || r.ImageSize != ImageSize || r.Dpi != Dpi ||
            !(r.MenuFont == menuFont))
            return false;
        size_t next = 0;
        return Unchanged(*items_, r.States, next) && next == r.States.size();
    };
    if (holds()) return *realised_->Native;
    // Both adjustments give the same result when run again on their own result, so a
    // model they have already adjusted needs neither.
    if (AutoLineReduction) ReduceSeparators(*items_);
    if (AutoHotkeys) AssignAccelerators(*items_);
    if (holds()) return *realised_->Native;

    auto fresh = std::make_shared<TRealised>();
    fresh->Native = ui.RealiseMenu(ViewBuilder(*this, fresh->Shown).Level(*items_));
    fresh->States.reserve(fresh->Shown.size() + 1);
    Capture(*items_, fresh->States);
    fresh->Images = Images;
    fresh->ImagesRevision = Images ? Images->Revision() : 0;
    fresh->OwnerDraw = OwnerDraw;
    fresh->AutoLineReduction = AutoLineReduction;
    fresh->AutoHotkeys = AutoHotkeys;
    fresh->ImageSize = ImageSize;
    fresh->Dpi = Dpi;
    fresh->MenuFont = menuFont;
    realised_ = std::move(fresh);
    return *realised_->Native;
}

void TPopupMenu::Popup(int x, int y, NativeHandle owner) {
    if (OnPopup) OnPopup(this);
    IUserInterface& ui = GetPlatform().UI();  // raises for a menu outside an application
    Realise();
    std::shared_ptr<TRealised> shown = realised_;  // stays while it is on the screen
    PopupSink sink(*Application(), shown->Shown);
    uint32_t chosen = ui.TrackPopupMenu(*shown->Native, TPoint{x, y}, owner, sink);
    // The native menu has closed: the click runs as any other event, outside its loop.
    if (TMenuItem* item = sink.Find(chosen)) item->Click();
}

}  // namespace pv
