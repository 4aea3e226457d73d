// Archives and series files of random bytes and random lengths, opened the way
// a player opens them: the draw shown, the first and a middle one, the series
// listed, the first one analysed. Whatever the files hold, nothing crashes,
// the only message is the refusal of a series with numbers outside 1..90, and
// the main window is left enabled.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <random>

#include "archive/archivio.h"
#include "series/serie.h"
#include "shell/form41.h"
#include "app/mdiform1.h"
#include "shell/msgbox.h"
#include "store/module1.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

class RisposteRegistrate : public MsgBoxResponder {
  public:
    RisposteRegistrate() { SetMsgBoxResponder(this); }
    ~RisposteRegistrate() override { SetMsgBoxResponder(nullptr); }
    MsgBoxResult Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon) override {
        testi << testo;
        return pulsanti == MsgBoxButtons::Ok ? MsgBoxResult::Ok : MsgBoxResult::No;
    }
    QStringList testi;
};

// Mostly values a draw or a series may hold (empty slots, 1..90, a little
// past), now and then any 16-bit value; `lunghezza` bytes in all.
std::string Byte(std::mt19937& caso, std::size_t lunghezza) {
    std::string dati;
    while (dati.size() < lunghezza) {
        int valore = caso() % 5 == 0 ? static_cast<int>(caso() % 65536) - 32768
                                     : static_cast<int>(caso() % 94) - 1;
        dati += static_cast<char>(valore & 0xFF);
        dati += static_cast<char>((valore >> 8) & 0xFF);
    }
    dati.resize(lunghezza);
    return dati;
}

// A few series, most of them real ones, then a fragment of any bytes.
std::string Serie(std::mt19937& caso) {
    std::string dati;
    for (int serie = caso() % 6; serie > 0; --serie) {
        if (caso() % 4 == 0) {
            dati += Byte(caso, 40);
            continue;
        }
        std::string slot(40, '\0');
        for (int n = 0, quanti = 1 + caso() % 20; n < quanti; ++n)
            slot[2 * n] = static_cast<char>(1 + caso() % 90);
        dati += slot;
    }
    return dati + Byte(caso, caso() % 40);
}

TEST(FileCasuali, LeFinestreMostranoOppureRifiutanoSenzaCadere) {
    std::mt19937 caso(20261206);
    int analisi = 0;
    for (int giro = 0; giro < 25; ++giro) {
        prova::CartellaProva cartella;
        prova::ScriviBytes(cartella.File("Lotto.dat"), Byte(caso, caso() % (300 * 106)));
        prova::ScriviBytes(cartella.File("Serie"), Serie(caso));
        RisposteRegistrate risposte;
        {
            MDIForm1 principale;
            principale.show();
            principale.mnuEstra()->trigger();
            if (Archivio* archivio = Archivio::Istanza(); archivio && Module1().DrawCount > 0) {
                QTest::mouseClick(archivio->Command1(), Qt::LeftButton);
                archivio->VScroll1()->setValue((Module1().DrawCount + 1) / 2);
            }
            principale.mnuSerie()->trigger();
            auto* elabora = Serie::Istanza()->findChild<QAbstractButton*>("Command1_0");
            if (elabora->isEnabled()) QTest::mouseClick(elabora, Qt::LeftButton);
            analisi += principale.Area()->subWindowList().size() == 3;
            EXPECT_EQ(Form41::Istanza(), nullptr);
            EXPECT_TRUE(principale.isEnabled());
        }
        // The only box: a stored number outside 1..90, named.
        for (const QString& testo : risposte.testi)
            EXPECT_TRUE(testo.startsWith("Serie non valida: il numero ") &&
                        testo.endsWith(" è fuori dall'intervallo 1-90."))
                << testo.toStdString();
    }
    // Most rounds get as far as an analysis window.
    EXPECT_GT(analisi, 10);
}

}  // namespace
}  // namespace ruotario
