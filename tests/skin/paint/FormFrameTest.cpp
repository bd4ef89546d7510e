// The skinned form frame without widgets: title layout, caption rectangle, hit codes, the window
// outline cut from the border image, and the whole window picture with the Aluminium skin.
#include "PaintTestSupport.h"
#include "SkinFixture.h"

#include "InternalSkins.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/FormFrame.h"
#include "skin/paint/sCommonData.h"

#include "Fonts.h"

#include <QFont>

#include <memory>

namespace tornivex::paint {
namespace {

// The main window's frame: 541 x 206, dialog frame 3, caption 23.
TFormFrameInput MainWindowFrame() {
    TFormFrameInput form;
    form.Width = 541;
    form.Height = 206;
    return form;
}

class AluminiumFrame : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        manager_ = new TsSkinManager;
        for (const InternalSkinPackage& p : InternalSkinPackages()) manager_->InternalSkins().Add(p.Name, p.Data);
        manager_->SetSkinName(QStringLiteral("Aluminium (internal)"));
    }
    static void TearDownTestSuite() {
        delete manager_;
        manager_ = nullptr;
    }
    const TLoadedSkin& Skin() const { return manager_->Skin(); }

    // The form section as a provider holds it.
    std::unique_ptr<TsCommonData> FormData() const {
        auto data = std::make_unique<TsCommonData>();
        data->FSkinManager = manager_;
        data->SkinIndex = manager_->GetSkinIndex(QStringLiteral("FORM"));
        data->BorderIndex = manager_->gd()[std::size_t(data->SkinIndex)].BorderIndex;
        data->Texture = manager_->GetTextureIndex(data->SkinIndex, QStringLiteral("FORM"), QStringLiteral("PATTERN"));
        data->HotTexture =
            manager_->GetTextureIndex(data->SkinIndex, QStringLiteral("FORM"), QStringLiteral("HOTPATTERN"));
        return data;
    }
    TFormPicture Picture(int active, const QString& caption) const {
        TFormPicture picture;
        picture.TitleIndex = manager_->GetSkinIndex(QStringLiteral("FORMTITLE"));
        picture.FormActive = active;
        picture.Caption = caption;
        // The program's caption font, from the same file on every system ("Sans" is a name only
        // fontconfig knows: elsewhere it falls to whatever face is first).
        picture.CaptionFont = platform::InterfaceFont(11, true);
        return picture;
    }

    static TsSkinManager* manager_;
};
TsSkinManager* AluminiumFrame::manager_ = nullptr;

TEST_F(AluminiumFrame, TitleStripAndSmallCloseButton) {
    const TFormTitleLayout layout = CalcItems(&Skin(), MainWindowFrame());
    EXPECT_EQ(layout.VCenter, 23 / 2 + 3 / 2);
    EXPECT_EQ(layout.FHeaderHeight, 26);
    EXPECT_EQ(layout.FIconRect.Width(), 0);  // dialogs show no icon
    const TsCaptionButton& close = layout.ButtonClose;
    // Right edge at W - BIRIGHT - max(bw, 4) - 2, the small close image 15 x 14, centred.
    EXPECT_EQ(close.Rect.Right, 541 - 4 - 4 - 2);
    EXPECT_EQ(close.Rect.Width(), 15);
    EXPECT_EQ(close.Rect.Height(), 14);
    EXPECT_EQ(close.Rect.Top, layout.VCenter - 7);
    EXPECT_EQ(close.HitCode, htClose);
    EXPECT_EQ(close.ImageIndex, Skin().ConstData.MaskCloseSmall);

    // Without a system menu there is no button to draw or hit.
    TFormFrameInput noMenu = MainWindowFrame();
    noMenu.HasSystemMenu = false;
    EXPECT_TRUE(CalcItems(&Skin(), noMenu).ButtonClose.Rect.IsEmpty());
}

TEST_F(AluminiumFrame, CaptionRectangleLeavesRoomForTheButton) {
    const TFormFrameInput form = MainWindowFrame();
    const TFormTitleLayout layout = CalcItems(&Skin(), form);
    const TRect text = CaptionTextRect(&Skin(), form, layout, false);
    EXPECT_EQ(text.Left, 3 + 0 + 3 + 4);         // bw + icon + BILEFT + 4
    EXPECT_EQ(text.Right, 541 - 4 - 15 - 12);    // W - BIRIGHT - buttons - 12
    EXPECT_EQ(CaptionTextRect(&Skin(), form, layout, true).Left, text.Left + 2);
}

TEST(FormFrame, MissingCloseImageGivesAnEmptyButtonArea) {
    test::SkinFixture fixture;
    TFormFrameInput form = MainWindowFrame();
    const TFormTitleLayout layout = CalcItems(&fixture.Skin, form);
    EXPECT_EQ(layout.ButtonClose.ImageIndex, -1);
    EXPECT_EQ(layout.ButtonClose.Rect.Width(), MissingTitleButtonSize);
    EXPECT_EQ(layout.ButtonClose.Rect.Height(), MissingTitleButtonSize);
}

TEST_F(AluminiumFrame, HitCodesAtChosenPoints) {
    const TFormFrameInput form = MainWindowFrame();
    const TFormTitleLayout layout = CalcItems(&Skin(), form);
    const TRect& close = layout.ButtonClose.Rect;
    EXPECT_EQ(FrameHitTest(form, layout, {close.Left, close.Top}), htClose);
    EXPECT_EQ(FrameHitTest(form, layout, {close.Right - 1, close.Bottom - 1}), htClose);
    EXPECT_EQ(FrameHitTest(form, layout, {close.Right, close.Top}), htCaption);  // right edge exclusive
    EXPECT_EQ(FrameHitTest(form, layout, {close.Left - 1, close.Top + 3}), htCaption);
    EXPECT_EQ(FrameHitTest(form, layout, {100, 10}), htCaption);
    EXPECT_EQ(FrameHitTest(form, layout, {100, 25}), htCaption);   // last row of the strip
    EXPECT_EQ(FrameHitTest(form, layout, {100, 26}), htClient);
    EXPECT_EQ(FrameHitTest(form, layout, {1, 100}), htBorder);
    EXPECT_EQ(FrameHitTest(form, layout, {540, 100}), htBorder);
    EXPECT_EQ(FrameHitTest(form, layout, {100, 204}), htBorder);
    EXPECT_EQ(FrameHitTest(form, layout, {541, 100}), htNowhere);
    EXPECT_EQ(FrameHitTest(form, layout, {-1, 10}), htNowhere);

    TFormFrameInput closeDisabled = form;
    closeDisabled.CloseEnabled = false;
    EXPECT_EQ(FrameHitTest(closeDisabled, layout, {close.Left + 2, close.Top + 2}), htCaption);
}

// Counts the cut pixels of each window row from the cut-out rectangles.
std::vector<int> CutPerRow(const std::vector<TRect>& cutouts, int height) {
    std::vector<int> perRow(std::size_t(height), 0);
    for (const TRect& r : cutouts) {
        EXPECT_EQ(r.Height(), 1);
        perRow[std::size_t(r.Top)] += r.Width();
    }
    return perRow;
}

TEST_F(AluminiumFrame, RegionCutsTheFourCornersToTheBorderImage) {
    const int form = manager_->GetSkinIndex(QStringLiteral("FORM"));
    const int title = manager_->GetSkinIndex(QStringLiteral("FORMTITLE"));
    const std::vector<TRect> cutouts = WindowRegionCutouts(Skin(), form, title, 541, 206);
    const std::vector<int> perRow = CutPerRow(cutouts, 206);
    // 5, 3, 2, 1, 1 pixels at each end of the outermost rows, top and bottom alike.
    const int expected[] = {5, 3, 2, 1, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(perRow[std::size_t(i)], 2 * expected[i]) << "top row " << i;
        EXPECT_EQ(perRow[std::size_t(205 - i)], 2 * expected[i]) << "bottom row " << i;
    }
    for (int y = 5; y < 201; ++y) EXPECT_EQ(perRow[std::size_t(y)], 0) << "row " << y;
    // Left runs start at x 0, right runs end at the window's right edge.
    for (const TRect& r : cutouts) EXPECT_TRUE(r.Left == 0 || r.Right == 541) << r.Left << "," << r.Top;
}

TEST(FormFrame, BorderImageWithoutKeyPixelsGivesARectangularWindow) {
    test::SkinFixture fixture;
    const int section = fixture.AddSection(2, 0x808080);
    fixture.Section(section).BorderIndex = fixture.AddTracedRow(2, 20, 20, true, 0, 6, 6, 6, 6);
    EXPECT_TRUE(WindowRegionCutouts(fixture.Skin, section, -1, 100, 60).empty());
}

TEST(FormFrame, KeyColourRunsBecomeOnePixelRectangles) {
    test::SkinFixture fixture;
    const int section = fixture.AddSection(1, 0x808080);
    const int row = fixture.AddTracedRow(1, 10, 10, false, 0, 4, 2, 3, 1);
    fixture.Section(section).BorderIndex = row;
    TBitmap32& image = *fixture.Skin.ma[std::size_t(row)].Bmp;
    const TPixel32 key = MakePixel32(255, 0, 255, 0);
    image.Pixel(0, 0) = image.Pixel(1, 0) = image.Pixel(3, 0) = key;  // two runs on the left
    image.Pixel(9, 1) = key;                                          // right corner, row 1
    image.Pixel(5, 0) = key;                                          // middle: not a corner
    image.Pixel(0, 9) = key;                                          // bottom-left
    const std::vector<TRect> cutouts = WindowRegionCutouts(fixture.Skin, section, -1, 50, 30);
    const std::vector<TRect> expected = {
        {0, 0, 2, 1}, {3, 0, 4, 1}, {49, 1, 50, 2}, {0, 29, 1, 30}};
    EXPECT_EQ(cutouts, expected);
}

TEST_F(AluminiumFrame, CaptionColourFollowsActivation) {
    const auto data = FormData();
    TFormTitleLayout layout;
    TBitmap32 active, inactive, temp;
    const TFormFrameInput form = MainWindowFrame();
    // Stems over two pixels wide: some pixels are wholly inside them, in the font colour itself.
    TFormPicture picture = Picture(1, QStringLiteral("HHHH"));
    picture.CaptionFont.setPixelSize(20);
    ASSERT_TRUE(PaintAll(*data, form, picture, layout, active, temp));
    picture.FormActive = 0;
    ASSERT_TRUE(PaintAll(*data, form, picture, layout, inactive, temp));
    ASSERT_EQ(active.Width(), 541);
    ASSERT_EQ(active.Height(), 206);
    const TRect text = CaptionTextRect(&Skin(), form, layout, false);
    // The darkest caption pixel: black (hot font colour) active, 4671303 (dark grey) inactive.
    auto darkest = [&](const TBitmap32& bmp) {
        TPixel32 best = 0xFFFFFFFF;
        int bestSum = 1000;
        for (int y = text.Top; y < text.Bottom; ++y)
            for (int x = text.Left; x < text.Left + 60; ++x) {
                const TPixel32 p = bmp.Pixel(x, y);
                const int sum = PixelR(p) + PixelG(p) + PixelB(p);
                if (sum < bestSum) bestSum = sum, best = p;
            }
        return best & 0xFFFFFF;
    };
    EXPECT_EQ(darkest(active), 0x000000u);
    EXPECT_EQ(darkest(inactive), MakePixel32(0x47, 0x47, 0x47, 0) & 0xFFFFFF);  // 4671303 = 0x474747
}

TEST_F(AluminiumFrame, LongCaptionEndsWithAnEllipsisInsideItsRectangle) {
    const auto data = FormData();
    TFormTitleLayout layout;
    TBitmap32 longer, temp, blank;
    const TFormFrameInput form = MainWindowFrame();
    const QString caption = QString(200, u'W');
    ASSERT_TRUE(PaintAll(*data, form, Picture(1, caption), layout, longer, temp));
    ASSERT_TRUE(PaintAll(*data, form, Picture(1, QString()), layout, blank, temp));
    const TRect text = CaptionTextRect(&Skin(), form, layout, false);
    // Text stays left of the rectangle's right edge: the close button's surroundings are untouched.
    for (int y = 0; y < 26; ++y)
        for (int x = text.Right; x < 541; ++x) ASSERT_EQ(longer.Pixel(x, y), blank.Pixel(x, y)) << x << "," << y;
    // And it reaches close to that edge (the ellipsis is drawn, not the text cut at a letter).
    bool inkNearEnd = false;
    for (int y = text.Top; y < text.Bottom; ++y)
        for (int x = text.Right - 20; x < text.Right; ++x) inkNearEnd |= longer.Pixel(x, y) != blank.Pixel(x, y);
    EXPECT_TRUE(inkNearEnd);
}

TEST_F(AluminiumFrame, CloseButtonFramesAndFaintLook) {
    const auto data = FormData();
    TFormTitleLayout layout;
    TBitmap32 cache, temp;
    const TFormFrameInput form = MainWindowFrame();
    ASSERT_TRUE(PaintAll(*data, form, Picture(1, QString()), layout, cache, temp));
    const TRect r = layout.ButtonClose.Rect;
    const int tempLeft = TempBmpLeft(Skin(), form, layout);
    auto buttonPixels = [&](const TBitmap32& bmp) {
        std::vector<TPixel32> pixels;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) pixels.push_back(bmp.Pixel(x, y));
        return pixels;
    };
    std::vector<std::vector<TPixel32>> frames;
    for (int state = 0; state < 3; ++state) {
        TsCaptionButton button = layout.ButtonClose;
        button.State = state;
        DrawTitleButton(Skin(), button, true, temp, tempLeft, cache);
        frames.push_back(buttonPixels(cache));
    }
    EXPECT_NE(frames[0], frames[1]);
    EXPECT_NE(frames[1], frames[2]);
    // Inactive: the normal frame drawn faint, different from the active normal frame.
    TsCaptionButton normal = layout.ButtonClose;
    DrawTitleButton(Skin(), normal, false, temp, tempLeft, cache);
    EXPECT_NE(buttonPixels(cache), frames[0]);
    // Redrawing restores the strip first: the active normal frame comes back exactly.
    DrawTitleButton(Skin(), normal, true, temp, tempLeft, cache);
    EXPECT_EQ(buttonPixels(cache), frames[0]);
    // The fade at full opacity shows the hot frame; at 0 the normal one.
    DrawTitleButton(Skin(), normal, true, temp, tempLeft, cache, 1, 255);
    EXPECT_EQ(buttonPixels(cache), frames[1]);
    DrawTitleButton(Skin(), normal, true, temp, tempLeft, cache, 1, 0);
    EXPECT_EQ(buttonPixels(cache), frames[0]);
    DrawTitleButton(Skin(), normal, true, temp, tempLeft, cache, 1, 125);
    const auto half = buttonPixels(cache);
    EXPECT_NE(half, frames[0]);
    EXPECT_NE(half, frames[1]);
}

TEST(FormFrame, NothingIsDrawnWithoutAFormSection) {
    test::SkinFixture fixture;
    TsCommonData data;  // no manager with a skin, index -1
    TFormTitleLayout layout;
    TBitmap32 cache, temp;
    EXPECT_FALSE(PaintAll(data, MainWindowFrame(), TFormPicture{}, layout, cache, temp));
    EXPECT_TRUE(cache.Empty());
}

}  // namespace
}  // namespace tornivex::paint
