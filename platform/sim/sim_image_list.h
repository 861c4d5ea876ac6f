#pragma once
// The simulated desktop's native image lists: the pictures their model last pushed, in
// index order, so a test can compare them with the model and with what a control shows.
#include <vector>

#include "platform/sim/sim_platform.h"

namespace pv::sim {

struct SimImageList {
    NativeHandle Handle = 0;
    int Width = 0, Height = 0;
    std::vector<TBitmap32> Images;
};

// The list behind a handle that this desktop's user interface gave out; nullptr for any
// other handle and once the list's peer is gone.
const SimImageList* FindImageList(const SimUserInterface& ui, NativeHandle handle);

}  // namespace pv::sim
