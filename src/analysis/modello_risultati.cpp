#include "analysis/modello_risultati.h"

#include <QBrush>
#include <QColor>

namespace ruotario {
namespace {

QBrush Pennello(const Rgb& rgb) {
    return QBrush(QColor(rgb.r, rgb.g, rgb.b));
}

}  // namespace

void ModelloRisultati::Imposta(const TabellaRisultati& tabella, const QFont& carattere) {
    beginResetModel();
    tabella_.emplace(tabella);
    carattere_ = carattere;
    endResetModel();
}

int ModelloRisultati::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() || !tabella_ ? 0 : TabellaRisultati::kRighe;
}

int ModelloRisultati::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() || !tabella_ ? 0 : tabella_->Colonne();
}

QVariant ModelloRisultati::data(const QModelIndex& indice, int ruolo) const {
    if (!tabella_ || !indice.isValid()) return {};
    const Cella& cella = tabella_->At(indice.row(), indice.column());
    switch (ruolo) {
        case Qt::DisplayRole:
            return QString::fromStdString(cella.testo);
        case Qt::BackgroundRole:
            return cella.sfondo ? QVariant(Pennello(*cella.sfondo)) : QVariant();
        case Qt::ForegroundRole:
            return cella.colore ? QVariant(Pennello(*cella.colore)) : QVariant();
        case Qt::FontRole:
            if (!cella.punti) return {};
            {
                QFont carattere = carattere_;
                carattere.setPointSizeF(*cella.punti);
                return carattere;
            }
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignCenter);
        default:
            return {};
    }
}

}  // namespace ruotario
