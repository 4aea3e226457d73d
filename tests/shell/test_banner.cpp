#include <gtest/gtest.h>

#include "shell/banner.h"

namespace ruotario {
namespace {

using Rgb = std::array<int, 3>;

// A band 800 wide and 72 high in a window 820 wide; every character of the
// label is as wide as its point size, and the label as high.
struct MisureFinte : MisureBanner {
    int larghezza = 800;
    int LarghezzaFrame() const override { return larghezza; }
    int AltezzaFrame() const override { return 72; }
    int LarghezzaPrincipale() const override { return 820; }
    int LarghezzaEtichetta(double punti, const std::string& testo) const override {
        return static_cast<int>(punti * static_cast<double>(testo.size()));
    }
    int AltezzaEtichetta(double punti, const std::string&) const override {
        return static_cast<int>(punti);
    }
};

// Ticks; the label's caption, size, left, top and colour; the band shown,
// Timer1 and Timer2 on.
auto Stato(const BannerMarquee& b) {
    return std::tuple(b.BannerTicks, b.Caption, b.FontSize, b.Left, b.Top, b.Colore,
                      b.BandaVisibile, b.Timer1Enabled, b.Timer2Enabled);
}

TEST(Banner, UnCicloCompletoTickPerTick) {
    const std::string indirizzo = "WWW.RUOTARIO.EXAMPLE",
                      slogan = "I migliori Software per il Lotto";
    MisureFinte misure;
    BannerMarquee b;
    b.Timer1Enabled = true;
    for (long tick = 1; tick <= 2; ++tick) {
        b.Timer1Tick(misure);
        EXPECT_EQ(Stato(b), std::tuple(tick, " ", 8, 0, 0, Rgb{}, true, true, false));
    }
    // The band widens to 1000 after the tenth letter: the text follows at the next tick.
    for (long lettere = 1; lettere <= 20; ++lettere) {
        b.Timer1Tick(misure);
        if (lettere == 10) misure.larghezza = 1000;
        EXPECT_EQ(Stato(b),
                  std::tuple(2 + lettere, indirizzo.substr(0, lettere), 36,
                             lettere <= 10 ? 200 : 250, 18, Rgb{192, 192, 0}, true, true, false));
    }
    // The whole address stays one tick, then the slogan phase takes over.
    b.Timer1Tick(misure);
    EXPECT_EQ(Stato(b), std::tuple(0L, "", 8, 250, 18, Rgb{192, 192, 0}, true, false, true));

    // 32 characters centred in the band, growing for six ticks, then held.
    // Timer1, switched on by another window at the fourth, waits for the end.
    const std::pair<double, int> crescita[] = {{9, 356},  {11, 324}, {14, 276},
                                               {18, 212}, {23, 132}, {29, 36}};
    for (long tick = 1; tick <= 20; ++tick) {
        b.Timer2Tick(misure);
        const auto [punti, left] = crescita[std::min(tick, 6L) - 1];
        EXPECT_EQ(Stato(b),
                  std::tuple(tick, slogan, punti, left, 0, Rgb{0, 192, 0}, true, tick > 4, true));
        if (tick == 4) {
            b.Timer1Enabled = true;
            b.Timer1Tick(misure);
        }
    }
    // Thirteen blanks centred in the window, the band hidden, Timer2 off.
    b.Timer2Tick(misure);
    EXPECT_EQ(Stato(b),
              std::tuple(0L, std::string(13, ' '), 36, 176, 0, Rgb{0, 192, 0}, false, true, false));
    EXPECT_EQ(b.BannerChars, 0);
    // Timer1 starts over: two idle ticks, then the first letter in the band.
    b.Timer1Tick(misure);
    b.Timer1Tick(misure);
    EXPECT_FALSE(b.BandaVisibile);
    b.Timer1Tick(misure);
    EXPECT_EQ(std::pair(b.Caption, b.BandaVisibile), std::pair(std::string("W"), true));
}

}  // namespace
}  // namespace ruotario
