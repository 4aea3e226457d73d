#pragma once

#include <QtWidgets>

#include "shell/aspetto_griglia.h"

namespace ruotario::prova {

// A cell of a grid that shows a model, as the grid paints it: its text, its
// background (the model's, or the grid's default for a fixed or an ordinary
// cell), its text colour (black unless the model gives one) and its size.
struct CellaVista {
    QString testo;
    QColor sfondo, colore;
    double punti;
};

inline CellaVista LeggiCella(const QAbstractItemView* vista, int r, int c, bool fissa) {
    const QModelIndex i = vista->model()->index(r, c);
    const QVariant sfondo = i.data(Qt::BackgroundRole), colore = i.data(Qt::ForegroundRole);
    const QVariant carattere = i.data(Qt::FontRole);
    return {
        i.data().toString(),
        sfondo.isValid() ? sfondo.value<QBrush>().color()
                         : AspettoGriglia::SfondoPredefinito(fissa),
        colore.isValid() ? colore.value<QBrush>().color() : QColor(0, 0, 0),
        carattere.isValid() ? carattere.value<QFont>().pointSizeF() : vista->font().pointSizeF()};
}

// The values as Qt prints them, strings unquoted, a space between two: what a
// window shows in one line, to compare with one literal.
template <typename... T>
QString S(const T&... valori) {
    QString testo;
    (QDebug(&testo).noquote() << ... << valori);
    testo.chop(1);
    return testo;
}

}  // namespace ruotario::prova
