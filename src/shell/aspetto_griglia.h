#pragma once

#include <QColor>
#include <QModelIndex>

class QMouseEvent;
class QTableView;

namespace ruotario {

// How every grid of the program looks and answers, whatever holds its cells:
// no headers of Qt's own, sizes set by the program, no scroll bars, nothing
// edited in place and no selection highlight; each cell's background painted
// square and whole, its own colour or the default (fixed cells button grey,
// the others white), a thin dotted mark on the current cell. The leading
// fixed rows and columns are headers that a click or an arrow key never makes
// current. The grid view keeps one and hands it its events.
class AspettoGriglia {
  public:
    explicit AspettoGriglia(QTableView* vista);

    void SetFisse(int righe, int colonne);
    int RigheFisse() const { return righe_; }
    int ColonneFisse() const { return colonne_; }
    bool Fissa(int riga, int colonna) const { return riga < righe_ || colonna < colonne_; }

    // The background a cell without a colour of its own shows.
    static QColor SfondoPredefinito(bool fissa) {
        return fissa ? QColor(192, 192, 192) : QColor(255, 255, 255);
    }

    // A press on a fixed cell: the grid takes the focus, the cell does not
    // become current. True when the press is taken care of.
    bool PremutaCellaFissa(QMouseEvent* evento) const;
    // Where the cursor may land: never in the fixed rows and columns.
    QModelIndex FuoriDalleFisse(const QModelIndex& indice) const;
    // The button (1 left, 2 right, 4 middle) and shift state (1 shift, 2
    // control, 4 alt) of a press.
    static int Pulsante(const QMouseEvent* evento);
    static int Maiuscole(const QMouseEvent* evento);

  private:
    QTableView* vista_;
    int righe_ = 0;
    int colonne_ = 0;
};

}  // namespace ruotario
