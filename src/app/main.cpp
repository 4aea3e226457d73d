#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/avvio.h"
#include "app/mdiform1.h"
#include "shell/msgbox.h"
#include "store/cartella_dati.h"
#include "store/errore.h"

namespace {

// Without a screen Qt would abort with a message of its own; say it plainly.
bool SchermoDisponibile() {
    auto impostata = [](const char* nome) {
        const char* valore = std::getenv(nome);
        return valore && *valore;
    };
    return impostata("QT_QPA_PLATFORM") || impostata("DISPLAY") || impostata("WAYLAND_DISPLAY");
}

void Scrivi(FILE* dove, const QString& testo) {
    std::fputs(testo.toLocal8Bit().constData(), dove);
}

// --help and --version, answered without opening a window (nor needing a
// screen). Returns the exit code when the program should end here.
std::optional<int> LeggiRigaDiComando(int argc, char** argv) {
    QCoreApplication nucleo(argc, argv);
    QCoreApplication::setApplicationName("ruotario");
    QCoreApplication::setApplicationVersion(RUOTARIO_VERSIONE);
    QTranslator traduzione;
    if (traduzione.load(QLocale(QLocale::Italian), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduzione);
    QCommandLineParser riga;
    riga.setApplicationDescription(
        "Ruotario: l'archivio delle estrazioni del Lotto, il Super Enalotto che ne deriva, "
        "le serie di numeri e i loro ritardi.\n"
        "I file Lotto.dat e Serie stanno nella cartella del programma se è una sua copia a sé, "
        "altrimenti in ~/.local/share/ruotario.");
    const QCommandLineOption aiuto({"h", "help"}, "Mostra questo aiuto ed esce.");
    const QCommandLineOption versione({"v", "version"}, "Mostra la versione ed esce.");
    riga.addOption(aiuto);
    riga.addOption(versione);
    if (!riga.parse(QCoreApplication::arguments())) {
        Scrivi(stderr, "ruotario: " + riga.errorText() + "\nPer l'aiuto: ruotario --help\n");
        return 2;
    }
    if (!riga.positionalArguments().isEmpty()) {
        Scrivi(stderr, "ruotario: argomento non previsto \"" + riga.positionalArguments().front() +
                           "\"\nPer l'aiuto: ruotario --help\n");
        return 2;
    }
    if (riga.isSet(aiuto) || riga.isSet(versione)) {
        Scrivi(stdout, riga.isSet(aiuto) ? riga.helpText()
                                         : QString("ruotario %1\n").arg(RUOTARIO_VERSIONE));
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (auto esito = LeggiRigaDiComando(argc, argv)) return *esito;
    if (!SchermoDisponibile()) {
        std::fprintf(stderr,
                     "Ruotario: nessuno schermo disponibile (DISPLAY non impostato): il programma "
                     "non può aprire le sue finestre.\n");
        return 1;
    }
    QApplication app(argc, argv);
    ruotario::PreparaApplicazione(app);
    const std::filesystem::path programma = QCoreApplication::applicationDirPath().toStdString();
    // Without a folder of its own the program still opens, on its own folder:
    // it reads what it can there and says so for every write it cannot make.
    if (!ruotario::Protetto(
            [&] { ruotario::PreparaCartellaDati(ruotario::AmbienteDelProcesso(programma)); }))
        ruotario::SetAppDir(programma);
    ruotario::MDIForm1 principale;
    principale.show();
    return app.exec();
}
