#include "shell/aspetto_griglia.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

namespace ruotario {
namespace {

class Pittore : public QStyledItemDelegate {
  public:
    Pittore(QTableView* vista, const AspettoGriglia* aspetto)
        : QStyledItemDelegate(vista), aspetto_(aspetto) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant sfondo = index.data(Qt::BackgroundRole);
        painter->fillRect(option.rect, sfondo.isValid()
                                           ? sfondo.value<QBrush>().color()
                                           : AspettoGriglia::SfondoPredefinito(
                                                 aspetto_->Fissa(index.row(), index.column())));
        QStyleOptionViewItem copia(option);
        copia.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        copia.palette.setColor(QPalette::Text, Qt::black);
        QStyledItemDelegate::paint(painter, copia, index);
        if (option.state & QStyle::State_HasFocus) {
            // A thin dotted mark that leaves the cell's colour visible.
            painter->save();
            painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
            painter->restore();
        }
    }

  protected:
    // The background is already painted, square, edge to edge.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->backgroundBrush = Qt::NoBrush;
    }

  private:
    const AspettoGriglia* aspetto_;
};

}  // namespace

AspettoGriglia::AspettoGriglia(QTableView* vista) : vista_(vista) {
    for (QHeaderView* intestazione : {vista->horizontalHeader(), vista->verticalHeader()}) {
        intestazione->hide();
        intestazione->setMinimumSectionSize(1);
        intestazione->setSectionResizeMode(QHeaderView::Fixed);
    }
    vista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The grid is laid out to show what it must; cells past its width (the
    // draw grid's spare column) are never scrolled into view.
    vista->setAutoScroll(false);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setSelectionMode(QAbstractItemView::NoSelection);
    vista->setTabKeyNavigation(false);
    vista->setFocusPolicy(Qt::StrongFocus);
    vista->setItemDelegate(new Pittore(vista, this));
    vista->setGridStyle(Qt::SolidLine);
}

void AspettoGriglia::SetFisse(int righe, int colonne) {
    righe_ = righe;
    colonne_ = colonne;
    vista_->viewport()->update();
}

bool AspettoGriglia::PremutaCellaFissa(QMouseEvent* evento) const {
    const QModelIndex indice = vista_->indexAt(evento->position().toPoint());
    if (!indice.isValid() || !Fissa(indice.row(), indice.column())) return false;
    if (vista_->focusPolicy() != Qt::NoFocus) vista_->setFocus(Qt::MouseFocusReason);
    evento->accept();
    return true;
}

QModelIndex AspettoGriglia::FuoriDalleFisse(const QModelIndex& indice) const {
    if (!indice.isValid()) return indice;
    const QAbstractItemModel* modello = vista_->model();
    const int r = std::max(indice.row(), std::min(righe_, modello->rowCount() - 1));
    const int c = std::max(indice.column(), std::min(colonne_, modello->columnCount() - 1));
    return modello->index(r, c);
}

int AspettoGriglia::Pulsante(const QMouseEvent* evento) {
    return evento->button() == Qt::RightButton ? 2 : evento->button() == Qt::LeftButton ? 1 : 4;
}

int AspettoGriglia::Maiuscole(const QMouseEvent* evento) {
    const auto tasti = evento->modifiers();
    return (tasti & Qt::ShiftModifier ? 1 : 0) | (tasti & Qt::ControlModifier ? 2 : 0) |
           (tasti & Qt::AltModifier ? 4 : 0);
}

}  // namespace ruotario
