#include "Background.h"

namespace tornivex::paint {

BackgroundSource EmptyBackgroundSource() { return BackgroundSource{}; }

BackgroundSource BackgroundSourceFromQuery(const BackgroundQuery& query) {
    BackgroundSource source;
    source.Bmp = query.Bmp;
    source.OffsetX = query.Offset.X;
    source.OffsetY = query.Offset.Y;
    if (query.Kind == bkCache) {
        source.Color = clFuchsia;
        source.IsBitmap = true;
    } else {
        source.Color = ColorToRGB(query.Color);
        source.FillRect = query.FillRect;
    }
    return source;
}

BackgroundSource BackgroundSourceFromBitmap(const TBitmap32* bmp, TPoint offset) {
    BackgroundSource source;
    source.Bmp = bmp;
    source.OffsetX = offset.X;
    source.OffsetY = offset.Y;
    source.Color = clFuchsia;
    source.IsBitmap = true;
    return source;
}

BackgroundSource BackgroundSourceFromColor(TColor color) {
    BackgroundSource source;
    source.Color = ColorToRGB(color);
    return source;
}

BackgroundSource ShiftedSource(BackgroundSource source, TPoint by) {
    source.OffsetX += by.X;
    source.OffsetY += by.Y;
    return source;
}

}  // namespace tornivex::paint
