#include "controls/print_dialog.h"

#include "controls/form.h"
#include "platform/platform.h"

namespace pv {

PrintResult TPrintDialog::PrintTable(const TForm* owner, const std::string& documentName,
                                     const std::vector<std::vector<std::string>>& rows,
                                     const std::vector<int>& colWidths) {
    PrintRequest r;
    r.Owner = owner ? owner->Handle() : 0;
    r.DocumentName = documentName;
    r.Rows = rows;
    r.ColWidths = colWidths;
    return GetPlatform().UI().PrintTable(r);
}

}  // namespace pv
