// The archive window takes a new draw: the date picked in three lists, the
// fifty numbers typed two digits a cell or pasted from the clipboard, and the
// save.
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

#include "archive/appunti.h"
#include "archive/archivia_estrazione.h"
#include "archive/archivio.h"
#include "archive/archivio_comune.h"
#include "archive/vista.h"
#include "shell/msflexgrid.h"
#include "shell/msgbox.h"
#include "shell/twips.h"
#include "store/calendario.h"
#include "store/module1.h"

namespace ruotario {

using namespace archivio;

namespace {

const QString kAppuntiNonValidi =
    "Attenzione: gli Appunti potrebbero essere vuoti oppure\ri dati caricati non sono validi, "
    "riprova";

}  // namespace

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
    const std::optional<int> ultimo = GiorniDelMese(mydata.toStdString());
    if (!ultimo) return;
    QComboBox* giorni = combo2_[0];
    giorni->clear();
    for (int i = 0; i < *ultimo; ++i)
        giorni->addItem(QString::number(i + 1));
    Seleziona(0, 0);
}

// The weekday of a date that is not real (day 31 of a 30-day month chosen on
// the way) cannot be given; the cell keeps what it shows.
void Archivio::ScriviCellaGiorno(const QString& data) {
    if (const auto cella = CellaGiornoDi(data.toStdString()))
        msFlexGrid1_->SetTextMatrix(0, 5, Testo(*cella));
}

void Archivio::Inserisci_Click() {
    Module1State& m = Module1();
    if (m.EntryPending == 1 && !ChiediPerdita()) return;
    Protetto([&] {
        std::optional<DrawRecord> ultima;
        if (m.DrawCount > 0) {
            m.CurrentDrawIndex = m.DrawCount;
            LeggiEstrazione();
            ultima = m.CurrentDraw;
        }
        const QDate oggi = QDate::currentDate();
        const Data data = DataProposta(ultima, {oggi.day(), oggi.month(), oggi.year()});

        m.EntryPending = 1;
        cifre_.Azzera();
        label1_->clear();
        vScroll1_->setEnabled(false);

        combo2_[2]->clear();
        for (const std::string& anno : AnniProposti(data.anno))
            combo2_[2]->addItem(Testo(anno));
        combo2_[2]->setCurrentIndex(-1);

        // The three lists over the date cells, each as wide as a number column.
        MSFlexGrid* grid = msFlexGrid1_;
        const int left = grid->x() + Twips(grid->ColWidth(0) + grid->ColWidth(1));
        const int larghezza = Twips(grid->ColWidth(1));
        for (int i = 0; i < 3; ++i) {
            combo2_[i]->setGeometry(left + i * larghezza, grid->y(), larghezza,
                                    Twips(kAltezzaCombo));
            combo2_[i]->show();
            combo2_[i]->raise();
        }

        const QString proposta = QString("%1/%2/%3").arg(data.giorno).arg(data.mese).arg(data.anno);
        Seleziona(1, data.mese - 1);
        Seleziona(2, 0);
        ScriviGiorni(proposta);
        Seleziona(0, data.giorno - 1);

        grid->Clear();
        grid->SetTextMatrix(0, 5, Testo(CellaGiorno(data.giorno, data.mese, data.anno)));
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
    if (Module1().EntryPending != 1 || keyAscii < 0 || keyAscii > 127 ||
        !cifre_.Digita(static_cast<char>(keyAscii)))
        return;
    msFlexGrid1_->SetText(Testo(cifre_.Testo()));
    if (!cifre_.Completa()) return;
    msFlexGrid1_->SetCol(msFlexGrid1_->Col() + 1);
    // A cursor that could not move (past the grid's last column) starts the
    // next number in the same cell.
    if (cifre_.Completa()) cifre_.Azzera();
}

// Past the fifth number, on to the next wheel, and from Venezia back to Bari.
void Archivio::MSFlexGrid1_RowColChange() {
    cifre_.Azzera();
    MSFlexGrid* grid = msFlexGrid1_;
    if (Module1().EntryPending != 1) return;
    if (const auto dopo = CellaDopo(grid->Row(), grid->Col())) {
        grid->SetCol(dopo->second);
        grid->SetRow(dopo->first);
    }
}

CelleRuote Archivio::CelleScritte() const {
    CelleRuote celle;
    for (int w = 1; w <= kRuote; ++w)
        for (int p = 1; p <= kPosizioni; ++p)
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
            grid->SetRow(kPrimaRiga + static_cast<int>(i) / kPosizioni);
            grid->SetCol(1 + static_cast<int>(i) % kPosizioni);
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
