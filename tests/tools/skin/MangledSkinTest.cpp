// `check` on damaged skins: whatever the options text or the images hold, it reports and never
// crashes. A small, repeatable mutation run over the real Aluminium skin.
#include "SkinLint.h"
#include "SkinSource.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tornivex::skintool {
namespace {

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : state_(seed) {}
    std::uint32_t Next(std::uint32_t bound) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ % bound;
    }

    void Mutate(QByteArray& text) {
        const auto at = qsizetype(Next(std::uint32_t(text.size())));
        switch (Next(5)) {
        case 0: text[at] = 'X'; break;                                    // a digit becomes a letter
        case 1: text.truncate(at); break;                                 // cut short
        case 2: text.remove(at, qMin<qsizetype>(40, text.size() - at)); break; // lose a piece
        case 3: text.insert(at, "\r\n[BUTTON]\r\nPARENTCLASS=BUTTON_HUGE\r\n"); break;
        default: text.insert(at, "^9999^9999^0000^0000"); break;           // rectangle out of range
        }
    }

private:
    std::uint32_t state_;
};

TEST(MangledSkins, CheckReportsAndNeverCrashes) {
    const OpenedSkin original = OpenSkin("Aluminium (internal)");
    int withErrors = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        OpenedSkin skin = original;
        Mutator m(seed);
        for (int n = 0; n < 3; ++n) m.Mutate(skin.Entries.front().Data);
        if (seed % 4 == 0) skin.Entries[2].Data.truncate(skin.Entries[2].Data.size() / 3); // Master.bmp
        const auto problems = CheckSkin(skin);
        for (const SkinProblem& p : problems) EXPECT_FALSE(p.Message.isEmpty()) << seed;
        withErrors += std::any_of(problems.begin(), problems.end(), [](const SkinProblem& p) { return p.IsError; });
    }
    EXPECT_GT(withErrors, 0); // the damage is noticed
}

} // namespace
} // namespace tornivex::skintool
