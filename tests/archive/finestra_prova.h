#pragma once

#include <QTest>
#include <QtWidgets>

#include "app/mdiform1.h"
#include "archive/archivio.h"
#include "shell/msflexgrid.h"
#include "support/archivio_prova.h"
#include "support/msgbox_script.h"

// Failing checks print QStrings as text.
inline void PrintTo(const QString& s, std::ostream* o) {
    *o << '"' << s.toStdString() << '"';
}

namespace ruotario::prova {

// The main window, 1000 x 700, on an archive of the test's own, and the
// archive window opened from its menu as a person opens it. A window that
// does not open ends the test with an exception rather than a crash.
struct FinestraArchivio : testing::Test {
    void Apri(const std::vector<DrawRecord>& draws) {
        ScriviArchivio(draws);
        principale = std::make_unique<MDIForm1>();
        principale->resize(1000, 700);
        principale->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(principale.get()));
        principale->mnuEstra()->trigger();
        if (!(archivio = Archivio::Istanza()))
            throw std::runtime_error("la finestra dell'archivio non si apre");
    }
    ~FinestraArchivio() override { Module1().EntryPending = 0; }  // no question at the end

    MSFlexGrid* Griglia() const { return archivio->MSFlexGrid1(); }
    QString Cella(int r, int c) const { return Griglia()->TextMatrix(r, c); }
    void Clic(QWidget* pulsante) const { QTest::mouseClick(pulsante, Qt::LeftButton); }
    // Label1, Label3, Label4: the draw's number, within its year, within its month.
    QStringList Etichette() const {
        return {archivio->Label1()->text(), archivio->Label3()->text(), archivio->Label4()->text()};
    }
    // The texts of the fifty number cells, wheel after wheel.
    QStringList Numeri() const {
        QStringList numeri;
        for (int i = 0; i < 50; ++i)
            numeri << Cella(i / 5 + 2, i % 5 + 1);
        return numeri;
    }

    CartellaProva cartella;
    MsgBoxScript script;
    std::unique_ptr<MDIForm1> principale;
    QPointer<Archivio> archivio;
};

}  // namespace ruotario::prova
