#include "lang/language_composite.h"

namespace pv {

TvdlgLanguageComposite::TvdlgLanguageComposite(Platform& platform)
    : controller_(platform), storedResources_(controller_) {}

TvdlgLanguageCompositeAll::TvdlgLanguageCompositeAll(Platform& platform)
    : TvdlgLanguageComposite(platform),
      application_(Controller()),
      actions_(Controller()),
      menus_(Controller()),
      controls_(Controller()) {}

TvdlgLanguageCompositeAllEx::TvdlgLanguageCompositeAllEx(Platform& platform)
    : TvdlgLanguageCompositeAll(platform), controlsVD_(Controller()), gridsVD_(Controller()) {}

}  // namespace pv
