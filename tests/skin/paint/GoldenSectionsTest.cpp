// Golden pictures of every section of both internal skins in states 0, 1 and 2, painted at a
// standard size over the skin's global colour and compared pixel for pixel. Refresh them on
// purpose with golden/refresh.sh after a deliberate change of the art or the painting.
#include "PaintTestSupport.h"

#include "InternalSkins.h"
#include "skin/paint/SectionPreview.h"

#include "skin/data/sSkinManager.h"

#include <QDir>
#include <QImage>

#include <cstdlib>

namespace tornivex::paint {
namespace {

constexpr int CellWidth = 64, CellHeight = 32, Gap = 2, States = 3;

QString GoldenDir() {
    const QByteArray root = qgetenv("TORNIVEX_SOURCE_DIR");
    return root.isEmpty() ? QStringLiteral("skin/paint/golden")
                          : QString::fromLocal8Bit(root) + QStringLiteral("/tests/skin/paint/golden");
}

QString FileIdOf(const QString& skinName) {
    return skinName.section(QLatin1Char(' '), 0, 0).toLower() + QStringLiteral("-sections.png");
}

struct Sheet {
    QImage Image;
    QStringList Sections;  // one row each
};

Sheet PaintSheet(const TsSkinManager& manager) {
    Sheet sheet;
    for (const QString& name : manager.GetSkinSections())
        if (name != QLatin1String("GLOBALINFO")) sheet.Sections << name;
    sheet.Image = QImage(States * (CellWidth + Gap), int(sheet.Sections.size()) * (CellHeight + Gap),
                         QImage::Format_RGB32);
    sheet.Image.fill(Qt::black);
    for (int row = 0; row < sheet.Sections.size(); ++row)
        for (int state = 0; state < States; ++state) {
            TSectionPreview preview;
            preview.Section = sheet.Sections[row];
            preview.State = state;
            preview.Width = CellWidth;
            preview.Height = CellHeight;
            const auto painted = RenderSectionPreview(manager, preview);
            if (!painted) continue;
            const QImage cell = BitmapToImage(*painted);
            for (int y = 0; y < CellHeight; ++y)
                for (int x = 0; x < CellWidth; ++x)
                    sheet.Image.setPixel(state * (CellWidth + Gap) + x, row * (CellHeight + Gap) + y,
                                         cell.pixel(x, y));
        }
    return sheet;
}

TEST(GoldenSections, EverySectionOfBothSkinsPaintsAsItsGoldenPicture) {
    const bool refresh = qEnvironmentVariableIsSet("TORNIVEX_UPDATE_GOLDEN");
    const auto packages = InternalSkinPackages();
    ASSERT_EQ(packages.size(), 2u);
    for (const InternalSkinPackage& package : packages) {
        SCOPED_TRACE(package.Name.toStdString());
        TsSkinManager manager;
        for (const InternalSkinPackage& p : packages) manager.InternalSkins().Add(p.Name, p.Data);
        manager.SetSkinName(package.Name);
        ASSERT_EQ(manager.SkinName(), package.Name);
        const Sheet sheet = PaintSheet(manager);
        ASSERT_GT(sheet.Sections.size(), 10);
        const QString file = GoldenDir() + QLatin1Char('/') + FileIdOf(package.Name);
        if (refresh) {
            ASSERT_TRUE(sheet.Image.save(file, "PNG")) << file.toStdString();
            continue;
        }
        const QImage golden = QImage(file).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(golden.isNull()) << "missing golden picture " << file.toStdString()
                                      << " (run tests/skin/paint/golden/refresh.sh)";
        const QString actual = QDir::temp().filePath(QStringLiteral("actual-") + FileIdOf(package.Name));
        if (golden.size() != sheet.Image.size()) {
            sheet.Image.save(actual, "PNG");
            FAIL() << "golden picture has another size (sections added or removed?); actual in "
                   << actual.toStdString();
        }
        for (int y = 0; y < golden.height(); ++y)
            for (int x = 0; x < golden.width(); ++x)
                if ((golden.pixel(x, y) & 0xFFFFFF) != (sheet.Image.pixel(x, y) & 0xFFFFFF)) {
                    sheet.Image.save(actual, "PNG");
                    const int row = y / (CellHeight + Gap), state = x / (CellWidth + Gap);
                    FAIL() << "section " << sheet.Sections.value(row).toStdString() << " state " << state
                           << " differs at (" << x % (CellWidth + Gap) << ", " << y % (CellHeight + Gap)
                           << "); actual in " << actual.toStdString();
                }
    }
}

}  // namespace
}  // namespace tornivex::paint
