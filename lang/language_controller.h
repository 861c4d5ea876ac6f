#pragma once
// The one object through which every translated text is found. It knows the current and
// the base culture and the translation folder, reads and caches language files, answers
// message and GUI text lookups with fallback to the base culture, and receives the
// built-in English texts that windows register at run time. Registered texts live in the
// base culture's cached documents only; the controller never writes a file.
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lang/language_file.h"
#include "lang/logical_files.h"
#include "lang/template_system.h"
#include "platform/platform.h"
#include "util/ini_document.h"
#include "util/strings.h"

namespace pv {

struct TvdlgLanguageOptions {
    // While the base culture is current, expanding message lookups answer with the caller's
    // default; while the design culture stands, GUI lookups answer with the component's text.
    bool UseBuiltInTexts = false;
    // RegisterGuiText leaves out empty texts.
    bool StoreNonEmptyOnly = false;

    bool operator==(const TvdlgLanguageOptions&) const = default;
};

enum class TvdlgLanguageFileMode {
    Read,   // a file missing on disk yields nothing and is not cached
    Write,  // a file missing on disk starts as an empty document
};

// Keyed by culture, "|" and logical file name ("en-us|UTF8_program.ini").
using TvdlgLanguageFiles = std::map<std::string, IniDocument, TextLess>;

class TvdlgLanguageController {
public:
    explicit TvdlgLanguageController(Platform& platform);
    TvdlgLanguageController(const TvdlgLanguageController&) = delete;
    TvdlgLanguageController& operator=(const TvdlgLanguageController&) = delete;

    const std::string& BaseCulture() const { return baseCulture_; }
    // Emptied for good by the first change to another culture.
    const std::string& DesignCulture() const { return designCulture_; }
    const std::string& Culture() const { return culture_; }
    const TvdlgLanguageOptions& Options() const { return options_; }
    const std::string& TranslationFolder() const { return translationFolder_; }
    const TvdlgLanguageFiles& LanguageFiles() const { return languageFiles_; }
    const TvdlgTemplateSystems& TemplateSystems() const { return templateSystems_; }
    const TvdlgTemplateVariables& TemplateVariables() const { return templateVariables_; }
    const std::vector<std::string>& TemplateStack() const { return templateStack_; }

    void SetOptions(const TvdlgLanguageOptions& options) { options_ = options; }
    void SetTranslationFolder(std::string_view path);
    // A bare "es" stands for "es-us" when that folder is installed.
    std::string NormalizeCulture(const std::string& culture);
    void SetCulture(const std::string& culture);
    void ReleaseForeignFiles();

    // The position of the document in LanguageFiles, or -1 when Read finds no file.
    // Raises EFOpenError when a file exists but cannot be opened.
    int OpenLanguageFile(const std::string& key, TvdlgLanguageFileMode mode);
    // The same, answering the document itself (stable until the culture is released).
    IniDocument* OpenLanguageDocument(const std::string& key, TvdlgLanguageFileMode mode);
    IniDocument& LanguageFileAt(int index);

    void RegisterText(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& defaultText, const std::string& templateName);
    std::string GetText(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultText, bool expand);
    void RegisterGuiText(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& text);
    std::string GetGuiText(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& defaultText);
    void WriteMetaData(const std::string& file, const TvdlgTransMetaData& meta);
    TvdlgTransMetaData ReadMetaData(const std::string& culture, const std::string& file);

    // A name already present keeps its markers.
    void AddTemplateSystem(const std::string& name, const std::string& startMarker, const std::string& endMarker);
    void SetTemplateVariable(const std::string& name, const std::string& value, bool overwrite,
                             TvdlgTemplateVariable::TProvider provider = {});
    void PushTemplateSystem(const std::string& name);
    const std::string& CurrentTemplateSystem() const { return templateStack_.back(); }
    // An empty or unknown system name leaves the text as it is.
    std::string ExpandTemplate(const std::string& systemName, const std::string& text) const;

private:
    struct TListing {
        const IniDocument* Doc = nullptr;
        const std::string* Value = nullptr;  // the stored value of the key in Doc
    };
    // The current culture's document if its section lists `key`, else the base culture's,
    // else nothing.
    TListing FindListing(const std::string& file, std::string_view storedSection, std::string_view key);

    // What a lookup found, kept for the next lookup of the same file, section and key
    // while the documents it came from are unchanged: windows ask for the same texts again
    // and again, and a lookup then costs one hash and no new strings but the answer.
    struct TLookup {
        const IniDocument* Current = nullptr;  // the documents consulted, with their revisions
        uint64_t CurrentRevision = 0;
        const IniDocument* Base = nullptr;
        uint64_t BaseRevision = 0;
        bool Found = false;
        std::string Value;     // decoded
        std::string Template;  // decoded; messages only
    };
    struct TLookupKey {
        std::string File, Section, Key;
    };
    struct TLookupKeyView {
        std::string_view File, Section, Key;
    };
    struct TLookupHash {
        using is_transparent = void;
        size_t operator()(const TLookupKeyView& k) const;
        size_t operator()(const TLookupKey& k) const { return (*this)(TLookupKeyView{k.File, k.Section, k.Key}); }
    };
    struct TLookupEqual {
        using is_transparent = void;
        static TLookupKeyView View(const TLookupKey& k) { return {k.File, k.Section, k.Key}; }
        static TLookupKeyView View(const TLookupKeyView& k) { return k; }
        bool operator()(const auto& a, const auto& b) const {
            TLookupKeyView x = View(a), y = View(b);
            return x.File == y.File && x.Section == y.Section && x.Key == y.Key;
        }
    };
    using TLookups = std::unordered_map<TLookupKey, TLookup, TLookupHash, TLookupEqual>;
    // The kept lookup, or a fresh one in `scratch` when the answer depends on a file
    // that is not read yet (a lookup then asks the disk again, as it always did).
    const TLookup& Lookup(bool gui, const std::string& file, const std::string& section, const std::string& key,
                          TLookup& scratch);

    Platform& platform_;
    std::string baseCulture_ = "en-us";
    std::string designCulture_ = "en-us";
    std::string culture_ = "en-us";
    TvdlgLanguageOptions options_;
    std::string translationFolder_;
    TvdlgLanguageFiles languageFiles_;
    TvdlgTemplateSystems templateSystems_;
    TvdlgTemplateVariables templateVariables_;
    std::vector<std::string> templateStack_{std::string()};
    TLookups textLookups_, guiLookups_;
};

// Registers a table of a window's messages in the program's language file: each row has
// a Key, its English Text and whether the text holds {curly} templates (Curly).
template <typename Row, size_t N>
void RegisterProgramMessages(TvdlgLanguageController& controller, const std::string& section, const Row (&rows)[N]) {
    for (const Row& row : rows)
        controller.RegisterText(std::string(kProgramLanguageFile), section, row.Key, row.Text,
                                row.Curly ? std::string(kTemplateSystemCurly) : std::string());
}

}  // namespace pv
