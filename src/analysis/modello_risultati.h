#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <optional>

#include "analysis/tabella.h"

namespace ruotario {

// The results grid as a table model: each cell's text, background, text
// colour and font as the results table gives them; every cell centred.
class ModelloRisultati : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows `tabella`; a cell with a size of its own takes `carattere` at
    // that size.
    void Imposta(const TabellaRisultati& tabella, const QFont& carattere);
    const std::optional<TabellaRisultati>& Tabella() const { return tabella_; }

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    // Cells are read, never picked or edited.
    Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled; }

  private:
    std::optional<TabellaRisultati> tabella_;
    QFont carattere_;
};

}  // namespace ruotario
