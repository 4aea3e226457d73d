#include <QMdiArea>

#include "analysis/ricerca2.h"
#include "series/file_serie.h"
#include "series/serie.h"
#include "app/mdiform1.h"
#include "snapshots/fotografo.h"
#include "store/module1.h"

namespace ruotario::snapshots {

// The series window with three stored series, then an analysis window for a
// series of one, two, three and five numbers over the default range.
void ScenaSerie(Fotografo& fotografo) {
    MDIForm1 principale;
    principale.show();
    AccodaSerie(SeriePath(), {27});
    AccodaSerie(SeriePath(), {5, 17, 33});
    AccodaSerie(SeriePath(), {3, 14, 27, 45, 81, 90, 12, 8});

    Serie* serie = Serie::Apri();
    fotografo.Salva("serie", serie->parentWidget());
    fotografo.Salva("serie_principale", &principale);

    const std::vector<std::vector<int>> prove = {{27}, {5, 17}, {5, 17, 33}, {3, 14, 27, 45, 81}};
    for (const auto& numeri : prove) {
        auto& m = Module1();
        m.SeriesNumbers.fill(0);
        for (std::size_t i = 0; i < numeri.size(); ++i)
            m.SeriesNumbers[i + 1] = static_cast<std::int16_t>(numeri[i]);
        Ricerca2* ricerca = Ricerca2::Apri();
        if (!ricerca) continue;
        fotografo.Salva(QString("ricerca2_%1").arg(numeri.size()), ricerca->parentWidget());
        principale.ChiudiFinestra(ricerca);
    }
    principale.Area()->closeAllSubWindows();
}

}  // namespace ruotario::snapshots
