#include "app/avvio.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "shell/disegni.h"

namespace ruotario {

void PreparaApplicazione(QApplication& app) {
    QCoreApplication::setApplicationName("Ruotario");
    QCoreApplication::setApplicationVersion(RUOTARIO_VERSIONE);
    // The desktop matches the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName("example.ruotario.Ruotario");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication::setWindowIcon(QIcon(Pallina(32, "R")));

    auto* traduzione = new QTranslator(&app);
    if (traduzione->load(QLocale(QLocale::Italian), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduzione);

    // Without these, fontconfig may answer a Windows font name with any font,
    // a symbol font included.
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Serif", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Liberation Sans"});
    QFont::insertSubstitutions("Impact", {"DejaVu Sans Condensed", "Liberation Sans Narrow"});
}

}  // namespace ruotario
