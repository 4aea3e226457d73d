#pragma once

#include "analysis/ricerca2.h"
#include "archive/finestra_prova.h"
#include "series/serie.h"

namespace ruotario::prova {

// A program folder with `estrazioni` weekly draws (Saturdays from 7 January
// 1871) and the series given, stored as they are (damaged ones too); the main
// window and the series window opened from its menu.
struct BancoSerie : CartellaProva {
    BancoSerie(int estrazioni, const std::vector<std::vector<int>>& serie)
        : pronto_(Prepara(estrazioni, serie)) {
        principale.show();
        principale.mnuSerie()->trigger();
        if (!Serie::Istanza()) throw std::runtime_error("la finestra delle serie non si apre");
    }

    template <typename T = QWidget>
    T* C(const char* n) const {
        return Serie::Istanza()->findChild<T*>(n);
    }
    void Premi(const char* n) const { QTest::mouseClick(C<QAbstractButton>(n), Qt::LeftButton); }
    // Clicks the item of List1 or List2 with this text.
    void Scegli(const char* lista, int numero) const {
        auto* l = C<QListWidget>(lista);
        QListWidgetItem* voce = l->findItems(QString::number(numero), Qt::MatchExactly).value(0);
        l->scrollToItem(voce);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(voce).center());
    }
    // The texts of List1 or List2, and of Combo1.
    QStringList Voci(const char* lista) const { return Testi(C<QListWidget>(lista)->model()); }
    QStringList Combo() const { return Testi(C<QComboBox>("Combo1")->model()); }
    // Picks stored series `voce` and presses Elabora.
    Ricerca2* Elabora(int voce) const {
        C<QComboBox>("Combo1")->setCurrentIndex(voce);
        Premi("Command1_0");
        return AnalysisWindow();
    }
    static QStringList Testi(const QAbstractItemModel* modello) {
        QStringList testi;
        for (int r = 0; r < modello->rowCount(); ++r)
            testi << modello->index(r, 0).data().toString();
        return testi;
    }
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

    bool pronto_;  // the files are written before the main window counts them
    MDIForm1 principale;
};

}  // namespace ruotario::prova
