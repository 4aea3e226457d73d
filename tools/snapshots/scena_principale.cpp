#include "app/mdiform1.h"
#include "snapshots/fotografo.h"

namespace ruotario::snapshots {

void ScenaPrincipale(Fotografo& fotografo) {
    MDIForm1 principale;
    principale.show();
    fotografo.Salva("mdiform1", &principale);
}

}  // namespace ruotario::snapshots
