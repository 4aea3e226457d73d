#pragma once

#include <QDir>
#include <QString>

class QWidget;

namespace ruotario::snapshots {

// Saves pictures of windows, as the offscreen platform renders them, into
// one folder.
class Fotografo {
  public:
    explicit Fotografo(const QDir& cartella) : cartella_(cartella) {}
    // Lets pending layout and painting happen, grabs the widget and saves it
    // as <nome>.png.
    void Salva(const QString& nome, QWidget* finestra);

  private:
    QDir cartella_;
};

// One picture set: builds its windows on the archive of the program folder
// and saves them.
using Scena = void (*)(Fotografo&);

void ScenaPrincipale(Fotografo& fotografo);
void ScenaAbout(Fotografo& fotografo);
void ScenaBanner(Fotografo& fotografo);
void ScenaArchivio(Fotografo& fotografo);
void ScenaSerie(Fotografo& fotografo);

}  // namespace ruotario::snapshots
