// Reading and writing "options.ini": the options record in memory is the one truth, the
// file is read once at start and written at fixed moments.
#include <cmath>

#include "controls/application.h"
#include "frame/generic_frame.h"
#include "frame/option_values.h"
#include "frame/shared_options.h"
#include "platform/file_tools.h"
#include "platform/platform.h"
#include "util/encoding.h"
#include "util/exception.h"
#include "util/ini_document.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {

const char* const kGeneral = "ProgramOptions.General";
const char* const kVisuals = "ProgramOptions.Visuals";
const char* const kMisc = "ProgramOptions.Miscellaneous";

// A line with control characters or undecodable bytes is no option of this program; the
// next save drops it, so a damaged file is written back clean.
bool IsClean(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 && c != '\t') return false;
    return text.find("\xEF\xBF\xBD") == std::string_view::npos;
}

IniDocument Parse(const std::string& text) {
    IniDocument::ParseRules rules;
    rules.KeepUnkeyedLines = false;
    rules.MergeRepeatedSections = true;
    IniDocument parsed = IniDocument::Parse(text, rules);
    IniDocument clean;
    for (const auto& section : parsed.SectionNames()) {
        if (!IsClean(section) || section.empty()) continue;
        for (const auto& key : parsed.Keys(section)) {
            const std::string* value = parsed.Find(section, key);
            if (value && IsClean(key) && IsClean(*value) && !key.empty()) clean.WriteString(section, key, *value);
        }
    }
    return clean;
}

}  // namespace

// ---- typed access ------------------------------------------------------------------------

void ReadOptionBool(const IniDocument& doc, const char* section, const char* key, bool& field) {
    const std::string* v = doc.Find(section, key);
    if (!v) return;
    if (auto n = TryStrToInt64(*v)) field = *n != 0;
}

void ReadOptionInt(const IniDocument& doc, const char* section, const char* key, int& field) {
    const std::string* v = doc.Find(section, key);
    if (!v) return;
    if (auto n = TryStrToInt(*v)) field = *n;
}

void ReadOptionText(const IniDocument& doc, const char* section, const char* key, std::string& field) {
    if (const std::string* v = doc.Find(section, key)) field = *v;
}

void WriteOptionBool(IniDocument& doc, const char* section, const char* key, bool value) {
    doc.WriteString(section, key, value ? "1" : "0");
}

void WriteOptionInt(IniDocument& doc, const char* section, const char* key, int value) {
    doc.WriteString(section, key, IntToStr(value));
}

// ---- the generic keys --------------------------------------------------------------------

void TvdDataModuleGenericStruct::ReadOptions(const IniDocument& doc) {
    TvdSharedProgramOptions& o = *Options;
    if (const std::string* v = doc.Find(kGeneral, "LanguageCulture")) {
        std::string culture = Trim(*v);
        if (SameText(culture, "en-us")) o.LanguageCulture = "en-us";
        else if (!culture.empty()) o.LanguageCulture = culture;
    }
    ReadOptionBool(doc, kVisuals, "SaveWindowsSetup", o.SaveWindowsSetup);
    ReadOptionBool(doc, kVisuals, "SaveToolBarsSetup", o.SaveToolBarsSetup);
    ReadOptionBool(doc, kVisuals, "SaveMiscSetup", o.SaveMiscSetup);
    ReadOptionInt(doc, kMisc, "CheckUpdatesInterval", o.CheckUpdatesInterval);
    {
        std::string text = doc.ReadString(kMisc, "CheckUpdatesLast", FormatIsoDateTime(o.CheckUpdatesLast));
        size_t plus = text.find('+');
        if (plus != std::string::npos) text.resize(plus);
        // An empty or unreadable time makes the next automatic check due at once.
        o.CheckUpdatesLast = TryParseIsoDateTime(text).value_or(0.0);
    }
    ReadOptionBool(doc, kMisc, "CheckUpdatesCritErrRes", o.CheckUpdatesCritErrRes);
}

void TvdDataModuleGenericStruct::WriteOptions(IniDocument& doc) {
    const TvdSharedProgramOptions& o = *Options;
    doc.WriteString(kGeneral, "LanguageCulture", o.LanguageCulture);
    WriteOptionBool(doc, kVisuals, "SaveWindowsSetup", o.SaveWindowsSetup);
    WriteOptionBool(doc, kVisuals, "SaveToolBarsSetup", o.SaveToolBarsSetup);
    WriteOptionBool(doc, kVisuals, "SaveMiscSetup", o.SaveMiscSetup);
    WriteOptionInt(doc, kMisc, "CheckUpdatesInterval", o.CheckUpdatesInterval);
    doc.WriteString(kMisc, "CheckUpdatesLast", FormatIsoDateTime(o.CheckUpdatesLast));
    WriteOptionBool(doc, kMisc, "CheckUpdatesCritErrRes", o.CheckUpdatesCritErrRes);
    WriteOptionBool(doc, kMisc, "CheckUpdatesResCritErr", o.CheckUpdatesCritErrRes && o.CheckUpdatesInterval > 14);
}

// ---- the file ----------------------------------------------------------------------------

void TvdDataModuleGenericStruct::LoadOptions() {
    if (!Options) return;
    Platform& p = GetPlatform();
    IniDocument doc;
    if (!OptionsFile.empty() && p.Files().FileExists(OptionsFile))
        doc = Parse(ExpandPathMacros(PathMacros, ReadCodePageText(p, OptionsFile)));
    ReadOptions(doc);
}

void TvdDataModuleGenericStruct::SaveOptions() {
    if (!Options || OptionsFile.empty()) return;
    Platform& p = GetPlatform();
    IFileSystem& files = p.Files();
    // Sections this record does not know (the windows' placements) are kept.
    IniDocument doc;
    if (files.FileExists(OptionsFile)) doc = Parse(ReadCodePageText(p, OptionsFile));
    WriteOptions(doc);
    std::string text = CompressPathMacros(PathMacros, doc.ToText());
    ReplaceCodePageText(p, OptionsFile, text);
    std::string ext = ExtractFileExt(OptionsFile);
    std::string backup = ChangeFileExt(OptionsFile, ".~" + (ext.empty() ? std::string() : ext.substr(1)));
    if (files.FileExists(backup)) files.DeleteFile(backup);
    if (files.FileExists(OptionsFile)) files.CopyFile(OptionsFile, backup, false);
}

}  // namespace pv
