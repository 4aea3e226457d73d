#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "app/mdiform1.h"
#include "archive/archivio.h"
#include "archive/testo_qt.h"
#include "shell/msflexgrid.h"
#include "store/module1.h"
#include "support/archivio_prova.h"
#include "support/msgbox_script.h"

namespace ruotario::prova {

inline const QString kPerdita =
    QString::fromUtf8("Attenzione:i dati che hai inserito andranno persi !\nVuoi continuare?");

// The main window, 1000 x 700, on an archive of the test's own, and the
// archive window opened from its menu as a person opens it. A window that
// does not open ends the test with an exception rather than a crash.
struct FinestraArchivio : testing::Test {
    Archivio* Apri(const std::vector<DrawRecord>& draws) {
        ScriviArchivio(draws);
        principale = std::make_unique<MDIForm1>();
        principale->resize(1000, 700);
        principale->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(principale.get()));
        principale->mnuEstra()->trigger();
        archivio = Archivio::Istanza();
        if (!archivio) throw std::runtime_error("la finestra dell'archivio non si apre");
        return archivio;
    }
    void TearDown() override {
        Module1().EntryPending = 0;
        principale.reset();
    }

    MSFlexGrid* Griglia() const { return archivio->MSFlexGrid1(); }
    QString Cella(int r, int c) const { return Griglia()->TextMatrix(r, c); }
    void Clic(QWidget* pulsante) const { QTest::mouseClick(pulsante, Qt::LeftButton); }
    void ClicCella(int r, int c) const {
        QTest::mouseClick(Griglia()->viewport(), Qt::LeftButton, {},
                          Griglia()->visualRect(Griglia()->model()->index(r, c)).center());
    }
    // Label1, Label3, Label4: the draw's number, within its year, within its month.
    QStringList Etichette() const {
        return {archivio->Label1()->text(), archivio->Label3()->text(), archivio->Label4()->text()};
    }
    std::pair<int, int> Cursore() const { return {Griglia()->Row(), Griglia()->Col()}; }
    QMdiSubWindow* Cornice() const {
        return qobject_cast<QMdiSubWindow*>(archivio->parentWidget());
    }
    // The texts of the fifty number cells, wheel after wheel.
    QStringList Numeri() const {
        QStringList numeri;
        for (int r = 2; r <= 11; ++r)
            for (int c = 1; c <= 5; ++c)
                numeri << Cella(r, c);
        return numeri;
    }

    CartellaProva cartella;
    MsgBoxScript script;
    std::unique_ptr<MDIForm1> principale;
    QPointer<Archivio> archivio;
};

}  // namespace ruotario::prova
