#include "shell/banner.h"

namespace ruotario {

void BannerMarquee::Timer1Tick(const MisureBanner& misure) {
    if (Timer2Enabled) return;
    ++BannerTicks;
    if (BannerTicks < 3) return;
    BandaVisibile = true;
    Left = misure.LarghezzaFrame() / 4;
    ++BannerChars;
    FontSize = 36;
    BannerText = kSitoBanner;
    Top = misure.AltezzaFrame() / 2 - misure.AltezzaEtichetta(FontSize, Caption) / 2;
    Colore = {192, 192, 0};
    if (BannerChars <= static_cast<long>(BannerText.size())) {
        Caption = BannerText.substr(0, static_cast<std::size_t>(BannerChars));
    } else {
        // The whole address has been shown for one tick: over to the slogan.
        Timer1Enabled = false;
        BannerTicks = 0;
        Caption.clear();
        FontSize = 8;
        Timer2Enabled = true;
    }
}

void BannerMarquee::Timer2Tick(const MisureBanner& misure) {
    ++BannerTicks;
    if (BannerTicks <= 6) {
        FontSize += BannerTicks;
        BannerText = kSloganBanner;
        Caption = BannerText;
        Left = misure.LarghezzaFrame() / 2 - misure.LarghezzaEtichetta(FontSize, Caption) / 2;
        Top = 0;
        Colore = {0, 192, 0};
    } else if (BannerTicks > 20) {
        BannerChars = 0;
        BannerTicks = 0;
        FontSize = 36;
        Caption = std::string(13, ' ');
        Left = misure.LarghezzaPrincipale() / 2 - misure.LarghezzaEtichetta(FontSize, Caption) / 2;
        Timer2Enabled = false;
        BandaVisibile = false;
    }
}

}  // namespace ruotario
