// The platform text drawing with format flags (src/platform/text).
#include "platform/text/DrawText.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace tornivex::platform {
namespace {

QFont TestFont() {
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(13);
    return font;
}

// Rows and columns that hold ink (anything not white).
QRect Ink(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) r |= QRect(x, y, 1, 1);
    return r;
}

QImage White(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

TEST(DrawFormattedText, CalcRectMeasuresWithoutDrawing) {
    QImage img = White(200, 50);
    QRect rect(5, 7, 10, 10);
    const int height = DrawFormattedText(img, TestFont(), Qt::black, QStringLiteral("Hello"), rect,
                                         tfSingleLine | tfCalcRect);
    EXPECT_TRUE(Ink(img).isNull());
    EXPECT_EQ(rect.topLeft(), QPoint(5, 7));
    EXPECT_EQ(rect.width(), QFontMetrics(TestFont()).horizontalAdvance(QStringLiteral("Hello")));
    EXPECT_EQ(rect.height(), height);
    EXPECT_GE(height, QFontMetrics(TestFont()).height());
    EXPECT_LE(height, QFontMetrics(TestFont()).height() + 1);
}

TEST(DrawFormattedText, WordBreakKeepsTheWidthAndGrowsTheHeight) {
    QRect rect(0, 0, 60, 10);
    QImage none;
    DrawFormattedText(none, TestFont(), Qt::black, QStringLiteral("one two three four five"), rect,
                      tfWordBreak | tfCalcRect);
    EXPECT_EQ(rect.width(), 60);
    EXPECT_GE(rect.height(), 2 * QFontMetrics(TestFont()).height());
}

TEST(DrawFormattedText, AmpersandMarksAMnemonicUnlessNoPrefix) {
    const QFontMetrics metrics(TestFont());
    const QRect room(0, 0, 300, 30);
    EXPECT_EQ(MeasureFormattedText(TestFont(), QStringLiteral("&File"), room, tfSingleLine).width(),
              metrics.horizontalAdvance(QStringLiteral("File")));
    EXPECT_EQ(MeasureFormattedText(TestFont(), QStringLiteral("&File"), room, tfSingleLine | tfNoPrefix).width(),
              metrics.horizontalAdvance(QStringLiteral("&File")));
}

TEST(DrawFormattedText, EndEllipsisShortensWhatDoesNotFit) {
    const QString text = QStringLiteral("A caption far too long for its rectangle");
    const QRect room(0, 0, 80, 20);
    EXPECT_GT(MeasureFormattedText(TestFont(), text, room, tfSingleLine).width(), 80);
    EXPECT_LE(MeasureFormattedText(TestFont(), text, room, tfSingleLine | tfEndEllipsis).width(), 80);
}

TEST(DrawFormattedText, VerticalCentringAppliesToSingleLineTextOnly) {
    QImage single = White(100, 60), multi = White(100, 60);
    QRect rect(0, 0, 100, 60);
    DrawFormattedText(single, TestFont(), Qt::black, QStringLiteral("X"), rect, tfSingleLine | tfVCenter);
    rect = QRect(0, 0, 100, 60);
    DrawFormattedText(multi, TestFont(), Qt::black, QStringLiteral("X"), rect, tfVCenter);
    EXPECT_NEAR(Ink(single).center().y(), 30, 3);
    EXPECT_LT(Ink(multi).bottom(), 20);
}

TEST(DrawFormattedText, ClipsToTheRectangleUnlessNoClip) {
    QImage clipped = White(100, 30), free = White(100, 30);
    QRect rect(0, 0, 12, 30);
    DrawFormattedText(clipped, TestFont(), Qt::black, QStringLiteral("WWWW"), rect, tfSingleLine);
    DrawFormattedText(free, TestFont(), Qt::black, QStringLiteral("WWWW"), rect, tfSingleLine | tfNoClip);
    EXPECT_LT(Ink(clipped).right(), 12);
    EXPECT_GT(Ink(free).right(), 20);
}

TEST(DrawFormattedText, CentreAndRightAlignHorizontally) {
    QImage left = White(120, 20), centre = White(120, 20), right = White(120, 20);
    for (auto [img, flags] : {std::pair{&left, tfSingleLine}, std::pair{&centre, TextFormat(tfSingleLine | tfCenter)},
                              std::pair{&right, TextFormat(tfSingleLine | tfRight)}}) {
        QRect rect(0, 0, 120, 20);
        DrawFormattedText(*img, TestFont(), Qt::black, QStringLiteral("Ab"), rect, flags);
    }
    EXPECT_LT(Ink(left).left(), 3);
    EXPECT_NEAR(Ink(centre).center().x(), 60, 3);
    EXPECT_GT(Ink(right).right(), 115);
}

}  // namespace
}  // namespace tornivex::platform
