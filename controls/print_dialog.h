#pragma once
// The system's print dialog as a component: shown, and when the user confirms it, the
// rows given are printed as one document.
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/ui/dialogs.h"

namespace pv {

class TForm;

class TPrintDialog final : public TComponent {
public:
    explicit TPrintDialog(TComponent* owner) : TComponent(owner) {}
    PV_COMPONENT_CLASS(TPrintDialog)

    PrintResult PrintTable(const TForm* owner, const std::string& documentName,
                           const std::vector<std::vector<std::string>>& rows, const std::vector<int>& colWidths);
};

}  // namespace pv
