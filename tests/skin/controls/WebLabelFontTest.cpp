// The link label's fonts: following the parent's font while ParentFont is on, and undoing a font
// or colour put on the widget other than through the label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QWidget>

#include "sWebLabel.h"

namespace tornivex {
namespace {

QFont PixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void Hover(TsWebLabel* label) {
    const QPointF at(2, 2);
    QEnterEvent enter(at, label->mapToGlobal(at), label->mapToGlobal(at));
    QApplication::sendEvent(label, &enter);
}

class WebLabelFontTest : public ::testing::Test {
protected:
    WebLabelFontTest() {
        parent.setFont(PixelFont("Sans", 11));
        parent.resize(400, 100);
        label = new TsWebLabel(&parent);
        label->SetCaption("www.example.test");
    }

    QWidget parent;
    TsWebLabel* label = nullptr;
};

TEST_F(WebLabelFontTest, ANewLabelFollowsItsParentUntilAFontIsSet) {
    EXPECT_TRUE(label->ParentFont());
    EXPECT_EQ(label->NormalFont().pixelSize(), 11);
    parent.setFont(PixelFont("Serif", 15));
    EXPECT_EQ(label->NormalFont().pixelSize(), 15);
    EXPECT_EQ(label->font().pixelSize(), 15);

    label->SetFont(PixelFont("Sans", 12), clBlue);
    EXPECT_FALSE(label->ParentFont());
    const int ownWidth = label->width();
    parent.setFont(PixelFont("Serif", 20));
    EXPECT_EQ(label->NormalFont().pixelSize(), 12);
    EXPECT_EQ(label->font().pixelSize(), 12);
    EXPECT_EQ(label->width(), ownWidth);
}

TEST_F(WebLabelFontTest, AParentFontChangeReachesBothFontsButNotTheirColours) {
    label->SetFont(PixelFont("Sans", 12), clBlue);
    label->SetHoverFont(PixelFont("Sans", 13, true), clFuchsia);
    label->SetParentFont(true);
    const int smallWidth = label->width();

    parent.setFont(PixelFont("Serif", 18));
    EXPECT_EQ(label->NormalFont().family(), "Serif");
    EXPECT_EQ(label->NormalFont().pixelSize(), 18);
    EXPECT_EQ(label->font().pixelSize(), 18);
    EXPECT_GT(label->width(), smallWidth);  // an auto-sized label grows with the new font
    EXPECT_EQ(label->FontColor(), clBlue);
    EXPECT_EQ(label->CurrentTextColor(), ColorToRGB(clBlue));
    // The hover font takes the face and size only: it stays bold and keeps its colour.
    EXPECT_EQ(label->HoverFont().family(), "Serif");
    EXPECT_EQ(label->HoverFont().pixelSize(), 18);
    EXPECT_TRUE(label->HoverFont().bold());
    Hover(label);
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->CurrentTextColor(), ColorToRGB(clFuchsia));
}

TEST_F(WebLabelFontTest, AMovedLabelFollowsItsNewParentOnly) {
    QWidget other;
    other.setFont(PixelFont("Serif", 16));
    label->setParent(&other);
    EXPECT_EQ(label->NormalFont().pixelSize(), 16);
    parent.setFont(PixelFont("Sans", 9));
    EXPECT_EQ(label->NormalFont().pixelSize(), 16);
    other.setFont(PixelFont("Sans", 14));
    EXPECT_EQ(label->NormalFont().pixelSize(), 14);
    label->setParent(&parent);  // back before `other` goes, so it is destroyed with the fixture
}

TEST_F(WebLabelFontTest, AFontPutOnTheWidgetDirectlyIsUndoneWhenSized) {
    label->SetFont(PixelFont("Sans", 12), clBlue);
    const int width = label->width();
    label->setFont(PixelFont("Serif", 30));
    EXPECT_EQ(label->font().pixelSize(), 12);
    EXPECT_EQ(label->font().family(), "Sans");
    EXPECT_EQ(label->width(), width);
}

TEST_F(WebLabelFontTest, AFontOrColourPutOnTheWidgetDirectlyIsUndoneWhenPainted) {
    label->SetAutoSize(false);  // nothing sizes it, so only the paint sees the change
    label->SetFont(PixelFont("Sans", 12), clBlue);
    label->setFont(PixelFont("Serif", 30));
    label->SetFontColor(clFuchsia);
    EXPECT_EQ(label->font().pixelSize(), 30);
    label->grab();
    EXPECT_EQ(label->font().pixelSize(), 12);
    EXPECT_EQ(label->font().family(), "Sans");
    EXPECT_EQ(label->FontColor(), clBlue);

    // While hovered the hover font is the one kept.
    label->SetHoverFont(PixelFont("Sans", 13), clBlue);
    Hover(label);
    label->setFont(PixelFont("Serif", 30));
    label->grab();
    EXPECT_EQ(label->font().pixelSize(), 13);
}

}  // namespace
}  // namespace tornivex
