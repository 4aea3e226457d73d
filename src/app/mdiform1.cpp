#include "app/mdiform1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include "archive/archivio.h"
#include "series/serie.h"
#include "app/about.h"
#include "shell/msgbox.h"
#include "shell/twips.h"
#include "store/lotto_dat.h"
#include "store/errore.h"
#include "store/module1.h"

namespace ruotario {
namespace {

MDIForm1* istanza = nullptr;

// Tall enough for the banner's 36-point text.
constexpr int kAltezzaBanda = 1080;
// The main window's size when it opens, in twips.
constexpr int kLarghezza = 14400;
constexpr int kAltezza = 10000;

QFont CarattereBanner(const QLabel* etichetta, double punti) {
    QFont carattere = etichetta->font();
    carattere.setPointSizeF(punti);
    return carattere;
}

// The banner measures the band and its label as they are on screen.
class MisureFinestra : public MisureBanner {
  public:
    explicit MisureFinestra(const MDIForm1* finestra) : finestra_(finestra) {}
    int LarghezzaFrame() const override { return finestra_->Frame14()->width(); }
    int AltezzaFrame() const override { return finestra_->Frame14()->height(); }
    int LarghezzaPrincipale() const override { return finestra_->width(); }
    int LarghezzaEtichetta(double punti, const std::string& testo) const override {
        return QFontMetrics(CarattereBanner(finestra_->Label9(), punti))
            .horizontalAdvance(QString::fromStdString(testo));
    }
    int AltezzaEtichetta(double punti, const std::string&) const override {
        return QFontMetrics(CarattereBanner(finestra_->Label9(), punti)).height();
    }

  private:
    const MDIForm1* finestra_;
};

}  // namespace

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent) {
    istanza = this;
    setObjectName("MDIForm1");
    setWindowTitle(QString::fromUtf8(kTitoloApplicazione));

    area_ = new QMdiArea(this);
    area_->setObjectName("MDIArea");
    area_->setBackground(QColor(128, 128, 128));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);

    auto voce = [this](const char* nome, const char* testo) {
        QAction* azione = menuBar()->addAction(QString::fromUtf8(testo));
        azione->setObjectName(nome);
        return azione;
    };
    mnuexit_ = voce("mnuexit", "Esci");
    mnuEstra_ = voce("mnuEstra", "&Estrazioni");
    mnuSerie_ = voce("mnuSerie", "&Archivio Serie");
    mnuAbout_ = voce("mnuAbout", "&About Ruotario...");
    connect(mnuexit_, &QAction::triggered, this, &MDIForm1::mnuexit_Click);
    connect(mnuEstra_, &QAction::triggered, this, [] { Archivio::Apri(); });
    connect(mnuSerie_, &QAction::triggered, this, [] { Serie::Apri(); });
    connect(mnuAbout_, &QAction::triggered, this, [] { About::Mostra(); });

    toolbar1_ = new QToolBar(this);
    toolbar1_->setObjectName("Toolbar1");
    toolbar1_->setMovable(false);
    toolbar1_->setFloatable(false);
    toolbar1_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar1_->setContentsMargins(0, 0, 0, 0);
    toolbar1_->layout()->setContentsMargins(0, 0, 0, 0);
    toolbar1_->layout()->setSpacing(0);
    addToolBar(Qt::TopToolBarArea, toolbar1_);

    frame14_ = new QFrame;
    frame14_->setObjectName("Frame14");
    frame14_->setFrameShape(QFrame::NoFrame);
    frame14_->setStyleSheet("#Frame14 { background-color: rgb(0, 0, 0); }");
    frame14_->setFixedHeight(Twips(kAltezzaBanda));
    // The toolbar stretches it across the window, whichever way the window is resized.
    frame14_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    toolbar1_->addWidget(frame14_);

    label9_ = new QLabel(frame14_);
    label9_->setObjectName("Label9_1");
    label9_->setFont(QFont("Arial", 8));

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(300);
    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setInterval(300);
    connect(timer1_, &QTimer::timeout, this, &MDIForm1::Timer1_Timer);
    connect(timer2_, &QTimer::timeout, this, &MDIForm1::Timer2_Timer);
    misure_ = std::make_unique<MisureFinestra>(this);

    Riposo();
    // Wide enough for an analysis of 20 numbers and for the whole address of
    // the banner a quarter of the way in, tall enough for the series window
    // under the band.
    resize(Twips(kLarghezza), Twips(kAltezza));
    Form_Load();
}

MDIForm1::~MDIForm1() {
    if (istanza == this) istanza = nullptr;
}

MDIForm1* MDIForm1::Istanza() {
    return istanza;
}

void MDIForm1::Form_Load() {
    Protetto([] { ContaEstrazioni(); });
    CaricaRuote();
}

// The band as the window loads it: both timers off, visible, a single space.
void MDIForm1::Riposo() {
    banner_ = BannerMarquee{};
    ApplicaBanner();
}

void MDIForm1::Timer1_Timer() {
    banner_.Timer1Enabled = timer1_->isActive();
    banner_.Timer2Enabled = timer2_->isActive();
    banner_.Timer1Tick(*misure_);
    ApplicaBanner();
}

void MDIForm1::Timer2_Timer() {
    banner_.Timer1Enabled = timer1_->isActive();
    banner_.Timer2Enabled = timer2_->isActive();
    banner_.Timer2Tick(*misure_);
    ApplicaBanner();
}

void MDIForm1::ApplicaBanner() {
    QFont carattere = CarattereBanner(label9_, banner_.FontSize);
    QString testo = QString::fromStdString(banner_.Caption);
    label9_->setFont(carattere);
    label9_->setText(testo);
    label9_->setStyleSheet(QString("color: rgb(%1, %2, %3);")
                               .arg(banner_.Colore[0])
                               .arg(banner_.Colore[1])
                               .arg(banner_.Colore[2]));
    QFontMetrics metrica(carattere);
    label9_->setGeometry(banner_.Left, banner_.Top, metrica.horizontalAdvance(testo),
                         metrica.height());
    toolbar1_->setVisible(banner_.BandaVisibile);
    if (banner_.Timer1Enabled != timer1_->isActive())
        banner_.Timer1Enabled ? timer1_->start() : timer1_->stop();
    if (banner_.Timer2Enabled != timer2_->isActive())
        banner_.Timer2Enabled ? timer2_->start() : timer2_->stop();
}

void MDIForm1::Nascondi() {
    setVisible(false);
}

void MDIForm1::Ricarica() {
    area_->closeAllSubWindows();
    Riposo();
    Form_Load();
    show();
    setVisible(true);
}

QMdiSubWindow* MDIForm1::AggiungiFinestra(QWidget* widget) {
    // Every window opened here has the size it lays out for itself: it can be
    // moved, minimised and closed, never maximised.
    QMdiSubWindow* finestra = area_->addSubWindow(
        widget, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    widget->setAttribute(Qt::WA_DeleteOnClose);
    if (widget->minimumSize() == widget->maximumSize()) {
        finestra->adjustSize();
        finestra->setFixedSize(finestra->size());
    }
    finestra->show();
    return finestra;
}

void MDIForm1::Attiva(QWidget* widget) {
    for (QMdiSubWindow* finestra : area_->subWindowList())
        if (finestra->widget() == widget) {
            finestra->showNormal();
            area_->setActiveSubWindow(finestra);
            finestra->raise();
            return;
        }
}

bool MDIForm1::ChiudiFinestra(QWidget* widget) {
    for (QMdiSubWindow* finestra : area_->subWindowList())
        if (finestra->widget() == widget) return finestra->close();
    return true;
}

void MDIForm1::mnuexit_Click() {
    close();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    // Disabled behind a dialog, the window takes no input, its close box included.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    for (QMdiSubWindow* finestra : area_->subWindowList())
        if (auto* richiesta = dynamic_cast<RichiestaChiusura*>(finestra->widget()))
            if (!richiesta->QueryUnload()) {
                event->ignore();
                return;
            }
    area_->closeAllSubWindows();
    if (!area_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MDIForm1::AccendiBanner() {
    if (!timer1_->isActive()) timer1_->start();
}

void MDIForm1::Trattieni() {
    ++trattenuta_;
    setEnabled(false);
}

void MDIForm1::Lascia() {
    if (trattenuta_ > 0 && --trattenuta_ == 0) setEnabled(true);
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

// The banner frame spans the window, and the band is exactly as tall as it.
// Its width is only a maximum, so the window can always be made narrower.
void MDIForm1::Form_Resize() {
    frame14_->move(0, 0);
    frame14_->setMaximumWidth(width());
    toolbar1_->setFixedHeight(frame14_->height());
}

}  // namespace ruotario
