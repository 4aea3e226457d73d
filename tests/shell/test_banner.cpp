#include <gtest/gtest.h>

#include "shell/banner.h"

namespace ruotario {
namespace {

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

    const std::string indirizzo = "WWW.RUOTARIO.EXAMPLE";
    for (std::size_t lettere = 1; lettere <= indirizzo.size(); ++lettere) {
        banner.Timer1Tick(misure);
        EXPECT_EQ(banner.Caption, indirizzo.substr(0, lettere));
        EXPECT_EQ(banner.FontSize, 36);
        EXPECT_EQ(banner.Colore, (std::array<int, 3>{192, 192, 0}));
        EXPECT_EQ(banner.Left, 200);
        EXPECT_EQ(banner.Top, 36 - 18);
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

    const double dimensioni[] = {9, 11, 14, 18, 23, 29};
    for (double punti : dimensioni) {
        banner.Timer2Tick(misure);
        EXPECT_EQ(banner.Caption, "I migliori Software per il Lotto");
        EXPECT_EQ(banner.FontSize, punti);
        EXPECT_EQ(banner.Left, 400 - static_cast<int>(punti * 32) / 2);
        EXPECT_EQ(banner.Top, 0);
        EXPECT_EQ(banner.Colore, (std::array<int, 3>{0, 192, 0}));
    }
    for (int tick = 7; tick <= 20; ++tick) {
        banner.Timer2Tick(misure);
        EXPECT_EQ(banner.FontSize, 29);
        EXPECT_TRUE(banner.BandaVisibile);
        EXPECT_TRUE(banner.Timer2Enabled);
    }

    banner.Timer2Tick(misure);
    EXPECT_EQ(banner.Caption, std::string(13, ' '));
    EXPECT_EQ(banner.FontSize, 36);
    EXPECT_EQ(banner.Left, 410 - 13 * 36 / 2);
    EXPECT_EQ(banner.BannerTicks, 0);
    EXPECT_EQ(banner.BannerChars, 0);
    EXPECT_FALSE(banner.BandaVisibile);
    EXPECT_FALSE(banner.Timer1Enabled);
    EXPECT_FALSE(banner.Timer2Enabled);
}

TEST(Banner, LaScrittaSegueLaLarghezzaNuovaAlTickSeguente) {
    MisureFinte misure;
    BannerMarquee banner;
    for (int tick = 0; tick < 5; ++tick)
        banner.Timer1Tick(misure);
    EXPECT_EQ(banner.Left, 200);
    misure.larghezza = 1000;
    EXPECT_EQ(banner.Left, 200);
    banner.Timer1Tick(misure);
    EXPECT_EQ(banner.Left, 250);
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
    EXPECT_EQ(banner.Caption, "I migliori Software per il Lotto");
    EXPECT_EQ(banner.FontSize, 18);

    for (int tick = 5; tick <= 21; ++tick)
        banner.Timer2Tick(misure);
    EXPECT_FALSE(banner.Timer2Enabled);
    EXPECT_TRUE(banner.Timer1Enabled);
    banner.Timer1Tick(misure);
    banner.Timer1Tick(misure);
    EXPECT_EQ(banner.BannerTicks, 2);
    EXPECT_FALSE(banner.BandaVisibile);
    banner.Timer1Tick(misure);
    EXPECT_EQ(banner.Caption, "W");
    EXPECT_TRUE(banner.BandaVisibile);
}

}  // namespace
}  // namespace ruotario
