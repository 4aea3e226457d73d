#include "shell/vista_griglia.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include "shell/twips.h"

namespace ruotario {

VistaGriglia::VistaGriglia(QWidget* parent) : QTableView(parent), aspetto_(this) {}

void VistaGriglia::SetColWidth(int col, int twips) {
    setColumnWidth(col, Twips(twips));
}

void VistaGriglia::SetRowHeight(int row, int twips) {
    setRowHeight(row, Twips(twips));
}

void VistaGriglia::mousePressEvent(QMouseEvent* event) {
    const QPoint punto = event->position().toPoint();
    emit MouseDown(AspettoGriglia::Pulsante(event), AspettoGriglia::Maiuscole(event), punto.x(),
                   punto.y());
    if (!aspetto_.PremutaCellaFissa(event)) QTableView::mousePressEvent(event);
}

void VistaGriglia::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

QModelIndex VistaGriglia::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    return aspetto_.FuoriDalleFisse(QTableView::moveCursor(action, modifiers));
}

}  // namespace ruotario
