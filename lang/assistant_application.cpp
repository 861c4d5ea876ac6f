#include "lang/assistant_application.h"

#include <iterator>

#include "controls/form.h"

namespace pv {

namespace {
constexpr std::string_view kModeNames[] = {"LeftToRight", "RightToLeft", "RightToLeftNoAlign",
                                           "RightToLeftReadingOnly"};
}

std::string BiDiModeName(TBiDiMode mode) {
    auto index = static_cast<unsigned>(mode);
    return index < std::size(kModeNames) ? std::string(kModeNames[index]) : std::string();
}

TBiDiMode BiDiModeFromName(std::string_view name) {
    for (unsigned i = 0; i < std::size(kModeNames); ++i)
        if (name == kModeNames[i]) return static_cast<TBiDiMode>(i);
    return TBiDiMode::LeftToRight;
}

void TvdlgLanguageAssistantApplication::RegisterBiDiMode(const std::string& file, const std::string& area,
                                                         const TApplication& app) const {
    std::string name = BiDiModeName(app.BiDiMode());
    if (!name.empty()) Register(file, kApplicationPrefix, area, std::string(kBiDiModeKey), name);
}

void TvdlgLanguageAssistantApplication::ApplyBiDiMode(const std::string& file, const std::string& area,
                                                      TApplication& app) const {
    TBiDiMode mode = BiDiModeFromName(Lookup(file, kApplicationPrefix, area, std::string(kBiDiModeKey), ""));
    app.SetBiDiMode(mode);
    bool rightToLeft = mode != TBiDiMode::LeftToRight;
    for (int i = 0; i < app.ComponentCount(); ++i)
        if (auto* window = dynamic_cast<TForm*>(app.Components(i))) window->SetRightToLeft(rightToLeft);
}

}  // namespace pv
