#pragma once

#include <QPointer>
#include <QWidget>

class QMdiSubWindow;

namespace ruotario {

// A child window that may refuse to close (it holds input not yet saved) is
// asked first, so that closing the program closes nothing when one refuses.
class RichiestaChiusura {
  public:
    virtual ~RichiestaChiusura() = default;
    // Asks the user when needed; true when the window may close.
    virtual bool QueryUnload() = 0;
};

// The frame every window lives in, as the windows see it. The main window
// is the one frame; the windows reach it only through here, so that they
// need not know it.
class Cornice {
  public:
    // The frame in use, or nullptr (a window opened on its own, in a test).
    static Cornice* Istanza();

    // The frame's own widget: its size, for windows that centre on it.
    virtual QWidget* Widget() = 0;
    // Puts `widget` in the frame as a child window and shows it.
    virtual QMdiSubWindow* AggiungiFinestra(QWidget* widget) = 0;
    // Brings an open child window to the front.
    virtual void Attiva(QWidget* widget) = 0;
    // Closes the child window holding `widget` (nothing when it is nullptr);
    // false when the window refused to close.
    virtual bool ChiudiFinestra(QWidget* widget) = 0;
    // Switches the banner's Timer1 on; a timer already running keeps its beat.
    virtual void AccendiBanner() = 0;
    // After a draw has been archived: the frame hides, then closes every child
    // window, counts the archive again and shows itself.
    virtual void Nascondi() = 0;
    virtual void Ricarica() = 0;
    // The dialog windows' hold: no input from the first Trattieni to the
    // Lascia that balances the last one.
    virtual void Trattieni() = 0;
    virtual void Lascia() = 0;

  protected:
    Cornice();
    virtual ~Cornice();
    Cornice(const Cornice&) = delete;
    Cornice& operator=(const Cornice&) = delete;
};

// Held by a window that acts as a dialog (the loading window, About): from
// its load the frame takes no input, and its unload lets go, once, however
// the window goes away. The frame counts its holders and takes input again
// only when the last one lets go, in whatever order they do.
class BloccoPrincipale {
  public:
    BloccoPrincipale();
    ~BloccoPrincipale() { Rilascia(); }
    BloccoPrincipale(const BloccoPrincipale&) = delete;
    BloccoPrincipale& operator=(const BloccoPrincipale&) = delete;
    void Rilascia();

  private:
    Cornice* cornice_;
    QPointer<QWidget> vivo_;  // the frame's widget, gone with the frame
};

// `finestra` moved so that its centre stands on the frame's centre.
void CentraSullaCornice(QWidget* finestra);

}  // namespace ruotario
