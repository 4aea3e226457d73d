#include <QAction>
#include <QTimer>

#include "app/about.h"
#include "app/mdiform1.h"
#include "snapshots/fotografo.h"

namespace ruotario::snapshots {

void ScenaAbout(Fotografo& fotografo) {
    MDIForm1 principale;
    principale.show();
    principale.mnuAbout()->trigger();
    fotografo.Salva("about", About::Istanza());
    About::Istanza()->close();
}

// The band while the address is being typed, and while the slogan grows.
void ScenaBanner(Fotografo& fotografo) {
    MDIForm1 principale;
    principale.show();
    principale.Timer1()->start();
    for (int tick = 0; tick < 12; ++tick)
        principale.Timer1_Timer();
    fotografo.Salva("banner-digitazione", &principale);
    while (principale.Timer1()->isActive())
        principale.Timer1_Timer();
    for (int tick = 0; tick < 6; ++tick)
        principale.Timer2_Timer();
    fotografo.Salva("banner-slogan", &principale);
    principale.Timer2()->stop();
}

}  // namespace ruotario::snapshots
