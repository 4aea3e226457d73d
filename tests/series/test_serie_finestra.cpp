#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QMdiArea>
#include <QScrollBar>
#include <QTimer>
#include <cerrno>

#include "series/banco_serie.h"
#include "shell/twips.h"
#include "store/module1.h"
#include "support/io_guasto.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using prova::BancoSerie;
using prova::MsgBoxScript;
constexpr auto Ok = MsgBoxButtons::Ok;
constexpr auto SiNo = MsgBoxButtons::YesNo;
constexpr auto Avviso = MsgBoxIcon::Exclamation;
constexpr auto Domanda = MsgBoxIcon::Question;
const QString kSegnaposto = "  Non ci sono Serie da Visualizzare ";

// Catches the address the link opens.
class Browser : public QObject {
    Q_OBJECT
  public:
    QUrl aperto;
  public slots:
    void Apri(const QUrl& url) { aperto = url; }
};

QRect InTwips(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

std::array<bool, 3> Abilitati(const BancoSerie& b) {
    return {b.C("Command1_0")->isEnabled(), b.C("Command1_1")->isEnabled(),
            b.C("Command1_2")->isEnabled()};
}

TEST(Serie, SiApreUnaVoltaComeDisegnata) {
    BancoSerie b(5000, {});
    Serie* serie = Serie::Istanza();
    b.principale.mnuSerie()->trigger();
    EXPECT_EQ(b.principale.Area()->subWindowList().size(), 1);
    EXPECT_EQ(Serie::Istanza(), serie);
    EXPECT_EQ(serie->windowTitle(), "Archivio Serie");
    EXPECT_EQ(serie->parentWidget()->geometry(), InTwips(0, 0, 10975, 7700));

    const std::tuple<const char*, QString, QString, QRect> pulsanti[] = {
        {"Command1_2", "Svuota", "Elimina tutte le serie dall'archivio",
         InTwips(3720, 960, 1455, 975)},
        {"Command1_3", "Esci", "Chiudi finestra", InTwips(7320, 960, 1455, 975)},
        {"Command2_1", "Ripristina", "Togli un numero al listato di destra",
         InTwips(2160, 5040, 1455, 855)},
    };
    for (const auto& [nome, testo, suggerimento, posto] : pulsanti) {
        auto* pulsante = b.C<QAbstractButton>(nome);
        EXPECT_EQ(pulsante->text(), testo);
        EXPECT_EQ(pulsante->toolTip(), suggerimento);
        EXPECT_EQ(pulsante->geometry(), posto) << nome;
        EXPECT_EQ(pulsante->font().family(), "Verdana");
        EXPECT_EQ(pulsante->font().pointSizeF(), 9.75);
    }
    EXPECT_EQ(b.C("Combo1")->geometry(), InTwips(100, 240, 10695, 390));
    EXPECT_EQ(b.C("Combo1")->font().pointSizeF(), 11.25);
    EXPECT_EQ(b.C("HScroll2")->geometry(), InTwips(600, 3120, 2415, 375));
    EXPECT_EQ(b.C("List1")->geometry(), InTwips(720, 3960, 1095, 2940));
    EXPECT_EQ(b.C("Label3")->pos(), InTwips(6480, 2880, 0, 0).topLeft());
    EXPECT_EQ(b.C("Label6")->font().pointSizeF(), 12);
    EXPECT_TRUE(b.Testo("Label6").startsWith("Questo strumento di gioco per il lotto appartiene"));

    EXPECT_EQ(b.C<QScrollBar>("HScroll1")->value(), 4820);
    EXPECT_EQ(b.C<QScrollBar>("HScroll2")->maximum(), 5000);
    EXPECT_EQ(b.Testo("Label1"), "sabato, 18/05/1963");
    EXPECT_EQ(b.Testo("Label2"), "sabato, 29/10/1966");
    EXPECT_EQ(b.Testo("Label3"), "Estrazioni Analizzate : 181");
    EXPECT_EQ(Module1().RangeStart, 4820);
    EXPECT_EQ(Module1().RangeEnd, 5000);
    EXPECT_EQ(b.Voci("List1").size(), 90);
    EXPECT_EQ(b.Combo(), QStringList{kSegnaposto});
    EXPECT_EQ(Abilitati(b), (std::array<bool, 3>{false, false, false}));

    Browser browser;
    QDesktopServices::setUrlHandler("http", &browser, "Apri");
    EXPECT_EQ(b.Testo("Link"), "Il sito ufficiale del Quintario2000");
    QTest::mouseClick(b.C("Link"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("http");
    EXPECT_EQ(browser.aperto, QUrl("http://www.ruotario.example/"));

    b.Premi("Command1_3");
    EXPECT_TRUE(QTest::qWaitFor([] { return Serie::Istanza() == nullptr; }));
}

TEST(Serie, LeBarreNonSiIncrociano) {
    BancoSerie b(5000, {});
    auto* inizio = b.C<QScrollBar>("HScroll1");
    auto* fine = b.C<QScrollBar>("HScroll2");
    fine->setValue(4900);
    EXPECT_EQ(b.Testo("Label3"), "Estrazioni Analizzate : 81");
    inizio->setValue(4950);
    EXPECT_EQ(fine->value(), 4950);
    EXPECT_EQ(b.Testo("Label2"), "sabato, 13/11/1965");
    EXPECT_EQ(b.Testo("Label3"), "Estrazioni Analizzate : 1");
    fine->setValue(4900);
    EXPECT_EQ(inizio->value(), 4900);
    EXPECT_EQ(b.Testo("Label1"), "sabato, 28/11/1964");
    EXPECT_EQ(Module1().RangeStart, 4900);
    EXPECT_EQ(Module1().RangeEnd, 4900);
}

TEST(Serie, PocheEstrazioniONessuna) {
    {
        BancoSerie b(50, {});
        EXPECT_EQ(b.Testo("Label1"), "sabato, 07/01/1871");
        EXPECT_EQ(b.Testo("Label3"), "Estrazioni Analizzate : 50");
        EXPECT_EQ(Module1().RangeStart, 1);
    }
    BancoSerie b(0, {{5, 6}});
    EXPECT_FALSE(b.C("HScroll1")->isEnabled());
    EXPECT_FALSE(b.C("HScroll2")->isEnabled());
    EXPECT_EQ(b.Testo("Label1"), "Estrazione Iniziale :");
    EXPECT_EQ(b.Testo("Label3"), "Estrazioni Analizzate :");
    EXPECT_EQ(Abilitati(b), (std::array<bool, 3>{false, true, true}));
}

TEST(Serie, ComporreLaSerie) {
    BancoSerie b(10, {});
    MsgBoxScript script;
    script.Attendi("Selezionare un numero dal listato di sinistra", Ok, Avviso, MsgBoxResult::Ok)
        .Attendi("Selezionare un numero dal listato di destra", Ok, Avviso, MsgBoxResult::Ok);
    b.Premi("Command2_0");
    b.Premi("Command2_1");

    b.Scegli("List1", 17);
    b.Premi("Command2_0");
    EXPECT_EQ(b.Voci("List2"), QStringList{"17"});
    EXPECT_FALSE(b.Voci("List1").contains("17"));
    b.Scegli("List2", 17);
    b.Premi("Command2_1");
    EXPECT_EQ(b.Voci("List1").mid(15, 3), (QStringList{"16", "17", "18"}));

    // Twenty on the right; then 85 goes back before 86, its position 84
    // lying past the end of the left list.
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 85}) {
        b.Scegli("List1", n);
        b.Premi("Command2_0");
    }
    script.Attendi("Inserire non piu' di 20 numeri", Ok, Avviso, MsgBoxResult::Ok);
    b.Scegli("List1", 40);
    b.Premi("Command2_0");
    EXPECT_EQ(b.Voci("List1").size(), 70);
    b.Scegli("List2", 85);
    b.Premi("Command2_1");
    EXPECT_EQ(b.Voci("List1").mid(64, 3), (QStringList{"84", "85", "86"}));

    b.Premi("Command2_2");
    EXPECT_TRUE(b.Voci("List2").isEmpty());
    EXPECT_EQ(b.Voci("List1").size(), 90);
    EXPECT_EQ(b.Voci("List1").first(), "1");
}

TEST(Serie, SalvaEliminaSvuota) {
    BancoSerie b(10, {});
    MsgBoxScript script;
    script.Attendi("Inserire Serie", Ok, Avviso, MsgBoxResult::Ok);
    b.Premi("Command1_4");
    for (int n : {7, 45}) {
        b.Scegli("List1", n);
        b.Premi("Command2_0");
    }
    script.Attendi("Salvare Serie ?", SiNo, Domanda, MsgBoxResult::No)
        .Attendi("Salvare Serie ?", SiNo, Domanda, MsgBoxResult::Yes);
    b.Premi("Command1_4");
    EXPECT_EQ(b.Combo(), QStringList{kSegnaposto});
    b.Premi("Command1_4");
    EXPECT_EQ(b.Combo(), QStringList{"-7 -45    S_1"});
    EXPECT_EQ(Abilitati(b), (std::array<bool, 3>{true, true, true}));

    b.Scegli("List1", 3);
    b.Premi("Command2_0");
    script.Attendi("Salvare Serie ?", SiNo, Domanda, MsgBoxResult::Yes);
    b.Premi("Command1_4");
    EXPECT_EQ(b.Combo(), (QStringList{"-7 -45    S_1", "-7 -45-3     S_2"}));
    EXPECT_EQ(b.C<QComboBox>("Combo1")->currentIndex(), 1);
    {
        prova::IoGuasto guasto;
        guasto.Fallisci(prova::IoGuasto::Op::Rename, EIO);
        script.Attendi(" Eliminare Serie selezionata ?", SiNo, Domanda, MsgBoxResult::Yes)
            .Attendi(
                QString::fromStdString("Impossibile sostituire il file \"" + SeriePath().string() +
                                       "\": errore di lettura o scrittura sul disco."),
                Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
        b.Premi("Command1_1");
        EXPECT_EQ(b.Combo().size(), 2);  // as the file still is
    }
    b.C<QComboBox>("Combo1")->setCurrentIndex(0);
    script.Attendi(" Eliminare Serie selezionata ?", SiNo, Domanda, MsgBoxResult::Yes);
    b.Premi("Command1_1");
    EXPECT_EQ(b.Combo(), QStringList{"-7 -45-3     S_1"});

    script.Attendi(" Eliminare tutte le Serie in Archivio ?", SiNo, Domanda, MsgBoxResult::No)
        .Attendi(" Eliminare tutte le Serie in Archivio ?", SiNo, Domanda, MsgBoxResult::Yes);
    b.Premi("Command1_2");
    EXPECT_EQ(b.Combo().size(), 1);
    b.Premi("Command1_2");
    EXPECT_EQ(b.Combo(), QStringList{kSegnaposto});
    EXPECT_EQ(Abilitati(b), (std::array<bool, 3>{false, false, false}));
}

TEST(Serie, ElaboraApreUnaFinestraPerVolta) {
    BancoSerie b(300, {{5, 17}, {27}});
    QPointer<Ricerca2> prima = b.Elabora(1);
    ASSERT_FALSE(prima.isNull());
    EXPECT_EQ(Module1().SeriesText, "-27    S_2");
    EXPECT_NE(b.Elabora(1), prima);
    EXPECT_EQ(b.principale.Area()->subWindowList().size(), 3);
    EXPECT_TRUE(b.principale.Timer1()->isActive());
}

}  // namespace
}  // namespace ruotario

#include "test_serie_finestra.moc"
