#pragma once

#include <QMainWindow>
#include <memory>

#include "shell/banner.h"
#include "shell/cornice.h"

class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;

namespace ruotario {

// The frame of the whole program: the menu, the banner band along the top and
// the area that holds the child windows. It counts the archive when it loads.
class MDIForm1 : public QMainWindow, public Cornice {
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

    // The frame, as the windows see it.
    QWidget* Widget() override { return this; }
    QMdiSubWindow* AggiungiFinestra(QWidget* widget) override;
    void Attiva(QWidget* widget) override;
    bool ChiudiFinestra(QWidget* widget) override;
    void AccendiBanner() override;
    void Nascondi() override;
    // Closes every child window, counts again and shows; the banner returns
    // to its resting state.
    void Ricarica() override;
    void Trattieni() override;
    void Lascia() override;

    // "Esci": closes the main window with its children; the program ends only
    // when every child agreed to close.
    void mnuexit_Click();


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
