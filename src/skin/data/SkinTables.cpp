#include "SkinTables.h"

namespace tornivex {

const TBitmap32* MaskSourceImage(const TsMaskData& md) { return md.Bmp ? md.Bmp.get() : md.Master.get(); }

int MaskCellWidth(const TsMaskData& md) {
    if (md.ImageCount == 0) return 0;
    if (md.ImageCount == 1) return md.R.Width();
    return md.R.Width() / md.ImageCount;
}

int MaskCellHeight(const TsMaskData& md) {
    switch (md.MaskType) {
    case 0: return md.R.Height();
    case 1: return md.R.Height() / 2;
    case -1: return 0;
    default: return md.R.Height() / (md.MaskType + 1);
    }
}

} // namespace tornivex
