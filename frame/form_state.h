#pragma once
// Window placement in the options file: one section per window, named after the window,
// with the integer keys WindowState, Top, Height, Left and Width of its normal rectangle.
#include <string>

namespace pv {

class TForm;

// One private-profile write per key, so the file on disk changes at once.
void StoreFormPlacement(TForm& window, const std::string& file);
// Reads the keys with the current placement as defaults; a stored minimised state is
// not applied.
void RestoreFormPlacementFrom(TForm& window, const std::string& file);

}  // namespace pv
