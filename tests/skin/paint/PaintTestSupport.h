#pragma once
// Small helpers for exact pixel tests on tiny bitmaps.

#include "skin/data/Bitmap32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace tornivex::paint::test {

inline std::string Hex(TPixel32 p) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08X", p);
    return buf;
}

// A bitmap from rows of pixel values (top row first).
inline TBitmap32 BitmapOf(std::initializer_list<std::initializer_list<TPixel32>> rows) {
    const int h = static_cast<int>(rows.size());
    const int w = h ? static_cast<int>(rows.begin()->size()) : 0;
    TBitmap32 bmp(w, h);
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (TPixel32 p : row) bmp.Pixel(x++, y) = p;
        ++y;
    }
    return bmp;
}

// Compares every pixel and names the first one that differs.
inline ::testing::AssertionResult SameBitmap(const TBitmap32& a, const TBitmap32& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return ::testing::AssertionFailure() << "size " << a.Width() << "x" << a.Height() << " vs "
                                             << b.Width() << "x" << b.Height();
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << "): "
                                                     << Hex(a.Pixel(x, y)) << " vs " << Hex(b.Pixel(x, y));
    return ::testing::AssertionSuccess();
}

#define EXPECT_PIXEL(bmp, x, y, value) \
    EXPECT_EQ(::tornivex::paint::test::Hex((bmp).Pixel(x, y)), ::tornivex::paint::test::Hex(value)) \
        << "at (" << (x) << ", " << (y) << ")"

}  // namespace tornivex::paint::test
