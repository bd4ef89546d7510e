#include "PaintTestSupport.h"
#include "TestSkinPackage.h"

#include "platform/text/DrawText.h"
#include "skin/paint/BackgroundProtocol.h"
#include "skin/paint/BitmapImage.h"
#include "skin/paint/ElementText.h"
#include "skin/paint/PixelColor.h"
#include "skin/paint/sCommonData.h"

#include "skin/data/SkinCommand.h"

#include "Fonts.h"

#include <QFont>
#include <QObject>

namespace tornivex::paint {
namespace {

const QByteArray Options =
    "[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\n"
    "[LABEL]\nSTATES=2\nCOLOR=16777215\nFONTCOLOR=0\nTCLEFT=255\n"
    "HOTFONTCOLOR=16711680\nHGSIZE=2\nHGCOL=65280\n"
    "[PLAIN]\nSTATES=1\nFONTCOLOR=0\n";

class ElementTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage master(8, 8, QImage::Format_RGB32);
        master.fill(Qt::gray);
        manager = test::LoadTestSkin(Options, master);
        ASSERT_GE(manager->GetSkinIndex(QStringLiteral("LABEL")), 0);
        font = platform::InterfaceFont(14, false);  // the same face on every system
        data.FSkinManager = manager.get();
    }

    // The text drawn plainly by the platform, for comparison.
    TBitmap32 Plain(TColor color, TPoint shift = {}, std::uint32_t flags = platform::tfSingleLine) {
        TBitmap32 bmp(60, 24, 0xFFFFFFFFu);
        QImage image = WrapBitmap(bmp);
        QRect place(4 + shift.X, 4 + shift.Y, 50, 16);
        platform::DrawFormattedText(image, font, QColor(ColorR(color), ColorG(color), ColorB(color)),
                                    QStringLiteral("Ab"), place, flags);
        return bmp;
    }
    TBitmap32 Written(bool enabled, bool hot) {
        TBitmap32 bmp(60, 24, 0xFFFFFFFFu);
        TTextCanvas canvas{bmp, font, MakeColor(0, 0, 200)};
        WriteElementText(canvas, QStringLiteral("Ab"), enabled, hot, data, platform::tfSingleLine,
                         TRect{4, 4, 54, 20});
        return bmp;
    }

    std::unique_ptr<TsSkinManager> manager;
    TsCommonData data;
    QFont font;
};

TEST_F(ElementTextTest, ContourColoursOfMinusOneDrawNothing) {
    data.SkinIndex = manager->GetSkinIndex(QStringLiteral("PLAIN"));
    // The enabled text itself is not clipped to its rectangle (a glyph may reach past its edge).
    EXPECT_TRUE(test::SameBitmap(Written(true, false), Plain(clBlack, {}, platform::tfSingleLine | platform::tfNoClip)));
}

TEST_F(ElementTextTest, LeftContourIsDrawnOnePixelLeftBeforeTheText) {
    data.SkinIndex = manager->GetSkinIndex(QStringLiteral("LABEL"));
    TBitmap32 expected = Plain(0x0000FF, TPoint{-1, 0});
    QImage image = WrapBitmap(expected);
    QRect place(4, 4, 50, 16);
    platform::DrawFormattedText(image, font, Qt::black, QStringLiteral("Ab"), place,
                                platform::tfSingleLine | platform::tfNoClip);
    EXPECT_TRUE(test::SameBitmap(Written(true, false), expected));
}

TEST_F(ElementTextTest, DisabledSkinnedTextIsDrawnOnceWithoutContours) {
    data.SkinIndex = manager->GetSkinIndex(QStringLiteral("LABEL"));
    EXPECT_TRUE(test::SameBitmap(Written(false, false), Plain(clBlack)));
}

TEST_F(ElementTextTest, HotFlagTakesTheHotSetAndItsGlowGoesIntoTheCache) {
    data.SkinIndex = manager->GetSkinIndex(QStringLiteral("LABEL"));
    data.FCacheBmp = std::make_unique<TBitmap32>(60, 24, 0xFFFFFFFFu);
    TTextCanvas canvas{*data.FCacheBmp, font, clBlack};
    WriteElementText(canvas, QStringLiteral("Ab"), true, true, data, platform::tfSingleLine,
                     TRect{4, 4, 54, 20});
    bool blue = false, green = false;
    for (const TPixel32 p : data.FCacheBmp->Pixels()) {
        blue |= p == 0xFF0000FFu;                                 // hot font colour 0xFF0000 = blue
        green |= PixelG(p) > 0 && PixelR(p) == PixelB(p) && PixelG(p) > PixelR(p);  // green halo
    }
    EXPECT_TRUE(blue);
    EXPECT_TRUE(green);
}

TEST_F(ElementTextTest, UnskinnedDisabledTextIsEmbossed) {
    data.SkinIndex = -1;
    TBitmap32 expected = Plain(ColorToRGB(SystemColor(20)), TPoint{1, 1});
    QImage image = WrapBitmap(expected);
    QRect place(4, 4, 50, 16);
    const TColor shadow = ColorToRGB(SystemColor(16));
    platform::DrawFormattedText(image, font, QColor(ColorR(shadow), ColorG(shadow), ColorB(shadow)),
                                QStringLiteral("Ab"), place, platform::tfSingleLine);
    EXPECT_TRUE(test::SameBitmap(Written(false, false), expected));
    EXPECT_TRUE(test::SameBitmap(Written(true, false), Plain(MakeColor(0, 0, 200))));
}

TEST_F(ElementTextTest, EmptyTextDrawsNothing) {
    data.SkinIndex = manager->GetSkinIndex(QStringLiteral("LABEL"));
    TBitmap32 bmp(10, 10, 0xFFFFFFFFu);
    TTextCanvas canvas{bmp, font, clBlack};
    WriteElementText(canvas, QString(), true, true, data, 0, TRect{0, 0, 10, 10});
    EXPECT_TRUE(test::SameBitmap(bmp, TBitmap32(10, 10, 0xFFFFFFFFu)));
}

// A parent that answers background queries from its cache.
class CachedParent : public QObject {
public:
    TBitmap32 Cache{8, 8, 0xFF123456u};
    int Color = 0;
    bool event(QEvent* e) override {
        if (!IsSkinCommand(e)) return QObject::event(e);
        auto* command = static_cast<TSkinCommandEvent*>(e);
        if (command->Command() == scGetBackground && Color == 0) {
            auto* query = command->LParamAs<BackgroundQuery>();
            query->Kind = bkCache;
            query->Bmp = &Cache;
            query->Offset = TPoint{};
        } else if (command->Command() == scGetControlColor) {
            command->SetResult(Color);
        }
        return true;
    }
};

TEST(QueryParentBackground, TakesTheParentsAnswer) {
    CachedParent parent;
    BackgroundQuery query;
    query.Bmp = &parent.Cache;
    query.FillRect = TRect{1, 1, 1, 1};
    QueryParentBackground(query, &parent, false);
    EXPECT_EQ(query.Kind, bkCache);
    EXPECT_EQ(query.Bmp, &parent.Cache);
    const BackgroundSource source = BackgroundSourceFromQuery(query);
    EXPECT_TRUE(source.HasBitmapBackground());
    EXPECT_EQ(source.Color, clFuchsia);
}

TEST(QueryParentBackground, SilentParentGivesItsControlColourOrItsOwnColour) {
    CachedParent parent;
    parent.Color = MakeColor(9, 8, 7);
    BackgroundQuery query;
    QueryParentBackground(query, &parent, false);
    EXPECT_EQ(query.Kind, bkFill);
    EXPECT_EQ(query.Color, MakeColor(9, 8, 7));

    QObject plain;
    SetBackgroundFallbacks({nullptr, [](QObject*) { return MakeColor(1, 1, 1); }});
    QueryParentBackground(query, &plain, false);
    EXPECT_EQ(query.Kind, bkFill);
    EXPECT_EQ(query.Color, MakeColor(1, 1, 1));
    SetBackgroundFallbacks({});
    QueryParentBackground(query, nullptr, false);
    EXPECT_EQ(query.Kind, bkFill);
    EXPECT_EQ(query.Color, ColorToRGB(SystemColor(COLOR_BTNFACE)));
}

TEST(QueryParentBackground, WindowVariantFallsBackToTheSkinsGlobalColour) {
    QImage master(4, 4, QImage::Format_RGB32);
    master.fill(Qt::gray);
    const auto manager = test::LoadTestSkin("[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\nCOLOR=4660\n", master);
    QObject window;
    BackgroundQuery query;
    QueryParentWindowBackground(query, &window, false, manager.get());
    EXPECT_EQ(query.Kind, bkFill);
    EXPECT_EQ(query.Color, 4660);
}

}  // namespace
}  // namespace tornivex::paint
