#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "archive/celle.h"
#include "archive/inserimento.h"
#include "archive/superenalotto.h"
#include "shell/cornice.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace ruotario {

class MSFlexGrid;

// The archive window: one draw at a time in the draw grid, with its date,
// weekday, its numbers in the archive, in its year and in its month, and the
// Super Enalotto combination derived from it; the same grid takes a new draw,
// typed or pasted from the clipboard, and saves it.
class Archivio : public QWidget, public RichiestaChiusura {
    Q_OBJECT

  public:
    // The one archive window, or nullptr when it is not open.
    static Archivio* Istanza();
    // "&Estrazioni": opens the window in the main window on the last draw, or
    // brings it to the front when it is already open.
    static Archivio* Apri();

    // Loads the window: lays it out and shows the last draw.
    Archivio();
    ~Archivio() override;

    MSFlexGrid* MSFlexGrid1() const { return msFlexGrid1_; }
    MSFlexGrid* MSFlexGrid2() const { return msFlexGrid2_; }
    QScrollBar* VScroll1() const { return vScroll1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Ultima() const { return ultima_; }
    QPushButton* Esc() const { return esc_; }
    QTabWidget* SSTab1() const { return ssTab1_; }
    QPushButton* Inserisci() const { return inserisci_; }
    QPushButton* Salva() const { return salva_; }
    QPushButton* ClipB() const { return clipB_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label4() const { return label4_; }
    QComboBox* Combo2(int i) const { return combo2_[i]; }

    // Before the window closes: with a draw being entered, asks whether it may
    // be lost; true when the window may close.
    bool QueryUnload() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Layout (archivio.cpp).
    void CreaControlli();
    void CreaSchede();
    void Form_Load();
    void Impaginazione();
    void Scrivi();
    void CentraNellaPrincipale();

    // Display and navigation (archivio_vista.cpp).
    void VScroll1_Change(int valore);
    void Visualizza(int record);
    void MostraArchivioVuoto();
    void SvuotaDopoErrore();
    // The Super Enalotto of the draw in the grid: its grid, its red cells.
    void SuperTemp();
    void MostraSuper(const SuperEnalotto& super);
    void Command1_Click();
    void Ultima_Click();
    void Esc_Click();
    bool ChiediPerdita();
    void TornaANavigazione();
    void ScriviTitolo();

    // Date lists and entry (archivio_inserimento.cpp).
    void Combo2_Click(int indice);
    void Seleziona(int indice, int voce);
    void ScriviGiorni(const QString& mydata);
    void ScriviCellaGiorno(const QString& data);
    void Inserisci_Click();
    void MSFlexGrid1_GotFocus();
    void MSFlexGrid1_KeyPress(int& keyAscii);
    void MSFlexGrid1_RowColChange();
    void Salva_Click();
    void ClipB_Click();
    void VisualizzaClip();
    CelleRuote CelleScritte() const;

    MSFlexGrid* msFlexGrid1_;
    MSFlexGrid* msFlexGrid2_;
    QScrollBar* vScroll1_;
    QPushButton* command1_;
    QPushButton* ultima_;
    QPushButton* esc_;
    QTabWidget* ssTab1_;
    QPushButton* inserisci_;
    QPushButton* salva_;
    QPushButton* clipB_;
    QLabel* label1_;
    std::array<QLabel*, 3> label2_;
    QLabel* label3_;
    QLabel* label4_;
    std::array<QComboBox*, 3> combo2_;
    // What each tab of SSTab1 holds, shown while that tab is the current one.
    std::array<std::vector<QWidget*>, 3> schede_;

    QString caption_;
    // The digits typed into the current cell so far.
    Digitazione cifre_;
};

}  // namespace ruotario
