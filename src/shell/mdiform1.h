#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "shell/banner.h"

class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;

namespace ruotario {

// A child window that may refuse to close (it holds input not yet saved) is
// asked first, so that closing the program closes nothing when one refuses.
class RichiestaChiusura {
  public:
    virtual ~RichiestaChiusura() = default;
    // Asks the user when needed; true when the window may close.
    virtual bool QueryUnload() = 0;
};

class MDIForm1;

// Held by a window that acts as a dialog (the loading window, About): from
// its load the main window takes no input, and its unload lets go, once,
// however the window goes away. The main window counts its holders and is
// enabled again only when the last one lets go, in whatever order they do.
class BloccoPrincipale {
  public:
    BloccoPrincipale();
    ~BloccoPrincipale() { Rilascia(); }
    BloccoPrincipale(const BloccoPrincipale&) = delete;
    BloccoPrincipale& operator=(const BloccoPrincipale&) = delete;
    void Rilascia();

  private:
    QPointer<MDIForm1> principale_;
};

// The frame of the whole program: the menu, the banner band along the top and
// the area that holds the child windows. It counts the archive when it loads.
class MDIForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The one main window, or nullptr when none exists.
    static MDIForm1* Istanza();

    QMdiArea* Area() const { return area_; }
    QAction* mnuexit() const { return mnuexit_; }
    QAction* mnuEstra() const { return mnuEstra_; }
    QAction* mnuSerie() const { return mnuSerie_; }
    QAction* mnuAbout() const { return mnuAbout_; }
    QToolBar* Toolbar1() const { return toolbar1_; }
    QFrame* Frame14() const { return frame14_; }
    QLabel* Label9() const { return label9_; }
    QTimer* Timer1() const { return timer1_; }
    QTimer* Timer2() const { return timer2_; }

    // Counts the archive and fills the wheel codes; an archive that cannot be
    // read is reported and taken as empty.
    void Form_Load();

    // After a draw has been archived: hide, close every child window, count
    // again, show. The banner returns to its resting state.
    void Ricarica();

    // Puts `widget` in the frame as a child window and shows it.
    QMdiSubWindow* AggiungiFinestra(QWidget* widget);
    // The child window whose widget has this objectName, or nullptr.
    QWidget* Finestra(const QString& nome) const;
    // Brings an open child window to the front.
    void Attiva(QWidget* widget);
    // Closes the child window holding `widget` (nothing when it is nullptr).
    // Returns false when the window refused to close.
    bool ChiudiFinestra(QWidget* widget);

    // "Esci": closes the main window with its children; the program ends only
    // when every child agreed to close.
    void mnuexit_Click();

    // Switches the banner's Timer1 on; a timer already running keeps its beat.
    void AccendiBanner();

    // The dialog windows' hold: disabled from the first Trattieni to the
    // Lascia that balances the last one.
    void Trattieni();
    void Lascia();

    // The banner's two timer ticks.
    void Timer1_Timer();
    void Timer2_Timer();
    const BannerMarquee& Banner() const { return banner_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Form_Resize();
    void Riposo();
    // Copies the banner's state onto the band, its label and the timers.
    void ApplicaBanner();

    QMdiArea* area_;
    QAction* mnuexit_;
    QAction* mnuEstra_;
    QAction* mnuSerie_;
    QAction* mnuAbout_;
    QToolBar* toolbar1_;
    QFrame* frame14_;
    QLabel* label9_;
    QTimer* timer1_;
    QTimer* timer2_;
    BannerMarquee banner_;
    std::unique_ptr<MisureBanner> misure_;
    int trattenuta_ = 0;
};

}  // namespace ruotario
