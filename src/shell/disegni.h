#pragma once

#include <QPixmap>
#include <QString>

namespace ruotario {

// A Lotto ball with its number: the program's icon and its small pictures.
QPixmap Pallina(int lato, const QString& numero);

}  // namespace ruotario
