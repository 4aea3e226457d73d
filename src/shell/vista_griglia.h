#pragma once

#include <QTableView>

#include "shell/aspetto_griglia.h"

namespace ruotario {

// A grid that shows a table model with the look of every grid of the
// program: cells painted with their model's background, text colour and
// font, leading fixed rows and columns as headers, sizes in twips. It
// reports presses as the grid control does.
class VistaGriglia : public QTableView {
    Q_OBJECT

  public:
    explicit VistaGriglia(QWidget* parent = nullptr);

    void SetFisse(int righe, int colonne) { aspetto_.SetFisse(righe, colonne); }
    void SetColWidth(int col, int twips);
    void SetRowHeight(int row, int twips);

  signals:
    // Button 1 left, 2 right; shift state; position in pixels.
    void MouseDown(int button, int shift, int x, int y);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    AspettoGriglia aspetto_;
};

}  // namespace ruotario
