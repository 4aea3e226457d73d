// The banner's state machine on the main window's band, tick by tick, with
// label sizes made up so every position can be worked out by hand.
#include <gtest/gtest.h>

#include "shell/banner.h"

namespace ruotario {
namespace {

using Rgb = std::array<int, 3>;

// A band 1000 wide and 72 high in a window 820 wide; every character of the
// label is as wide as its point size, and the label as high.
struct MisureFinte : MisureBanner {
    int LarghezzaFrame() const override { return 1000; }
    int AltezzaFrame() const override { return 72; }
    int LarghezzaPrincipale() const override { return 820; }
    int LarghezzaEtichetta(double p, const std::string& t) const override { return p * t.size(); }
    int AltezzaEtichetta(double p, const std::string&) const override { return p; }
};

// Ticks; the label's caption, size, left, top and colour; the band shown,
// Timer1 and Timer2 on.
auto Stato(const BannerMarquee& b) {
    return std::tuple(b.BannerTicks, b.Caption, b.FontSize, b.Left, b.Top, b.Colore,
                      b.BandaVisibile, b.Timer1Enabled, b.Timer2Enabled);
}

// Two idle ticks, then the address a letter a tick, a quarter into the band
// and centred in its height; whole, it stays one tick, then the slogan phase
// takes over: 32 characters centred in the band, growing for six ticks, then
// held until the 21st, when thirteen blanks are centred in the window, the
// band hidden and Timer2 off. Timer1, switched on by another window during
// the slogan, waits for the end.
TEST(Banner, UnCicloCompletoTickPerTick) {
    const std::string sito = "WWW.RUOTARIO.EXAMPLE", slogan = "I migliori Software per il Lotto";
    const MisureFinte misure;
    BannerMarquee b;
    for (long tick = 1; tick <= 22; ++tick) {
        b.Timer1Tick(misure);
        EXPECT_EQ(Stato(b), tick <= 2 ? std::tuple(tick, std::string(" "), 8.0, 0, 0, Rgb{}, true,
                                                   false, false)
                                      : std::tuple(tick, sito.substr(0, tick - 2), 36.0, 250, 18,
                                                   Rgb{192, 192, 0}, true, false, false));
    }
    b.Timer1Tick(misure);
    EXPECT_EQ(Stato(b), std::tuple(0L, "", 8, 250, 18, Rgb{192, 192, 0}, true, false, true));
    const int punti[] = {9, 11, 14, 18, 23, 29}, left[] = {356, 324, 276, 212, 132, 36};
    for (long tick = 1; tick <= 20; ++tick) {
        b.Timer2Tick(misure);
        const long g = std::min(tick, 6L) - 1;
        EXPECT_EQ(Stato(b), std::tuple(tick, slogan, punti[g], left[g], 0, Rgb{0, 192, 0}, true,
                                       tick > 4, true));
        b.Timer1Enabled = tick >= 4;
        b.Timer1Tick(misure);
    }
    b.Timer2Tick(misure);
    EXPECT_EQ(Stato(b),
              std::tuple(0L, std::string(13, ' '), 36, 176, 0, Rgb{0, 192, 0}, false, true, false));
    EXPECT_EQ(b.BannerChars, 0);
}

}  // namespace
}  // namespace ruotario
