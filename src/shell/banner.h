#pragma once

#include <array>
#include <string>

namespace ruotario {

// The maker's web site: opened by the hyperlink labels, typed out by the banner.
inline constexpr const char* kSitoWeb = "http://www.ruotario.example/";
inline constexpr const char* kSitoBanner = "WWW.RUOTARIO.EXAMPLE";
inline constexpr const char* kSloganBanner = "I migliori Software per il Lotto";

// What the banner needs to know of the window to place its text.
class MisureBanner {
  public:
    virtual ~MisureBanner() = default;
    virtual int LarghezzaFrame() const = 0;
    virtual int AltezzaFrame() const = 0;
    virtual int LarghezzaPrincipale() const = 0;
    // The size the label takes for this text at this font size.
    virtual int LarghezzaEtichetta(double punti, const std::string& testo) const = 0;
    virtual int AltezzaEtichetta(double punti, const std::string& testo) const = 0;
};

// The banner along the top of the main window, as a state machine driven by
// the two timer ticks: two idle ticks, the web address typed one letter per
// tick, the slogan growing for six ticks and held until the 21st, then the
// band hidden and both timers off. The window copies the label's state onto
// its label after every tick.
class BannerMarquee {
  public:
    // Timer1: the waiting and typing phases. Does nothing while Timer2 runs.
    void Timer1Tick(const MisureBanner& misure);
    // Timer2: the slogan phase.
    void Timer2Tick(const MisureBanner& misure);

    // Window-level state.
    std::string BannerText;
    long BannerTicks = 0;
    long BannerChars = 0;

    // The timers as the ticks leave them (the window reads them in before a
    // tick, since others may switch Timer1 on).
    bool Timer1Enabled = false;
    bool Timer2Enabled = false;

    // The band and its label.
    bool BandaVisibile = true;
    std::string Caption = " ";
    double FontSize = 8;
    std::array<int, 3> Colore{0, 0, 0};
    int Left = 0;
    int Top = 0;
};

}  // namespace ruotario
