#include "lang/language_controller.h"

#include <iterator>

#include "util/exception.h"
#include "util/paths.h"

namespace pv {

namespace {

constexpr std::string_view kMessageSectionPrefix = "StrsRes";
constexpr std::string_view kGuiSectionPrefix = "StrsGui";

std::string CacheKey(const std::string& culture, const std::string& file) { return culture + "|" + file; }

// The culture part of a cache key; a key without "|" belongs to no culture.
std::string_view KeyCulture(std::string_view key) {
    size_t bar = key.find('|');
    return bar == std::string_view::npos ? std::string_view() : key.substr(0, bar);
}

std::string_view KeyFileName(std::string_view key) {
    size_t bar = key.find('|');
    return bar == std::string_view::npos ? key : key.substr(bar + 1);
}

}  // namespace

TvdlgLanguageController::TvdlgLanguageController(Platform& platform) : platform_(platform) {
    AddTemplateSystem(std::string(kTemplateSystemCurly), "{", "}");
    AddTemplateSystem(std::string(kTemplateSystemSharp), "#", "#");
    AddTemplateSystem(std::string(kTemplateSystemDollar), "$", "$");
}

void TvdlgLanguageController::SetTranslationFolder(std::string_view path) {
    // A backslash on its own would name the root of the current drive, not "no folder".
    translationFolder_ = path.empty() ? std::string() : IncludeTrailingBackslash(path);
}

std::string TvdlgLanguageController::NormalizeCulture(const std::string& culture) {
    if (translationFolder_.empty() || culture.find('-') != std::string::npos || culture != "es") return culture;
    IFileSystem& files = platform_.Files();
    if (files.DirectoryExists(translationFolder_) && files.DirectoryExists(translationFolder_ + "es-us\\"))
        return "es-us";
    return culture;
}

void TvdlgLanguageController::SetCulture(const std::string& culture) {
    culture_ = culture;
    if (designCulture_ != culture_) designCulture_.clear();
    ReleaseForeignFiles();
}

void TvdlgLanguageController::ReleaseForeignFiles() {
    // Kept lookups point into the documents; the culture they were made for may be gone.
    textLookups_.clear();
    guiLookups_.clear();
    // Cache keys are told apart without regard to case, so the culture of an entry is too:
    // the base documents carry the registered English texts and must survive even when a
    // lookup first opened them under another spelling of the culture.
    for (auto it = languageFiles_.begin(); it != languageFiles_.end();) {
        std::string_view culture = KeyCulture(it->first);
        if (SameText(culture, culture_) || SameText(culture, baseCulture_)) ++it;
        else it = languageFiles_.erase(it);
    }
}

IniDocument* TvdlgLanguageController::OpenLanguageDocument(const std::string& key, TvdlgLanguageFileMode mode) {
    if (auto it = languageFiles_.find(key); it != languageFiles_.end()) return &it->second;

    // Before a translation folder is known there is nothing on disk to consult; probing
    // relative paths would read whatever the current folder happens to hold.
    TvdlgLanguageFilePaths paths;
    if (!translationFolder_.empty())
        paths = LanguageFilePaths(translationFolder_ + std::string(KeyCulture(key)), KeyFileName(key));
    IFileSystem& files = platform_.Files();
    const bool utf8Exists = !paths.Utf8.empty() && files.FileExists(paths.Utf8);
    const bool plainExists = !utf8Exists && !paths.Plain.empty() && files.FileExists(paths.Plain);
    if (mode == TvdlgLanguageFileMode::Read && !utf8Exists && !plainExists) return nullptr;

    IniDocument doc;
    if (utf8Exists) doc = LoadLanguageFile(platform_, paths.Utf8, TvdlgLanguageFileEncoding::Utf8);
    else if (plainExists) doc = LoadLanguageFile(platform_, paths.Plain, TvdlgLanguageFileEncoding::Plain);
    return &languageFiles_.emplace(key, std::move(doc)).first->second;
}

int TvdlgLanguageController::OpenLanguageFile(const std::string& key, TvdlgLanguageFileMode mode) {
    if (!OpenLanguageDocument(key, mode)) return -1;
    return static_cast<int>(std::distance(languageFiles_.begin(), languageFiles_.find(key)));
}

IniDocument& TvdlgLanguageController::LanguageFileAt(int index) {
    if (index < 0 || static_cast<size_t>(index) >= languageFiles_.size())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return std::next(languageFiles_.begin(), index)->second;
}

void TvdlgLanguageController::RegisterText(const std::string& file, const std::string& section, const std::string& key,
                                           const std::string& defaultText, const std::string& templateName) {
    IniDocument* doc = OpenLanguageDocument(CacheKey(baseCulture_, file), TvdlgLanguageFileMode::Write);
    std::string stored = std::string(kMessageSectionPrefix) + section;
    doc->WriteString(stored, key + "__Value", EncodeIniValue(defaultText));
    if (!templateName.empty()) doc->WriteString(stored, key + "__Template", EncodeIniValue(templateName));
}

TvdlgLanguageController::TListing TvdlgLanguageController::FindListing(const std::string& file,
                                                                       std::string_view storedSection,
                                                                       std::string_view key) {
    TListing found;
    found.Doc = OpenLanguageDocument(CacheKey(culture_, file), TvdlgLanguageFileMode::Read);
    if (found.Doc) found.Value = found.Doc->Find(storedSection, key);
    if (!found.Value && baseCulture_ != culture_) {
        found.Doc = OpenLanguageDocument(CacheKey(baseCulture_, file), TvdlgLanguageFileMode::Read);
        if (found.Doc) found.Value = found.Doc->Find(storedSection, key);
    }
    if (!found.Value) found.Doc = nullptr;
    return found;
}

size_t TvdlgLanguageController::TLookupHash::operator()(const TLookupKeyView& k) const {
    std::hash<std::string_view> h;
    size_t seed = h(k.File);
    for (std::string_view part : {k.Section, k.Key}) seed ^= h(part) + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2);
    return seed;
}

const TvdlgLanguageController::TLookup& TvdlgLanguageController::Lookup(bool gui, const std::string& file,
                                                                       const std::string& section,
                                                                       const std::string& key, TLookup& scratch) {
    TLookups& kept = gui ? guiLookups_ : textLookups_;
    auto it = kept.find(TLookupKeyView{file, section, key});
    if (it != kept.end()) {
        const TLookup& l = it->second;
        if (l.Current->Revision() == l.CurrentRevision && (!l.Base || l.Base->Revision() == l.BaseRevision)) return l;
    }

    TLookup fresh;
    std::string stored = std::string(gui ? kGuiSectionPrefix : kMessageSectionPrefix) + section;
    std::string valueKey = gui ? key : key + "__Value";
    TListing listing = FindListing(file, stored, valueKey);
    // The documents the listing consulted, as it left them in the cache: a document missing
    // on disk is looked for again at every lookup, so an answer without it is not kept.
    auto cached = [&](const std::string& culture) -> const IniDocument* {
        auto doc = languageFiles_.find(CacheKey(culture, file));
        return doc == languageFiles_.end() ? nullptr : &doc->second;
    };
    fresh.Current = cached(culture_);
    bool keep = fresh.Current != nullptr;
    if (keep && listing.Doc != fresh.Current && baseCulture_ != culture_) {
        fresh.Base = cached(baseCulture_);
        keep = fresh.Base != nullptr;
    }
    if (fresh.Current) fresh.CurrentRevision = fresh.Current->Revision();
    if (fresh.Base) fresh.BaseRevision = fresh.Base->Revision();
    fresh.Found = listing.Doc != nullptr;
    if (fresh.Found) {
        fresh.Value = DecodeIniValue(*listing.Value);
        if (!gui)
            if (const std::string* templ = listing.Doc->Find(stored, key + "__Template"))
                fresh.Template = DecodeIniValue(*templ);
    }
    if (!keep) {
        scratch = std::move(fresh);
        return scratch;
    }
    if (it != kept.end()) {
        it->second = std::move(fresh);
        return it->second;
    }
    return kept.emplace(TLookupKey{file, section, key}, std::move(fresh)).first->second;
}

std::string TvdlgLanguageController::GetText(const std::string& file, const std::string& section,
                                             const std::string& key, const std::string& defaultText, bool expand) {
    if (expand && options_.UseBuiltInTexts && culture_ == baseCulture_)
        return ExpandTemplate(CurrentTemplateSystem(), defaultText);
    TLookup scratch;
    const TLookup& found = Lookup(false, file, section, key, scratch);
    if (!found.Found) return defaultText;
    if (!found.Template.empty()) return ExpandTemplate(found.Template, found.Value);
    return found.Value;
}

void TvdlgLanguageController::RegisterGuiText(const std::string& file, const std::string& section,
                                              const std::string& key, const std::string& text) {
    if (options_.StoreNonEmptyOnly && text.empty()) return;
    IniDocument* doc = OpenLanguageDocument(CacheKey(baseCulture_, file), TvdlgLanguageFileMode::Write);
    doc->WriteString(std::string(kGuiSectionPrefix) + section, key, EncodeIniValue(text));
}

std::string TvdlgLanguageController::GetGuiText(const std::string& file, const std::string& section,
                                                const std::string& key, const std::string& defaultText) {
    if (!designCulture_.empty() && options_.UseBuiltInTexts) return defaultText;
    TLookup scratch;
    const TLookup& found = Lookup(true, file, section, key, scratch);
    return found.Found ? found.Value : defaultText;
}

void TvdlgLanguageController::WriteMetaData(const std::string& file, const TvdlgTransMetaData& meta) {
    WriteMetaDataSection(*OpenLanguageDocument(CacheKey(baseCulture_, file), TvdlgLanguageFileMode::Write), meta);
}

TvdlgTransMetaData TvdlgLanguageController::ReadMetaData(const std::string& culture, const std::string& file) {
    IniDocument* doc = nullptr;
    // The culture whose file answered: a document found by falling back is labelled with
    // its own culture, so that the base document never takes on a translation's name.
    std::string found = culture;
    if (!culture.empty()) doc = OpenLanguageDocument(CacheKey(culture, file), TvdlgLanguageFileMode::Read);
    if (!doc && culture_ != culture) {
        doc = OpenLanguageDocument(CacheKey(culture_, file), TvdlgLanguageFileMode::Read);
        found = culture_;
    }
    if (!doc && baseCulture_ != culture_) {
        doc = OpenLanguageDocument(CacheKey(baseCulture_, file), TvdlgLanguageFileMode::Read);
        found = baseCulture_;
    }
    if (!doc) return {};
    if (doc->ReadString(kMetaDataSection, "Lingua_ID", "").empty())
        doc->WriteString(kMetaDataSection, "Lingua_ID", found);
    return ReadMetaDataSection(*doc);
}

void TvdlgLanguageController::AddTemplateSystem(const std::string& name, const std::string& startMarker,
                                                const std::string& endMarker) {
    templateSystems_.emplace(name, TvdlgTemplateSystem{startMarker, endMarker});
}

void TvdlgLanguageController::SetTemplateVariable(const std::string& name, const std::string& value, bool overwrite,
                                                  TvdlgTemplateVariable::TProvider provider) {
    auto [it, added] = templateVariables_.try_emplace(name);
    if (added || overwrite) it->second = TvdlgTemplateVariable{value, std::move(provider)};
}

void TvdlgLanguageController::PushTemplateSystem(const std::string& name) { templateStack_.push_back(name); }

std::string TvdlgLanguageController::ExpandTemplate(const std::string& systemName, const std::string& text) const {
    if (systemName.empty()) return text;
    auto it = templateSystems_.find(systemName);
    if (it == templateSystems_.end()) return text;
    return ExpandTemplateText(it->second, templateVariables_, text);
}

}  // namespace pv
