#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "analysis/ricerca2.h"
#include "app/mdiform1.h"
#include "archive/testo_qt.h"
#include "series/file_serie.h"
#include "series/serie.h"
#include "support/archivio_prova.h"

namespace ruotario::prova {

// A program folder with `estrazioni` weekly draws (Saturdays from 7 January
// 1871) and the series given, stored as they are (damaged ones too); the main
// window and the series window opened from its menu.
class BancoSerie {
  public:
    BancoSerie(int estrazioni, const std::vector<std::vector<int>>& serie)
        : pronto_(Prepara(estrazioni, serie)) {
        principale.show();
        principale.mnuSerie()->trigger();
        if (!Serie::Istanza()) throw std::runtime_error("la finestra delle serie non si apre");
    }

    template <typename T = QWidget>
    T* C(const char* nome) const {
        return Serie::Istanza()->findChild<T*>(nome);
    }
    QString Testo(const char* nome) const { return C<QLabel>(nome)->text(); }
    void Premi(const char* nome) const {
        QTest::mouseClick(C<QAbstractButton>(nome), Qt::LeftButton);
    }
    // Clicks the item of List1 or List2 with this text.
    void Scegli(const char* lista, int numero) const {
        auto* l = C<QListWidget>(lista);
        QListWidgetItem* voce = l->findItems(QString::number(numero), Qt::MatchExactly).value(0);
        l->scrollToItem(voce);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(voce).center());
    }
    QStringList Voci(const char* lista) const {
        QStringList voci;
        for (QListWidgetItem* voce : C<QListWidget>(lista)->findItems("*", Qt::MatchWildcard))
            voci << voce->text();
        return voci;
    }
    QStringList Combo() const {
        QStringList voci;
        for (int r = 0; r < C<QComboBox>("Combo1")->count(); ++r)
            voci << C<QComboBox>("Combo1")->itemText(r);
        return voci;
    }
    // Picks stored series `voce` and presses Elabora.
    Ricerca2* Elabora(int voce) const {
        C<QComboBox>("Combo1")->setCurrentIndex(voce);
        Premi("Command1_0");
        return AnalysisWindow();
    }

  private:
    static bool Prepara(int estrazioni, const std::vector<std::vector<int>>& serie) {
        ScriviArchivio(Settimanali(estrazioni));
        std::string dati;
        for (const auto& numeri : serie) {
            SeriesRecord record;
            std::copy(numeri.begin(), numeri.end(), record.Slot.begin());
            dati += EncodeSerie(record);
        }
        ScriviBytes(SeriePath(), dati);
        return true;
    }

    CartellaProva cartella_;
    bool pronto_;  // the files are written before the main window counts them

  public:
    MDIForm1 principale;
};

}  // namespace ruotario::prova
