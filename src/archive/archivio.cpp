// The archive window: its controls, how it lays itself out in twips as it
// loads, and how it closes. Its display and navigation are in
// archivio_vista.cpp, the entry of a new draw in archivio_inserimento.cpp.
#include "archive/archivio.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>

#include "archive/archivio_comune.h"
#include "shell/msflexgrid.h"
#include "shell/msgbox.h"
#include "shell/twips.h"
#include "store/module1.h"

namespace ruotario {

using namespace archivio;

namespace {

Archivio* istanza = nullptr;

const QString kPerditaChiusura = QString::fromUtf8(
    "Gestione Archivio: i dati che hai inserito andranno persi !\nVuoi continuare?");
const QColor kGrigioFinestra(192, 192, 192);

// The design sizes of the controls, in twips. The window's own frame
// (caption and borders) takes kCorniceAltezza and kCorniceLarghezza of its
// size; the rest is the area the controls stand on.
constexpr int kLatoFreccia = 330;
constexpr int kLarghezzaVScroll = 330;
constexpr int kLarghezzaEsc = 1200;
constexpr int kAltezzaEsc = 375;
constexpr int kLarghezzaSSTab = 3600;
constexpr int kCorniceAltezza = 380;
constexpr int kCorniceLarghezza = 100;

// The pictures of the first and last draw buttons: an arrow to a bar.
QIcon Freccia(bool inAlto) {
    QPixmap disegno(16, 16);
    disegno.fill(Qt::transparent);
    QPainter pittore(&disegno);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(Qt::black);
    if (inAlto) {
        pittore.drawRect(3, 2, 10, 2);
        pittore.drawPolygon(QPolygon({QPoint(8, 5), QPoint(14, 13), QPoint(2, 13)}));
    } else {
        pittore.drawRect(3, 12, 10, 2);
        pittore.drawPolygon(QPolygon({QPoint(2, 3), QPoint(14, 3), QPoint(8, 11)}));
    }
    return QIcon(disegno);
}

}  // namespace

Archivio* Archivio::Istanza() {
    return istanza;
}

Archivio* Archivio::Apri() {
    Cornice* principale = Cornice::Istanza();
    if (istanza) {
        if (principale) principale->Attiva(istanza);
        return istanza;
    }
    auto* finestra = new Archivio;
    if (principale) {
        principale->AggiungiFinestra(finestra);
        finestra->CentraNellaPrincipale();
    } else {
        finestra->setAttribute(Qt::WA_DeleteOnClose);
        finestra->show();
    }
    return finestra;
}

Archivio::Archivio() {
    istanza = this;
    CreaControlli();
    Form_Load();
}

Archivio::~Archivio() {
    // The children outlive this destructor's body; none may call back in.
    for (QObject* figlio : findChildren<QObject*>())
        disconnect(figlio, nullptr, this, nullptr);
    if (istanza == this) istanza = nullptr;
}

void Archivio::CreaControlli() {
    setObjectName("Archivio");
    caption_ = "Novantario - Archivio Estrazioni dal 07-01-1871 al ";
    setWindowTitle(caption_);
    setFont(QFont("MS Sans Serif", 8));
    setAutoFillBackground(true);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, kGrigioFinestra);
    setPalette(sfondo);

    msFlexGrid1_ = new MSFlexGrid(this);
    msFlexGrid1_->setObjectName("MSFlexGrid1");
    msFlexGrid1_->SetBorderStyle(0);

    vScroll1_ = new QScrollBar(Qt::Vertical, this);
    vScroll1_->setObjectName("VScroll1");
    vScroll1_->setSingleStep(1);
    vScroll1_->setPageStep(1);
    vScroll1_->setTracking(true);

    auto pulsante = [this](const char* nome, const QString& testo, const char* carattere,
                           const QString& suggerimento) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(nome);
        p->setFont(QFont(carattere, 8));
        p->setToolTip(suggerimento);
        return p;
    };
    command1_ = pulsante("Command1", {}, "MS Serif", "Prima Estrazione");
    command1_->setIcon(Freccia(true));
    ultima_ = pulsante("Ultima", {}, "MS Serif", "Ultima Estrazione");
    ultima_->setIcon(Freccia(false));
    esc_ = pulsante("Esc", "Esci", "MS Sans Serif", "Chiudi Finestra");

    CreaSchede();

    for (int i = 0; i < 3; ++i) {
        auto* lista = new QComboBox(this);
        lista->setObjectName(QString("Combo2_%1").arg(i));
        lista->setEditable(false);
        lista->setFont(QFont("MS Serif", 10, QFont::Bold));
        // Drawn flat by the style sheet, so the colour is the one asked for.
        lista->setStyleSheet(
            "QComboBox { background-color: rgb(64, 64, 64); color: rgb(255, 0, 0); "
            "border: 1px solid rgb(0, 0, 0); padding-left: 3px; } "
            "QComboBox QAbstractItemView { background-color: rgb(64, 64, 64); "
            "color: rgb(255, 0, 0); }");
        lista->setFixedHeight(Twips(kAltezzaCombo));
        lista->hide();
        combo2_[i] = lista;
        connect(lista, &QComboBox::activated, this, [this, i] { Combo2_Click(i); });
    }
    for (int mese = 1; mese <= 12; ++mese)
        combo2_[1]->addItem(QString("%1").arg(mese, 2, 10, QChar('0')));
    combo2_[1]->setCurrentIndex(-1);

    connect(vScroll1_, &QScrollBar::valueChanged, this, &Archivio::VScroll1_Change);
    connect(command1_, &QPushButton::clicked, this, &Archivio::Command1_Click);
    connect(ultima_, &QPushButton::clicked, this, &Archivio::Ultima_Click);
    connect(esc_, &QPushButton::clicked, this, &Archivio::Esc_Click);
    connect(inserisci_, &QPushButton::clicked, this, &Archivio::Inserisci_Click);
    connect(salva_, &QPushButton::clicked, this, &Archivio::Salva_Click);
    connect(clipB_, &QPushButton::clicked, this, &Archivio::ClipB_Click);
    connect(msFlexGrid1_, &MSFlexGrid::GotFocus, this, &Archivio::MSFlexGrid1_GotFocus);
    connect(msFlexGrid1_, &MSFlexGrid::KeyPress, this, &Archivio::MSFlexGrid1_KeyPress);
    connect(msFlexGrid1_, &MSFlexGrid::RowColChange, this, &Archivio::MSFlexGrid1_RowColChange);
}

// The tab control: its three tabs, and what stands on each, shown while that
// tab is the current one.
void Archivio::CreaSchede() {
    ssTab1_ = new QTabWidget(this);
    ssTab1_->setObjectName("SSTab1");
    for (const char* titolo : {"Aggiorna", "Super Enalotto", "Indici"})
        ssTab1_->addTab(new QWidget, titolo);

    auto pulsante = [this](const char* nome, const char* testo, const char* suggerimento) {
        auto* p = new QPushButton(testo, ssTab1_);
        p->setObjectName(nome);
        p->setFont(QFont("MS Serif", 8));
        p->setToolTip(suggerimento);
        PosizionaTwips(p, (kLarghezzaSSTab - 1500) / 2,
                       700 + 650 * static_cast<int>(schede_[0].size()), 1500, 450);
        schede_[0].push_back(p);
        return p;
    };
    inserisci_ = pulsante("Inserisci", "Inserisci", "Inserisci Estrazione");
    salva_ = pulsante("Salva", "Salva", "Salva Estrazione");
    clipB_ = pulsante("ClipB", "Clipboard", "Preleva dagli Appunti");

    msFlexGrid2_ = new MSFlexGrid(ssTab1_);
    msFlexGrid2_->setObjectName("MSFlexGrid2");
    msFlexGrid2_->SetTabStop(false);
    msFlexGrid2_->SetRows(8);
    msFlexGrid2_->SetCols(1);
    schede_[1].push_back(msFlexGrid2_);

    auto etichetta = [this](const QString& nome, const QString& testo, int top) {
        auto* l = new QLabel(testo, ssTab1_);
        l->setObjectName(nome);
        l->setFont(QFont("MS Sans Serif", 8));
        l->setAlignment(Qt::AlignCenter);
        PosizionaTwips(l, 300, top, kLarghezzaSSTab - 600, 300);
        schede_[2].push_back(l);
        return l;
    };
    const char* titoli[] = {"Estrazione N°", "Annuale:", "Mensile:"};
    QLabel** valori[] = {&label1_, &label3_, &label4_};
    const char* nomiValori[] = {"Label1", "Label3", "Label4"};
    for (int i = 0; i < 3; ++i) {
        label2_[i] =
            etichetta(QString("Label2_%1").arg(i), QString::fromUtf8(titoli[i]), 700 + 900 * i);
        *valori[i] = etichetta(nomiValori[i], {}, 1000 + 900 * i);
        (*valori[i])->setFrameShape(QFrame::Panel);
        (*valori[i])->setFrameShadow(QFrame::Sunken);
    }

    connect(ssTab1_, &QTabWidget::currentChanged, this, [this](int corrente) {
        for (int s = 0; s < 3; ++s)
            for (QWidget* controllo : schede_[s]) {
                controllo->setVisible(s == corrente);
                controllo->raise();
            }
    });
    for (int s = 1; s < 3; ++s)
        for (QWidget* controllo : schede_[s])
            controllo->hide();
}

void Archivio::Form_Load() {
    Module1().EntryPending = 0;
    Impaginazione();
    combo2_[2]->clear();
    Ultima_Click();
}

void Archivio::Impaginazione() {
    MSFlexGrid* grid = msFlexGrid1_;
    grid->SetRedraw(false);
    grid->SetTabStop(false);
    grid->SetRows(12);
    grid->SetCols(7);
    grid->SetFixedRows(2);
    grid->SetFixedCols(1);  // the wheel names: a header the cursor never enters
    grid->Clear();
    grid->SetRowHeight(0, kAltezzaCombo);
    grid->SetColWidth(0, 1600);
    for (int r = 1; r <= 11; ++r)
        grid->SetRowHeight(r, grid->RowHeight(0));
    for (int c = 0; c <= 6; ++c)
        grid->SetColAlignment(c, Qt::AlignCenter);
    for (int c = 1; c <= 6; ++c)
        grid->SetColWidth(c, 900);
    const int altezzaGriglia = kAltezzaCombo + 11 * grid->RowHeight(1);
    const int larghezzaGriglia = 5 * grid->ColWidth(1) + grid->ColWidth(0);
    PosizionaTwips(grid, 0, 0, larghezzaGriglia, altezzaGriglia);

    const int conteggio = Module1().DrawCount;
    {
        // Only the value below shows a draw, not the bar's range being set.
        QSignalBlocker blocco(vScroll1_);
        vScroll1_->setRange(1, std::max(conteggio, 1));
    }
    if (conteggio > 0) vScroll1_->setValue(conteggio);

    const int altezza = altezzaGriglia + 380;
    const int scrollLeft = larghezzaGriglia;
    const int scrollTop = kLatoFreccia;
    const int scrollHeight = altezzaGriglia - 2 * kLatoFreccia;
    PosizionaTwips(vScroll1_, scrollLeft, scrollTop, kLarghezzaVScroll, scrollHeight);
    PosizionaTwips(command1_, scrollLeft, 0, kLarghezzaVScroll, kLatoFreccia);
    PosizionaTwips(ultima_, scrollLeft, scrollTop + scrollHeight, kLarghezzaVScroll, kLatoFreccia);

    const int tabLeft = larghezzaGriglia + kLarghezzaVScroll + 100;
    const int tabHeight = altezzaGriglia - kAltezzaEsc - 100;
    PosizionaTwips(ssTab1_, tabLeft, 0, kLarghezzaSSTab, tabHeight);
    PosizionaTwips(esc_, tabLeft, altezza - 400 - kAltezzaEsc, kLarghezzaEsc, kAltezzaEsc);
    const int larghezza = kLarghezzaSSTab + larghezzaGriglia + kLarghezzaVScroll + 200;
    setFixedSize(Twips(larghezza - kCorniceLarghezza), Twips(altezza - kCorniceAltezza));
    ssTab1_->setCurrentIndex(0);
    grid->SetRedraw(true);

    MSFlexGrid* super = msFlexGrid2_;
    super->SetRows(8);
    super->SetCols(1);
    super->SetFixedRows(0);
    super->SetFixedCols(0);
    super->SetColWidth(0, 800);
    for (int r = 0; r < super->Rows(); ++r)
        super->SetRowHeight(r, 420);
    super->SetColAlignment(0, Qt::AlignCenter);
    const int altezzaSuper = super->RowHeight(0) * super->Rows();
    PosizionaTwips(super, (kLarghezzaSSTab - super->ColWidth(0)) / 2,
                   (tabHeight - altezzaSuper) / 2, super->ColWidth(0), altezzaSuper);
    super->SetBorderStyle(0);
}

// Centred on the main window, each half worked out on its own; never above
// or left of the area, where its caption could not be reached.
void Archivio::CentraNellaPrincipale() {
    auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
    Cornice* principale = Cornice::Istanza();
    if (!cornice || !principale) return;
    cornice->adjustSize();
    const QWidget* frame = principale->Widget();
    double top = frame->height() / 2.0 - cornice->height() / 2.0;
    double left = frame->width() / 2.0 - cornice->width() / 2.0;
    cornice->move(std::max(0, static_cast<int>(left)), std::max(0, static_cast<int>(top)));
}

bool Archivio::QueryUnload() {
    if (Module1().EntryPending == 1 &&
        MsgBox(kPerditaChiusura, MsgBoxButtons::YesNo, MsgBoxIcon::Critical) != MsgBoxResult::Yes)
        return false;
    Module1().EntryPending = 0;
    return true;
}

void Archivio::closeEvent(QCloseEvent* event) {
    if (!QueryUnload()) {
        event->ignore();
        return;
    }
    if (istanza == this) istanza = nullptr;
    event->accept();
}

}  // namespace ruotario
