#include "archive/archivio.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>

#include "archive/appunti.h"
#include "archive/superenalotto.h"
#include "archive/vista.h"
#include "archive/archivia_estrazione.h"
#include "shell/cornice.h"
#include "shell/msflexgrid.h"
#include "shell/msgbox.h"
#include "shell/twips.h"
#include "store/calendario.h"
#include "store/errore.h"
#include "store/module1.h"
#include "store/numerazione.h"

namespace ruotario {
namespace {

Archivio* istanza = nullptr;

const QString kTitoloArchivio = "Archivio Estrazioni dal 07/01/1871 al ";
const QString kTitoloInserimento = "Inserisci Estrazione";
const QString kPerdita =
    QString::fromUtf8("Attenzione:i dati che hai inserito andranno persi !\nVuoi continuare?");
const QString kPerditaChiusura = QString::fromUtf8(
    "Gestione Archivio: i dati che hai inserito andranno persi !\nVuoi continuare?");
const QString kAppuntiNonValidi =
    "Attenzione: gli Appunti potrebbero essere vuoti oppure\ri dati caricati non sono validi, "
    "riprova";

const QColor kGrigioFinestra(192, 192, 192);
const QColor kGrigioIntestazione(128, 128, 128);
const QColor kBianco(255, 255, 255);
const QColor kRosso(255, 0, 0);
const QColor kGrigioChiaro(224, 224, 224);

// The design sizes of the controls, in twips. The window's own frame
// (caption and borders) takes kCorniceAltezza and kCorniceLarghezza of its
// size; the rest is the area the controls stand on.
constexpr int kAltezzaCombo = 390;
constexpr int kLatoFreccia = 330;
constexpr int kLarghezzaVScroll = 330;
constexpr int kLarghezzaEsc = 1200;
constexpr int kAltezzaEsc = 375;
constexpr int kLarghezzaSSTab = 3600;
constexpr int kCorniceAltezza = 380;
constexpr int kCorniceLarghezza = 100;
constexpr int kPrimaRiga = 2;
constexpr int kUltimaRiga = 11;

void Colloca(QWidget* controllo, int left, int top, int width, int height) {
    controllo->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Colours one cell of a grid without making it the current one.
void Colora(MSFlexGrid* grid, int row, int col, const QColor& sfondo) {
    if (QTableWidgetItem* cella = grid->item(row, col)) cella->setBackground(sfondo);
}

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

QString Testo(std::int64_t numero) {
    return QString::number(static_cast<qlonglong>(numero));
}

QString Testo(const std::string& testo) {
    return QString::fromStdString(testo);
}

// "d/m/y" read day first, each part by its value ("05" is 5, "" is 0).
struct Parti {
    std::int64_t giorno = 0, mese = 0, anno = 0;
};
Parti PartiData(const QString& data) {
    QStringList parti = data.split('/');
    Parti p;
    if (parti.size() != 3) return p;
    p.giorno = ValoreCella(parti[0].toStdString());
    p.mese = ValoreCella(parti[1].toStdString());
    p.anno = ValoreCella(parti[2].toStdString());
    return p;
}

bool MeseEAnno(const Parti& p) {
    return p.mese >= 1 && p.mese <= 12 && p.anno >= 1 && p.anno <= 32767;
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
        Colloca(p, (kLarghezzaSSTab - 1500) / 2, 700 + 650 * static_cast<int>(schede_[0].size()),
                1500, 450);
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
        Colloca(l, 300, top, kLarghezzaSSTab - 600, 300);
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
    Colloca(grid, 0, 0, larghezzaGriglia, altezzaGriglia);

    const int conteggio = Module1().DrawCount;
    {
        // Only the value below shows a draw, not the bar's range being set.
        QSignalBlocker blocco(vScroll1_);
        vScroll1_->setRange(1, std::max(conteggio, 1));
    }
    vScroll1_->setEnabled(conteggio > 0);
    if (conteggio > 0) vScroll1_->setValue(conteggio);

    altezza_ = altezzaGriglia + 380;
    const int scrollLeft = larghezzaGriglia;
    const int scrollTop = kLatoFreccia;
    const int scrollHeight = altezzaGriglia - 2 * kLatoFreccia;
    Colloca(vScroll1_, scrollLeft, scrollTop, kLarghezzaVScroll, scrollHeight);
    Colloca(command1_, scrollLeft, 0, kLarghezzaVScroll, kLatoFreccia);
    Colloca(ultima_, scrollLeft, scrollTop + scrollHeight, kLarghezzaVScroll, kLatoFreccia);

    const int tabLeft = larghezzaGriglia + kLarghezzaVScroll + 100;
    const int tabHeight = altezzaGriglia - kAltezzaEsc - 100;
    Colloca(ssTab1_, tabLeft, 0, kLarghezzaSSTab, tabHeight);
    Colloca(esc_, tabLeft, altezza_ - 400 - kAltezzaEsc, kLarghezzaEsc, kAltezzaEsc);
    larghezza_ = kLarghezzaSSTab + larghezzaGriglia + kLarghezzaVScroll + 200;
    setFixedSize(Twips(larghezza_ - kCorniceLarghezza), Twips(altezza_ - kCorniceAltezza));
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
    Colloca(super, (kLarghezzaSSTab - super->ColWidth(0)) / 2, (tabHeight - altezzaSuper) / 2,
            super->ColWidth(0), altezzaSuper);
    super->SetBorderStyle(0);
}

void Archivio::Scrivi() {
    MSFlexGrid* grid = msFlexGrid1_;
    grid->SetTabStop(true);
    grid->SetRedraw(false);
    for (int r = kPrimaRiga; r <= kUltimaRiga; ++r)
        grid->SetTextMatrix(r, 0, QString::fromUtf8(NomeRuota(r - 1).data()));
    for (int c = 1; c <= 5; ++c) {
        if (QTableWidgetItem* cella = grid->item(1, c)) cella->setForeground(kBianco);
        Colora(grid, 1, c, kGrigioIntestazione);
    }
    grid->SetTextMatrix(0, 1, "Data:");
    const char* posizioni[] = {"I", "II", "III", "IV", "V"};
    for (int c = 1; c <= 5; ++c)
        grid->SetTextMatrix(1, c, posizioni[c - 1]);

    MSFlexGrid* super = msFlexGrid2_;
    super->Clear();
    super->SetRedraw(false);
    super->SetTextMatrix(6, 0, "Jolly");
    if (QTableWidgetItem* cella = super->item(6, 0)) cella->setForeground(kRosso);
    super->SetRedraw(true);

    grid->SetRedraw(true);
    grid->SetTabStop(false);
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

void Archivio::VScroll1_Change(int valore) {
    Protetto([&] { Visualizza(valore); });
}

void Archivio::Visualizza(int record) {
    Scrivi();
    Module1State& m = Module1();
    m.CurrentDrawIndex = record;
    LeggiEstrazione();
    const VistaEstrazione vista = VistaDi(m.CurrentDraw);

    MSFlexGrid* grid = msFlexGrid1_;
    grid->SetRedraw(false);
    for (int i = 0; i < 3; ++i)
        grid->SetTextMatrix(0, 2 + i, Testo(vista.Data[i]));
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p)
            grid->SetTextMatrix(w + 1, p, Testo(vista.Numeri[w - 1][p - 1]));
    label1_->setText(Testo(m.CurrentDrawIndex));
    grid->SetTextMatrix(0, 5, Testo(vista.CellaGiorno));
    SuperTemp();
    grid->SetRedraw(true);
    grid->SetTabStop(false);

    const Numerazione numeri = NumeraEstrazione(LottoDatPath(), record);
    m.CurrentDrawIndex = static_cast<std::int32_t>(numeri.Cursore);
    m.CurrentDraw = numeri.UltimoLetto;
    label3_->setText(Testo(numeri.Annuale));
    label4_->setText(Testo(numeri.Mensile));
}

// An empty archive shows the grid with its fixed texts and nothing else.
void Archivio::MostraArchivioVuoto() {
    msFlexGrid1_->Clear();
    Scrivi();
    label1_->clear();
    label3_->clear();
    label4_->clear();
}

void Archivio::SuperTemp() {
    MSFlexGrid* grid = msFlexGrid1_;
    ValoriRuote valori{};
    for (int w = 1; w <= 10; ++w)
        for (int c = 1; c <= 6; ++c)
            valori[w - 1][c - 1] = ValoreCella(grid->TextMatrix(w + 1, c).toStdString());
    const SuperEnalotto super = DerivaSuperEnalotto(valori);

    // Every mark is painted afresh, so none is left over from the draw before.
    grid->SetRedraw(false);
    for (int r = kPrimaRiga; r <= kUltimaRiga; ++r)
        for (int c = 1; c <= 5; ++c)
            Colora(grid, r, c, kGrigioChiaro);
    for (auto [r, c] : super.Rossi)
        Colora(grid, r, c, kRosso);

    msFlexGrid2_->SetRedraw(false);
    for (int r = 0; r < 6; ++r)
        msFlexGrid2_->SetTextMatrix(r, 0, Testo(super.Sei[r]));
    msFlexGrid2_->SetTextMatrix(7, 0, Testo(super.Jolly));
    msFlexGrid2_->SetRedraw(true);
}

bool Archivio::ChiediPerdita() {
    return MsgBox(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical) == MsgBoxResult::Yes;
}

void Archivio::TornaANavigazione() {
    vScroll1_->setEnabled(Module1().DrawCount > 0);
    for (QComboBox* lista : combo2_)
        lista->hide();
    Module1().EntryPending = 0;
}

// The caption names the date of the last draw, whichever draw is shown.
void Archivio::ScriviTitolo() {
    Module1State& m = Module1();
    QString data;
    if (m.DrawCount > 0) {
        m.CurrentDrawIndex = m.DrawCount;
        LeggiEstrazione();
        data = QString("%1/%2/%3")
                   .arg(m.CurrentDraw.Day)
                   .arg(m.CurrentDraw.Month)
                   .arg(m.CurrentDraw.Year);
    }
    caption_ = kTitoloArchivio + data;
    setWindowTitle(caption_);
}

void Archivio::Command1_Click() {
    if (Module1().EntryPending == 1 && !ChiediPerdita()) return;
    TornaANavigazione();
    bool mostrata = Protetto([&] {
        ScriviTitolo();
        if (Module1().DrawCount == 0)
            MostraArchivioVuoto();
        else if (vScroll1_->value() == 1)
            Visualizza(1);  // the bar does not move, and a discarded draw must not stay
        else
            vScroll1_->setValue(1);
    });
    if (!mostrata) SvuotaDopoErrore();
}

void Archivio::Ultima_Click() {
    if (Module1().EntryPending == 1 && !ChiediPerdita()) return;
    TornaANavigazione();
    bool mostrata = Protetto([&] {
        ScriviTitolo();
        const int conteggio = Module1().DrawCount;
        if (conteggio == 0) {
            MostraArchivioVuoto();
        } else if (conteggio == 1) {
            Visualizza(1);
        } else {
            // Through the draw before, so that the last one is shown again
            // even when the bar already stands on it.
            vScroll1_->setValue(conteggio - 1);
            vScroll1_->setValue(conteggio);
        }
    });
    if (!mostrata) SvuotaDopoErrore();
}

// A draw that could not be read back leaves no discarded entry on screen:
// the grid empty and the caption of the browsing window.
void Archivio::SvuotaDopoErrore() {
    MostraArchivioVuoto();
    if (caption_ == kTitoloInserimento) {
        caption_ = kTitoloArchivio;
        setWindowTitle(caption_);
    }
}

void Archivio::Esc_Click() {
    if (Module1().EntryPending == 1 && !ChiediPerdita()) return;
    TornaANavigazione();
    if (auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget()))
        cornice->close();
    else
        close();
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

void Archivio::Combo2_Click(int indice) {
    if (combo2_[indice]->currentText().isEmpty()) return;
    const QString data = combo2_[0]->currentText() + "/" + combo2_[1]->currentText() + "/" +
                         combo2_[2]->currentText();
    ScriviCellaGiorno(data);
    if (indice == 1 || indice == 2) ScriviGiorni(data);
}

// A choice made from code counts as the user's own.
void Archivio::Seleziona(int indice, int voce) {
    combo2_[indice]->setCurrentIndex(voce);
    Combo2_Click(indice);
}

// The day list for the month and year of `mydata`, day 1 chosen. A month or
// year that is not there leaves the list as it is.
void Archivio::ScriviGiorni(const QString& mydata) {
    const Parti p = PartiData(mydata);
    if (!MeseEAnno(p)) return;
    const int ultimo = UltimoGiorno(static_cast<int>(p.mese), static_cast<int>(p.anno));
    QComboBox* giorni = combo2_[0];
    giorni->clear();
    for (int i = 0; i < ultimo; ++i)
        giorni->addItem(QString::number(i + 1));
    Seleziona(0, 0);
}

// The weekday of a date that is not real (day 31 of a 30-day month chosen on
// the way) cannot be given; the cell keeps what it shows.
void Archivio::ScriviCellaGiorno(const QString& data) {
    const Parti p = PartiData(data);
    if (p.giorno < 1 || p.giorno > 31 || !MeseEAnno(p)) return;
    const std::string cella =
        CellaGiorno(static_cast<int>(p.giorno), static_cast<int>(p.mese), static_cast<int>(p.anno));
    if (!cella.empty()) msFlexGrid1_->SetTextMatrix(0, 5, Testo(cella));
}

void Archivio::Inserisci_Click() {
    Module1State& m = Module1();
    if (m.EntryPending == 1 && !ChiediPerdita()) return;
    Protetto([&] {
        // The proposed date: the last stored draw's, or today when the archive
        // has none with a real date.
        int giorno, mese, anno;
        if (m.DrawCount > 0) {
            m.CurrentDrawIndex = m.DrawCount;
            LeggiEstrazione();
        }
        const DrawRecord& ultima = m.CurrentDraw;
        if (m.DrawCount > 0 && DataValida(ultima.Day, ultima.Month, ultima.Year)) {
            giorno = ultima.Day;
            mese = ultima.Month;
            anno = ultima.Year;
        } else {
            const QDate oggi = QDate::currentDate();
            giorno = oggi.day();
            mese = oggi.month();
            anno = oggi.year();
        }

        m.EntryPending = 1;
        digitCount_ = 0;
        label1_->clear();
        vScroll1_->setEnabled(false);

        combo2_[2]->clear();
        for (int i = 0; i <= 10; ++i)
            combo2_[2]->addItem(QString::number(anno + i));
        combo2_[2]->setCurrentIndex(-1);

        MSFlexGrid* grid = msFlexGrid1_;
        const int left = grid->x() + Twips(grid->ColWidth(0) + grid->ColWidth(1));
        const int larghezza = Twips(grid->ColWidth(1));
        for (int i = 0; i < 3; ++i) {
            combo2_[i]->setGeometry(left + i * larghezza, grid->y(), larghezza,
                                    Twips(kAltezzaCombo));
            combo2_[i]->show();
            combo2_[i]->raise();
        }

        const QString proposta = QString("%1/%2/%3").arg(giorno).arg(mese).arg(anno);
        Seleziona(1, mese - 1);
        Seleziona(2, 0);
        ScriviGiorni(proposta);
        Seleziona(0, giorno - 1);

        grid->Clear();
        grid->SetTextMatrix(0, 5, Testo(CellaGiorno(giorno, mese, anno)));
        caption_ = kTitoloInserimento;
        setWindowTitle(caption_);
        Scrivi();
        grid->SetTextMatrix(0, 1, "Data:");
        grid->SetTabStop(true);
        grid->setFocus(Qt::OtherFocusReason);
        grid->SetRow(kPrimaRiga);
        grid->SetCol(1);
        label3_->clear();
        label4_->clear();
    });
}

// Whatever row it had, the cursor comes back among the wheels.
void Archivio::MSFlexGrid1_GotFocus() {
    if (msFlexGrid1_->Row() == 0 || msFlexGrid1_->Row() == 1) msFlexGrid1_->SetRow(kPrimaRiga);
}

// Two digits make a number and move the cursor on; one digit stays as typed
// when the user moves on by hand.
void Archivio::MSFlexGrid1_KeyPress(int& keyAscii) {
    if (keyAscii < '0' || keyAscii > '9' || Module1().EntryPending != 1) return;
    digitBuffer_[digitCount_] = QChar(keyAscii);
    ++digitCount_;
    msFlexGrid1_->SetText(digitBuffer_[0] + digitBuffer_[1]);
    if (digitCount_ == 2) {
        msFlexGrid1_->SetCol(msFlexGrid1_->Col() + 1);
        // A cursor that could not move (past the grid's last column) starts
        // the next number in the same cell.
        if (digitCount_ == 2) {
            digitBuffer_ = {};
            digitCount_ = 0;
        }
    }
}

// Past the fifth number, on to the next wheel, and from Venezia back to Bari.
void Archivio::MSFlexGrid1_RowColChange() {
    digitBuffer_ = {};
    digitCount_ = 0;
    MSFlexGrid* grid = msFlexGrid1_;
    if (Module1().EntryPending != 1 || grid->Col() != 6) return;
    const int riga = grid->Row() == kUltimaRiga ? kPrimaRiga : grid->Row() + 1;
    grid->SetCol(1);
    grid->SetRow(riga);
}

CelleRuote Archivio::CelleScritte() const {
    CelleRuote celle;
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p)
            celle[w - 1][p - 1] = msFlexGrid1_->TextMatrix(w + 1, p).toStdString();
    return celle;
}

void Archivio::Salva_Click() {
    Module1State& m = Module1();
    if (m.EntryPending != 1) return;
    const std::array<std::string, 3> data = {combo2_[0]->currentText().toStdString(),
                                             combo2_[1]->currentText().toStdString(),
                                             combo2_[2]->currentText().toStdString()};
    const std::optional<DrawRecord> draw = ComponiEstrazione(data, CelleScritte());
    if (draw) {
        m.CurrentDraw = *draw;
        m.ArchiveMode = 2;
    } else {
        m.ArchiveMode = 1;
    }
    int modo = m.ArchiveMode;
    // On Yes this window is closed and goes away: nothing here may follow.
    ArchiviaEstrazione(modo);
}

void Archivio::ClipB_Click() {
    if (Module1().EntryPending != 1) return;
    MSFlexGrid* grid = msFlexGrid1_;
    grid->SetRedraw(false);
    const CelleRuote celle = CelleScritte();
    const bool scritto = std::any_of(celle.begin(), celle.end(), [](const auto& ruota) {
        return std::any_of(ruota.begin(), ruota.end(), [](const auto& c) { return !c.empty(); });
    });
    if (scritto && !ChiediPerdita()) {
        grid->SetRedraw(true);
        return;
    }
    grid->SetRedraw(true);
    VisualizzaClip();
}

// The fifty numbers written wheel by wheel as they stand in the clipboard's
// text, over whatever the cells held; a text with fewer leaves the rest.
void Archivio::VisualizzaClip() {
    MSFlexGrid* grid = msFlexGrid1_;
    const QString testo = QGuiApplication::clipboard()->text();
    if (!testo.isEmpty()) {
        const std::vector<std::string> numeri = NumeriDaTesto(testo.toStdString());
        for (std::size_t i = 0; i < numeri.size(); ++i) {
            grid->SetRow(kPrimaRiga + static_cast<int>(i) / 5);
            grid->SetCol(1 + static_cast<int>(i) % 5);
            grid->SetText(Testo(numeri[i]));
        }
        const CelleRuote celle = CelleScritte();
        const bool valide = std::all_of(celle.begin(), celle.end(), [](const auto& ruota) {
            return std::all_of(ruota.begin(), ruota.end(),
                               [](const auto& c) { return NumeroValido(c); });
        });
        if (valide) {
            SuperTemp();
            grid->SetRedraw(true);
            return;
        }
    }
    MsgBox(kAppuntiNonValidi, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation);
    grid->SetRedraw(true);
}

}  // namespace ruotario
