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

// The label: caption, size, left, top.
std::tuple<std::string, double, int, int> Etichetta(const BannerMarquee& b) {
    return {b.Caption, b.FontSize, b.Left, b.Top};
}
// The band shown, Timer1 and Timer2 on.
std::array<bool, 3> Stato(const BannerMarquee& b) {
    return {b.BandaVisibile, b.Timer1Enabled, b.Timer2Enabled};
}

TEST(Banner, UnCicloCompletoTickPerTick) {
    MisureFinte misure;
    BannerMarquee banner;
    banner.Timer1Enabled = true;
    for (int tick = 1; tick <= 2; ++tick) {
        banner.Timer1Tick(misure);
        EXPECT_EQ(banner.BannerTicks, tick);
        EXPECT_EQ(Etichetta(banner), std::tuple(" ", 8, 0, 0));
    }
    // The band widens to 1000 after the tenth letter: the text follows at the next tick.
    const std::string indirizzo = "WWW.RUOTARIO.EXAMPLE";
    for (std::size_t lettere = 1; lettere <= indirizzo.size(); ++lettere) {
        banner.Timer1Tick(misure);
        if (lettere == 10) misure.larghezza = 1000;
        EXPECT_EQ(Etichetta(banner),
                  std::tuple(indirizzo.substr(0, lettere), 36, lettere <= 10 ? 200 : 250, 18));
        EXPECT_EQ(banner.Colore, (Rgb{192, 192, 0}));
        EXPECT_EQ(Stato(banner), (std::array{true, true, false}));
    }
    // The whole address stays one tick, then the slogan phase takes over.
    banner.Timer1Tick(misure);
    EXPECT_EQ(std::tuple(banner.Caption, banner.FontSize, banner.BannerTicks),
              std::tuple("", 8, 0));
    EXPECT_EQ(Stato(banner), (std::array{true, false, true}));

    // 32 characters centred in the band, growing for six ticks, then held.
    const std::pair<double, int> crescita[] = {{9, 356},  {11, 324}, {14, 276},
                                               {18, 212}, {23, 132}, {29, 36}};
    for (auto [punti, left] : crescita) {
        banner.Timer2Tick(misure);
        EXPECT_EQ(Etichetta(banner),
                  std::tuple("I migliori Software per il Lotto", punti, left, 0));
        EXPECT_EQ(banner.Colore, (Rgb{0, 192, 0}));
    }
    for (int tick = 7; tick <= 20; ++tick) {
        banner.Timer2Tick(misure);
        EXPECT_EQ(Etichetta(banner), std::tuple("I migliori Software per il Lotto", 29, 36, 0));
        EXPECT_EQ(Stato(banner), (std::array{true, false, true}));
    }
    // Thirteen blanks centred in the window, the band hidden, both timers off.
    banner.Timer2Tick(misure);
    EXPECT_EQ(Etichetta(banner), std::tuple(std::string(13, ' '), 36, 176, 0));
    EXPECT_EQ(std::pair(banner.BannerTicks, banner.BannerChars), std::pair(0L, 0L));
    EXPECT_EQ(Stato(banner), (std::array{false, false, false}));
}

TEST(Banner, Timer1AccesoDuranteLoSloganAspettaLaFine) {
    MisureFinte misure;
    BannerMarquee banner;
    banner.Timer1Enabled = true;
    while (!banner.Timer2Enabled)
        banner.Timer1Tick(misure);
    for (int tick = 0; tick < 4; ++tick)
        banner.Timer2Tick(misure);

    banner.Timer1Enabled = true;  // another window switches it on
    banner.Timer1Tick(misure);
    EXPECT_EQ(std::pair(banner.BannerTicks, banner.FontSize), std::pair(4L, 18.0));
    for (int tick = 5; tick <= 21; ++tick)
        banner.Timer2Tick(misure);
    EXPECT_EQ(Stato(banner), (std::array{false, true, false}));
    banner.Timer1Tick(misure);
    banner.Timer1Tick(misure);
    EXPECT_FALSE(banner.BandaVisibile);
    banner.Timer1Tick(misure);
    EXPECT_EQ(banner.Caption, "W");
    EXPECT_TRUE(banner.BandaVisibile);
}

}  // namespace
}  // namespace ruotario
