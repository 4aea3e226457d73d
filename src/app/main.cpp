#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/avvio.h"
#include "shell/mdiform1.h"
#include "store/io.h"

namespace {

// Without a screen Qt would abort with a message of its own; say it plainly.
bool SchermoDisponibile() {
    auto impostata = [](const char* nome) {
        const char* valore = std::getenv(nome);
        return valore && *valore;
    };
    return impostata("QT_QPA_PLATFORM") || impostata("DISPLAY") || impostata("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    if (!SchermoDisponibile()) {
        std::fprintf(stderr,
                     "Ruotario: nessuno schermo disponibile (DISPLAY non impostato): il programma "
                     "non può aprire le sue finestre.\n");
        return 1;
    }
    QApplication app(argc, argv);
    ruotario::SetAppDir(QCoreApplication::applicationDirPath().toStdString());
    ruotario::PreparaApplicazione(app);
    ruotario::MDIForm1 principale;
    principale.show();
    return app.exec();
}
