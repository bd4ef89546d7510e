#include "MaskImage.h"

#include <algorithm>

namespace tornivex::paint {

TRect MaskFrameRect(const TsMaskData& mask, int frame) {
    const int fw = MaskCellWidth(mask), fh = MaskCellHeight(mask);
    const int left = mask.R.Left + frame * fw;
    return TRect{left, mask.R.Top, left + fw, mask.R.Top + fh};
}

int MaskFrameForState(const TsMaskData& mask, int state) {
    return std::max(0, std::min(state, mask.ImageCount - 1));
}

}  // namespace tornivex::paint
