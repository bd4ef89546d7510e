// The windows on a scaled screen. This program runs once per ratio (QT_SCALE_FACTOR 1, 1.5 and 2,
// see CMakeLists.txt): the pictures are compared with golden images of that ratio, the caption
// must be drawn at the device's resolution, and the cut corners must be transparent on the
// device grid. It runs once more on two screens of ratios 1 and 2, for a window moved between
// them.
#include "WindowTestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <QBackingStore>
#include <QTest>
#include <QTimer>

#include "sSkinProvider.h"
#include "skin/paint/DevicePixels.h"

namespace tornivex::testing {
namespace {

using paint::DeviceEdge;

class ScaledWindowTest : public WindowTest {
protected:
    static double Ratio() { return qApp->devicePixelRatio(); }

    static QString GoldenName(const char* name) {
        const double ratio = Ratio();
        return ratio == 1.0 ? QString::fromLatin1(name)
                            : QStringLiteral("%1-x%2").arg(QLatin1String(name)).arg(ratio);
    }

    // The window's own back buffer as the platform shows it, painted with its mask lifted: the
    // cut pixels must come out transparent without a mask's help (Wayland). A back buffer
    // without alpha keeps a transparent pixel as black.
    static void ExpectCutCornersTransparent(QWidget& window, const TsSkinProvider& provider) {
        EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
        const QRegion mask = window.mask();
        window.clearMask();
        window.repaint();
        QPaintDevice* buffer = window.backingStore()->paintDevice();
        ASSERT_EQ(buffer->devType(), QInternal::Image);
        const QImage image = *static_cast<QImage*>(buffer);
        window.setMask(mask);
        const double ratio = window.devicePixelRatioF();
        ASSERT_EQ(image.width(), DeviceEdge(window.width(), ratio));
        const auto transparent = [&](QRgb p) {
            return qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0 && (!image.hasAlphaChannel() || qAlpha(p) == 0);
        };
        ASSERT_FALSE(provider.ArOR().empty());
        for (const TRect& cut : provider.ArOR()) {
            const TRect d = paint::DeviceRect(cut, ratio);
            for (int y = d.Top; y < d.Bottom; ++y) {
                for (int x = d.Left; x < d.Right; ++x) ASSERT_TRUE(transparent(image.pixel(x, y))) << x << "," << y;
                // The device pixel just inside the cut run is the frame, fully opaque.
                const int inside = cut.Left == 0 ? d.Right : d.Left - 1;
                ASSERT_FALSE(transparent(image.pixel(inside, y))) << inside << "," << y;
                ASSERT_EQ(qAlpha(image.pixel(inside, y)), 255) << inside << "," << y;
            }
        }
    }

    // Device blocks (of the logical pixels in `logical`) that are not one colour: a picture
    // rendered in logical pixels and enlarged has none.
    static int MixedBlocks(const QImage& image, const TRect& logical) {
        const double ratio = image.devicePixelRatio();
        int mixed = 0;
        for (int y = logical.Top; y < logical.Bottom; ++y) {
            for (int x = logical.Left; x < logical.Right; ++x) {
                const QRgb first = image.pixel(DeviceEdge(x, ratio), DeviceEdge(y, ratio));
                bool uniform = true;
                for (int dy = DeviceEdge(y, ratio); dy < DeviceEdge(y + 1, ratio); ++dy)
                    for (int dx = DeviceEdge(x, ratio); dx < DeviceEdge(x + 1, ratio); ++dx)
                        uniform = uniform && image.pixel(dx, dy) == first;
                mixed += uniform ? 0 : 1;
            }
        }
        return mixed;
    }
};

TEST_F(ScaledWindowTest, GoldenImagesOfBothWindowsAtTheRatio) {
    ShowMainWindow();
    const QImage main = form1->grab().toImage();
    ASSERT_EQ(main.width(), DeviceEdge(541, Ratio()));
    ExpectMatchesGolden(main, GoldenName("main-window"));
    bool ran = false;
    QTimer::singleShot(0, form2.get(), [&] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form2.get()));
        ExpectMatchesGolden(form2->grab().toImage(), GoldenName("about-dialog"));
        ExpectCutCornersTransparent(*form2, *TsSkinProvider::Of(form2.get()));
        ran = true;
        form2->done(0);
    });
    QTest::mouseClick(form1->sButton2, Qt::LeftButton);
    EXPECT_TRUE(ran);
}

TEST_F(ScaledWindowTest, CutCornersAreTransparentOnTheDeviceGrid) {
    ShowMainWindow();
    ExpectCutCornersTransparent(*form1, *TsSkinProvider::Of(form1.get()));
}

TEST_F(ScaledWindowTest, CaptionsAreDrawnAtTheDeviceResolution) {
    if (Ratio() == 1.0) GTEST_SKIP() << "nothing is enlarged at ratio 1";
    ShowMainWindow();
    const QImage main = form1->grab().toImage();
    // The caption "4th Axis Tornivex" sits left in the title strip.
    EXPECT_GT(MixedBlocks(main, TRect{8, 6, 130, 22}), 50);
    // So does a button's caption.
    const QRect button(form1->sButton1->mapTo(form1.get(), QPoint()), form1->sButton1->size());
    EXPECT_GT(MixedBlocks(main, TRect{button.left(), button.top(), button.right(), button.bottom()}), 50);
}

// The pointer over a device pixel is over the logical pixel drawn there: the last device column
// of a button is the button's, the column before its first is not, and the same holds for the
// title strip's close button.
TEST_F(ScaledWindowTest, ThePointerHitsWhatIsDrawnUnderIt) {
    ShowMainWindow();
    QWindow* window = form1->windowHandle();
    const double r = Ratio();
    // A pointer over device pixel (dx, dy) of the window, as the platform reports it.
    const auto moveTo = [&](int dx, int dy) {
        const QPointF at(dx / r, dy / r);
        QMouseEvent move(QEvent::MouseMove, at, at, window->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &move);
    };
    const QRect button(form1->sButton1->mapTo(form1.get(), QPoint()), form1->sButton1->size());
    const int middle = DeviceEdge(button.center().y(), r);
    moveTo(DeviceEdge(300, r), DeviceEdge(100, r));  // into the window first
    moveTo(DeviceEdge(button.right() + 1, r) - 1, middle);
    EXPECT_TRUE(form1->sButton1->underMouse());
    moveTo(DeviceEdge(button.left(), r) - 1, middle);
    EXPECT_FALSE(form1->sButton1->underMouse());
    moveTo(DeviceEdge(button.left(), r), middle);
    EXPECT_TRUE(form1->sButton1->underMouse());

    TsSkinProvider& provider = *TsSkinProvider::Of(form1.get());
    const TRect close = provider.ButtonClose().Rect;
    moveTo(DeviceEdge(close.Right, r) - 1, DeviceEdge(close.Bottom, r) - 1);
    EXPECT_EQ(provider.CurrentHT, paint::htClose);
    moveTo(DeviceEdge(close.Left, r) - 1, DeviceEdge(close.Top, r));
    EXPECT_NE(provider.CurrentHT, paint::htClose);
}

TEST_F(ScaledWindowTest, MovingToAScreenOfAnotherRatioRebuildsThePictures) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2) GTEST_SKIP() << "needs two screens";
    ShowMainWindow();
    // The platform keeps the window's device size on the move; the window asks for its own
    // logical size again.
    const auto moveTo = [&](QScreen* screen) {
        form1->windowHandle()->setScreen(screen);
        form1->move(screen->geometry().center() - form1->rect().center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return form1->size() == QSize(541, 206); }));
        ASSERT_EQ(form1->devicePixelRatioF(), screen->devicePixelRatio());
    };
    const TsSkinProvider& provider = *TsSkinProvider::Of(form1.get());
    ASSERT_EQ(form1->devicePixelRatioF(), 1.0);
    // (Text on the ratio-1 screen is hinted as on any scaled desktop, so the picture there is
    // compared with itself rather than with the golden image of an unscaled desktop.)
    const QImage before = form1->grab().toImage();
    moveTo(screens[1]);
    ExpectMatchesGolden(form1->grab().toImage(), QStringLiteral("main-window-x2"));
    ExpectCutCornersTransparent(*form1, provider);
    // Back at ratio 1 nothing is kept for ratio 2.
    moveTo(screens[0]);
    EXPECT_EQ(form1->grab().toImage(), before);
    EXPECT_TRUE(provider.DevicePicture().Empty());
    EXPECT_EQ(form1->sButton1->grab().devicePixelRatio(), 1.0);
}

}  // namespace
}  // namespace tornivex::testing
