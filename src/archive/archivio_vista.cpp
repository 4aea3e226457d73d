// The archive window: one stored draw in the grid, and moving through the
// archive with the scroll bar and the first and last draw buttons.
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollBar>

#include "archive/archivio.h"
#include "archive/archivio_comune.h"
#include "archive/vista.h"
#include "shell/msflexgrid.h"
#include "shell/msgbox.h"
#include "store/lotto_dat.h"
#include "store/module1.h"

namespace ruotario {

using namespace archivio;

namespace {

const QString kPerdita =
    QString::fromUtf8("Attenzione:i dati che hai inserito andranno persi !\nVuoi continuare?");

const QColor kGrigioIntestazione(128, 128, 128);
const QColor kBianco(255, 255, 255);
const QColor kRosso(255, 0, 0);
const QColor kGrigioChiaro(224, 224, 224);

}  // namespace

// The fixed texts of both grids; the number cells keep what they hold.
void Archivio::Scrivi() {
    MSFlexGrid* grid = msFlexGrid1_;
    grid->SetTabStop(true);
    grid->SetRedraw(false);
    for (int r = kPrimaRiga; r <= kUltimaRiga; ++r)
        grid->SetTextMatrix(r, 0, QString::fromUtf8(NomeRuota(r - 1).data()));
    for (int c = 1; c <= 5; ++c) {
        grid->SetForeColorAt(1, c, kBianco);
        grid->SetBackColorAt(1, c, kGrigioIntestazione);
    }
    grid->SetTextMatrix(0, 1, "Data:");
    const char* posizioni[] = {"I", "II", "III", "IV", "V"};
    for (int c = 1; c <= 5; ++c)
        grid->SetTextMatrix(1, c, posizioni[c - 1]);

    MSFlexGrid* super = msFlexGrid2_;
    super->Clear();
    super->SetRedraw(false);
    super->SetTextMatrix(6, 0, "Jolly");
    super->SetForeColorAt(6, 0, kRosso);
    super->SetRedraw(true);

    grid->SetRedraw(true);
    grid->SetTabStop(false);
}

void Archivio::VScroll1_Change(int valore) {
    Protetto([&] { Visualizza(valore); });
}

// What `ruotario-cli mostra` prints of the record, in the grid and the labels.
void Archivio::Visualizza(int record) {
    Scrivi();
    const SchedaEstrazione scheda = SchedaDi(LottoDatPath(), record);
    MSFlexGrid* grid = msFlexGrid1_;
    grid->SetRedraw(false);
    for (int i = 0; i < 3; ++i)
        grid->SetTextMatrix(0, 2 + i, Testo(scheda.Vista.Data[i]));
    for (int w = 1; w <= kRuote; ++w)
        for (int p = 1; p <= kPosizioni; ++p)
            grid->SetTextMatrix(w + 1, p, Testo(scheda.Vista.Numeri[w - 1][p - 1]));
    label1_->setText(Testo(scheda.Record));
    grid->SetTextMatrix(0, 5, Testo(scheda.Vista.CellaGiorno));
    MostraSuper(scheda.Super);
    grid->SetRedraw(true);
    grid->SetTabStop(false);

    // The numbering walked back through the archive: the shared cursor stays
    // on the record it read last.
    Module1State& m = Module1();
    m.CurrentDrawIndex = static_cast<std::int32_t>(scheda.Numeri.Cursore);
    m.CurrentDraw = scheda.Numeri.UltimoLetto;
    label3_->setText(Testo(scheda.Numeri.Annuale));
    label4_->setText(Testo(scheda.Numeri.Mensile));
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
    ValoriRuote valori{};
    for (int w = 1; w <= kRuote; ++w)
        for (int c = 1; c <= 6; ++c)
            valori[w - 1][c - 1] = ValoreCella(msFlexGrid1_->TextMatrix(w + 1, c).toStdString());
    MostraSuper(DerivaSuperEnalotto(valori));
}

void Archivio::MostraSuper(const SuperEnalotto& super) {
    // Every mark is painted afresh, so none is left over from the draw before.
    MSFlexGrid* grid = msFlexGrid1_;
    grid->SetRedraw(false);
    for (int r = kPrimaRiga; r <= kUltimaRiga; ++r)
        for (int c = 1; c <= 5; ++c)
            grid->SetBackColorAt(r, c, kGrigioChiaro);
    for (auto [r, c] : super.Rossi)
        grid->SetBackColorAt(r, c, kRosso);

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

}  // namespace ruotario
