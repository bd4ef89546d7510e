#include "DevicePixels.h"

#include "RectOps.h"

#include <cmath>

namespace tornivex::paint {

int DeviceEdge(int logical, double ratio) { return static_cast<int>(std::floor(logical * ratio + 0.5)); }

TRect DeviceRect(const TRect& logical, double ratio) {
    return TRect{DeviceEdge(logical.Left, ratio), DeviceEdge(logical.Top, ratio), DeviceEdge(logical.Right, ratio),
                 DeviceEdge(logical.Bottom, ratio)};
}

void ScaleToDevice(const TBitmap32& logical, TBitmap32& device, double ratio) {
    const int w = DeviceEdge(logical.Width(), ratio), h = DeviceEdge(logical.Height(), ratio);
    if (device.Width() != w || device.Height() != h) device.SetSize(w, h);
    ScaleToDevice(logical, device, ratio, BoundsOf(logical));
}

void ScaleToDevice(const TBitmap32& logical, TBitmap32& device, double ratio, const TRect& part) {
    const TRect area = Intersect(part, BoundsOf(logical));
    if (area.IsEmpty()) return;
    // The device columns of each logical column, worked out once per call.
    std::vector<int> columnEdges(static_cast<std::size_t>(area.Width()) + 1);
    for (int x = area.Left; x <= area.Right; ++x)
        columnEdges[static_cast<std::size_t>(x - area.Left)] = std::min(DeviceEdge(x, ratio), device.Width());
    for (int y = area.Top; y < area.Bottom; ++y) {
        const TPixel32* source = logical.Scanline(y);
        const int top = DeviceEdge(y, ratio), bottom = std::min(DeviceEdge(y + 1, ratio), device.Height());
        if (top >= bottom) continue;
        TPixel32* first = device.Scanline(top);
        for (int x = area.Left; x < area.Right; ++x) {
            const TPixel32 p = source[x] | 0xFF000000u;
            const std::size_t i = static_cast<std::size_t>(x - area.Left);
            for (int dx = columnEdges[i]; dx < columnEdges[i + 1]; ++dx) first[dx] = p;
        }
        const int from = columnEdges.front(), count = columnEdges.back() - from;
        for (int dy = top + 1; dy < bottom; ++dy)
            std::copy_n(first + from, count, device.Scanline(dy) + from);
    }
}

void ClearDeviceBlocks(TBitmap32& device, double ratio, const std::vector<TRect>& logical) {
    for (const TRect& r : logical) {
        const TRect d = Intersect(DeviceRect(r, ratio), BoundsOf(device));
        for (int y = d.Top; y < d.Bottom; ++y) std::fill_n(device.Scanline(y) + d.Left, d.Width(), TPixel32(0));
    }
}

}  // namespace tornivex::paint
