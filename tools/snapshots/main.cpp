// ruotario-snapshots CARTELLA [--archivio FILE]: pictures of every window,
// rendered offscreen, for a person to look at without a display. The windows
// work on a copy of the archive; nothing of the user's is changed.
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/avvio.h"
#include "shell/msgbox.h"
#include "snapshots/fotografo.h"
#include "store/cartella_dati.h"
#include "store/io.h"

namespace ruotario::snapshots {
namespace {

const Scena kScene[] = {
    ScenaPrincipale, ScenaAbout, ScenaBanner, ScenaArchivio, ScenaSerie,
};

// A snapshot run answers every box itself and says what it was asked.
class RispostaAutomatica : public MsgBoxResponder {
  public:
    MsgBoxResult Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon) override {
        std::fprintf(stderr, "messaggio: %s\n", testo.toUtf8().constData());
        return pulsanti == MsgBoxButtons::Ok ? MsgBoxResult::Ok : MsgBoxResult::No;
    }
};

}  // namespace

void Fotografo::Salva(const QString& nome, QWidget* finestra) {
    QTest::qWait(50);
    QString file = cartella_.filePath(nome + ".png");
    if (!finestra->grab().save(file))
        std::fprintf(stderr, "impossibile salvare %s\n", file.toUtf8().constData());
    else
        std::printf("%s\n", file.toUtf8().constData());
}

}  // namespace ruotario::snapshots

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ruotario::PreparaApplicazione(app);
    QStringList argomenti = app.arguments().mid(1);
    int opzione = argomenti.indexOf("--archivio");
    QString archivio = QCoreApplication::applicationDirPath() + "/Lotto.dat";
    if (opzione >= 0 && opzione + 1 < argomenti.size()) {
        archivio = argomenti.at(opzione + 1);
        argomenti.remove(opzione, 2);
    }
    if (argomenti.size() != 1) {
        std::fprintf(stderr, "Uso: ruotario-snapshots CARTELLA [--archivio FILE]\n");
        return 2;
    }
    QDir cartella(argomenti.front());
    cartella.mkpath(".");

    std::string modello =
        (std::filesystem::temp_directory_path() / "ruotario-foto-XXXXXX").string();
    if (!::mkdtemp(modello.data())) return 1;
    std::filesystem::path lavoro = modello;
    std::error_code errore;
    std::filesystem::copy_file(archivio.toStdString(), lavoro / "Lotto.dat", errore);
    if (errore) {
        std::fprintf(stderr, "impossibile copiare l'archivio %s\n", archivio.toUtf8().constData());
        return 1;
    }
    ruotario::SetAppDir(lavoro);

    ruotario::snapshots::RispostaAutomatica risposta;
    ruotario::SetMsgBoxResponder(&risposta);
    ruotario::snapshots::Fotografo fotografo(cartella);
    for (auto scena : ruotario::snapshots::kScene)
        scena(fotografo);
    ruotario::SetMsgBoxResponder(nullptr);
    std::filesystem::remove_all(lavoro, errore);
    return 0;
}
