// tornivex-skinforge: draws the images of one internal skin and packs them behind its
// hand-written options text into a skin package. Run by the build (skins/CMakeLists.txt).
#include "ForgedSkin.h"

#include "SkinError.h"
#include "SkinPackage.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

using namespace tornivex;

constexpr char Usage[] =
    "usage: tornivex-skinforge --skin aluminium|topaz --options OPTIONS.DAT --out PACKAGE.asz\n"
    "                          [--preview DIR]\n"
    "Draws the images of an internal skin, packs them after the options text into PACKAGE.asz\n"
    "and, with --preview, writes every image as a PNG into DIR for looking at.\n";

struct Arguments {
    QString Skin, Options, Out, Preview;
};

bool Parse(const QStringList& args, Arguments& out) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h" || i + 1 >= args.size()) return false;
        const QString value = args[++i];
        if (a == "--skin") out.Skin = value;
        else if (a == "--options") out.Options = value;
        else if (a == "--out") out.Out = value;
        else if (a == "--preview") out.Preview = value;
        else return false;
    }
    return !out.Skin.isEmpty() && !out.Options.isEmpty() && !out.Out.isEmpty();
}

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void WriteWhole(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

int Run(const Arguments& args) {
    const forge::ForgedSkin skin = args.Skin == "aluminium" ? forge::ForgeAluminium()
                                   : args.Skin == "topaz"   ? forge::ForgeTopaz()
                                   : throw std::runtime_error("unknown skin " +
                                                              args.Skin.toStdString());
    std::vector<TSkinPackageEntry> entries{{OptionsEntryName, ReadWhole(args.Options)}};
    for (const forge::ForgedImage& image : skin.Images) entries.push_back({image.Name, image.Bytes});
    WriteWhole(args.Out, WriteSkinPackage(entries));
    if (!args.Preview.isEmpty()) {
        QDir().mkpath(args.Preview);
        for (const forge::ForgedImage& image : skin.Images)
            image.Preview.save(QDir(args.Preview).filePath(image.Name + ".png"));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    Arguments args;
    if (!Parse(QCoreApplication::arguments(), args)) {
        std::fputs(Usage, stderr);
        return 2;
    }
    try {
        return Run(args);
    } catch (const ESkinError& e) {
        std::fprintf(stderr, "tornivex-skinforge: %s\n", qUtf8Printable(e.Message()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tornivex-skinforge: %s\n", e.what());
    }
    return 1;
}
