// Skins built to be slow or large, loaded as the program loads a skin: the options text checked
// against the skin limits, then the tables built from Aluminium's images. Each is either refused
// (a limit) or loaded; the time is for either outcome. The same skins as unpacked skin folders
// are also checked as `tornivex-skin check` checks them, and loaded as the program loads an
// external skin: the check first, then the manager's load from the folder. Peak resident memory
// of the whole run is printed at the end. Run: build/bench/skindata/bench_hostile_skins
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "InternalSkins.h"
#include "SkinLint.h"
#include "SkinSource.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"

namespace tornivex {
namespace {

const TacSkinConvertor& Aluminium() {
    static const TacSkinConvertor convertor = [] {
        TacSkinConvertor c;
        for (const InternalSkinPackage& package : InternalSkinPackages())
            if (package.Name == QLatin1String("Aluminium (internal)")) ReadSkinPackage(c, package.Data);
        if (!c.Options) throw std::runtime_error("no internal skin named Aluminium");
        return c;
    }();
    return convertor;
}

// Every `chainLength`-th section starts a chain at BUTTON; the others name the one before.
QByteArray Chains(int sections, int chainLength) {
    QByteArray text;
    for (int i = 0; i < sections; ++i) {
        text += "[S" + QByteArray::number(i) + "]\nSTATES=2\nCOLOR=255\nBORDERSMASK=0\n";
        text += i % chainLength == 0 ? QByteArray("PARENTCLASS=BUTTON\n")
                                     : "PARENTCLASS=S" + QByteArray::number(i - 1) + "\n";
    }
    return text;
}

QByteArray Patterns(int sections) {
    QByteArray text;
    for (int i = 0; i < sections; ++i)
        text += "[F" + QByteArray::number(i) + "]\nSTATES=2\nPATTERN=~0000~0110~0222~0190~00~0\n";
    return text;
}

QByteArray HostileOptions(int kind) {
    const QByteArray base = *Aluminium().Options;
    switch (kind) {
    case 0: return base + Chains(3000, 3000);
    case 1: return base + Chains(30000, 10);
    case 2: return base + Patterns(100000);
    default: return base + "[LONG]\nCOLOR=" + QByteArray(50 * 1024 * 1024, '7') + "\n";
    }
}

void BM_HostileSkin(benchmark::State& state) {
    static const char* names[] = {"one 3000-deep chain", "30000 sections, chains 10 deep",
                                  "100000 PATTERN sections", "50 MB on one line"};
    const QByteArray options = HostileOptions(int(state.range(0)));
    bool refused = false;
    for (auto _ : state) {
        try {
            TSkinLoader loader(ParseSkinOptionsWithinLimits(options),
                               TSkinImageSource{&Aluminium(), QString()}, TSkinLoadSettings{});
            benchmark::DoNotOptimize(loader.Load());
            refused = false;
        } catch (const ESkinError&) {
            refused = true;
        }
    }
    state.SetLabel(std::string(names[state.range(0)]) + (refused ? ": refused" : ": loaded"));
}

BENCHMARK(BM_HostileSkin)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

// Aluminium's files with the options text of `kind`, as an unpacked skin folder.
class HostileSkinFolder {
public:
    explicit HostileSkinFolder(int kind) {
        Write(QStringLiteral("Options.dat"), HostileOptions(kind));
        for (const TacImageItem& image : Aluminium().Files) Write(image.FileName, image.FileStream);
    }
    QString Path() const { return dir_.path() + QStringLiteral("/hostile"); }

private:
    void Write(const QString& name, const QByteArray& data) const {
        QFile file(Path() + u'/' + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            throw std::runtime_error("cannot write the skin folder");
    }

    QTemporaryDir dir_;
    bool made_ = QDir().mkpath(dir_.path() + QStringLiteral("/hostile"));
};

// What TsSkinManager::LoadFromOptions does with a skin folder: the options text read and parsed
// within the limits, the tables built with the images read from the folder.
void LoadLikeTheManager(const QString& folder) {
    QFile file(folder + QStringLiteral("/Options.dat"));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read Options.dat");
    TSkinLoader loader(ParseSkinOptionsWithinLimits(file.readAll()), TSkinImageSource{nullptr, folder + u'/'},
                       TSkinLoadSettings{});
    benchmark::DoNotOptimize(loader.Load());
}

// `tornivex-skin check` of the skin folder: opened, then checked (the check loads it too).
void BM_CheckHostileSkin(benchmark::State& state) {
    const HostileSkinFolder folder(int(state.range(0)));
    std::size_t problems = 0;
    for (auto _ : state) problems = CheckSkin(OpenSkin(folder.Path())).size();
    state.SetLabel(std::to_string(problems) + (problems == 1 ? " problem" : " problems"));
}

// The program choosing the skin folder (TSkinSwitcher::LoadExternal): opened and checked, then,
// when the check finds no error, loaded by the manager.
void BM_LoadExternalHostileSkin(benchmark::State& state) {
    const HostileSkinFolder folder(int(state.range(0)));
    bool loaded = false;
    for (auto _ : state) {
        const std::vector<SkinProblem> problems = CheckSkin(OpenSkin(folder.Path()));
        loaded = std::none_of(problems.begin(), problems.end(), [](const SkinProblem& p) { return p.IsError; });
        if (loaded) LoadLikeTheManager(folder.Path());
    }
    state.SetLabel(loaded ? "checked and loaded" : "refused by the check");
}

// The 30,000 sections in 10-deep chains at a quarter, a half and the whole, to show the growth.
QByteArray ChainsOnly(int sections) { return *Aluminium().Options + Chains(sections, 10); }

void BM_CheckChains(benchmark::State& state) {
    OpenedSkin skin;
    skin.Name = QStringLiteral("chains");
    skin.Kind = SkinKind::Directory;
    skin.Entries.push_back({QStringLiteral("Options.dat"), ChainsOnly(int(state.range(0)))});
    for (const TacImageItem& image : Aluminium().Files) skin.Entries.push_back({image.FileName, image.FileStream});
    for (auto _ : state) benchmark::DoNotOptimize(CheckSkin(skin));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_CheckHostileSkin)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadExternalHostileSkin)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CheckChains)->Arg(7500)->Arg(15000)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(3)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace tornivex

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
