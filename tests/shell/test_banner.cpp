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

TEST(Banner, UnCicloCompletoTickPerTick) {
    MisureFinte misure;
    BannerMarquee banner;
    banner.Timer1Enabled = true;
    for (int tick = 1; tick <= 2; ++tick) {
        banner.Timer1Tick(misure);
        EXPECT_EQ(banner.BannerTicks, tick);
        EXPECT_EQ(banner.Caption, " ");
        EXPECT_EQ(banner.FontSize, 8);
    }

    // The band widens to 1000 after the tenth letter: the text follows at the next tick.
    const std::string indirizzo = "WWW.RUOTARIO.EXAMPLE";
    for (std::size_t lettere = 1; lettere <= indirizzo.size(); ++lettere) {
        banner.Timer1Tick(misure);
        if (lettere == 10) misure.larghezza = 1000;
        EXPECT_EQ(banner.Caption, indirizzo.substr(0, lettere));
        EXPECT_EQ(banner.Left, lettere <= 10 ? 200 : 250);
        EXPECT_EQ(banner.Top, 18);
        EXPECT_EQ(banner.FontSize, 36);
        EXPECT_EQ(banner.Colore, (Rgb{192, 192, 0}));
        EXPECT_TRUE(banner.Timer1Enabled);
        EXPECT_FALSE(banner.Timer2Enabled);
    }
    // The whole address stays one tick, then the slogan phase takes over.
    banner.Timer1Tick(misure);
    EXPECT_EQ(banner.Caption, "");
    EXPECT_EQ(banner.FontSize, 8);
    EXPECT_EQ(banner.BannerTicks, 0);
    EXPECT_FALSE(banner.Timer1Enabled);
    EXPECT_TRUE(banner.Timer2Enabled);

    // 32 characters centred in the band.
    const std::pair<double, int> crescita[] = {{9, 356},  {11, 324}, {14, 276},
                                               {18, 212}, {23, 132}, {29, 36}};
    for (auto [punti, left] : crescita) {
        banner.Timer2Tick(misure);
        EXPECT_EQ(banner.Caption, "I migliori Software per il Lotto");
        EXPECT_EQ(banner.FontSize, punti);
        EXPECT_EQ(banner.Left, left);
        EXPECT_EQ(banner.Top, 0);
        EXPECT_EQ(banner.Colore, (Rgb{0, 192, 0}));
    }
    for (int tick = 7; tick <= 20; ++tick) {
        banner.Timer2Tick(misure);
        EXPECT_EQ(banner.FontSize, 29);
        EXPECT_TRUE(banner.BandaVisibile);
        EXPECT_TRUE(banner.Timer2Enabled);
    }
    // Thirteen blanks centred in the window.
    banner.Timer2Tick(misure);
    EXPECT_EQ(banner.Caption, std::string(13, ' '));
    EXPECT_EQ(banner.FontSize, 36);
    EXPECT_EQ(banner.Left, 176);
    EXPECT_EQ(banner.BannerTicks, 0);
    EXPECT_EQ(banner.BannerChars, 0);
    EXPECT_FALSE(banner.BandaVisibile);
    EXPECT_FALSE(banner.Timer1Enabled);
    EXPECT_FALSE(banner.Timer2Enabled);
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
    EXPECT_EQ(banner.BannerTicks, 4);
    EXPECT_EQ(banner.FontSize, 18);

    for (int tick = 5; tick <= 21; ++tick)
        banner.Timer2Tick(misure);
    EXPECT_FALSE(banner.Timer2Enabled);
    EXPECT_TRUE(banner.Timer1Enabled);
    banner.Timer1Tick(misure);
    banner.Timer1Tick(misure);
    EXPECT_FALSE(banner.BandaVisibile);
    banner.Timer1Tick(misure);
    EXPECT_EQ(banner.Caption, "W");
    EXPECT_TRUE(banner.BandaVisibile);
}

}  // namespace
}  // namespace ruotario
