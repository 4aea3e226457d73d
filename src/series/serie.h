#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "series/file_serie.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QListWidget;
class QScrollBar;

namespace ruotario {

// "Archivio Serie": composes a series from the numbers 1 to 90, keeps series
// in the "Serie" file, picks a stored series and a range of draws and hands
// them to a new analysis window. One instance, inside the main window.
class Serie : public QWidget {
    Q_OBJECT

  public:
    // The open series window, or nullptr.
    static Serie* Istanza();
    // Opens the window in the main window, or brings the open one to the front.
    static Serie* Apri();

    ~Serie() override;

  private:
    Serie();

    void Form_Load();
    void PreparaBarre();
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void HScroll1_Change();
    void HScroll2_Change();
    // Reads draw CurrentDrawIndex into the weekday and date of the labels.
    bool PrelevaData();
    // Lists the series the file holds. After an operation that failed and
    // said why, a listing that fails again says nothing more.
    void CaricaSerieArchivio(bool avvisa = true);
    // SeriesNumbers from SeriesText, the entry chosen for the analysis.
    void caricaSerie();
    void SalvaSerie();

    void Elabora();
    void Elimina();
    void Svuota();
    void Seleziona();
    void Ripristina();
    void RiempiNumeri();
    void AggiornaConteggio();

    QComboBox* combo1_;
    std::array<QAbstractButton*, 5> command1_{};
    std::array<QAbstractButton*, 3> command2_{};
    QScrollBar* hScroll1_;
    QScrollBar* hScroll2_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QListWidget* list1_;
    QListWidget* list2_;
    QLabel* label6_;
    QLabel* link_;

    // The series the list shows, in its order.
    std::vector<SeriesRecord> serie_;
    // A draw that could not be read was reported during the drag under way.
    bool avvisatoNelTrascinamento_ = false;
    // The draw PrelevaData read last.
    std::string DrawDate;
    std::string DrawWeekday;
};

}  // namespace ruotario
