#pragma once

#include <QColor>
#include <QTableWidget>
#include <vector>

#include "shell/aspetto_griglia.h"

namespace ruotario {

// The grid the archive window draws and types on, with the operations it
// uses: rows and columns numbered from 0, leading fixed rows and columns drawn
// as headers that a click or an arrow key cannot make current, one current
// cell whose text is read and set, any cell's text and colours, widths and
// heights in twips, and a repaint switch. Setting the current row or column
// from code raises RowColChange at once, inside the setter, exactly as a move
// by the user does.
class MSFlexGrid : public QTableWidget {
    Q_OBJECT

  public:
    explicit MSFlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void SetRows(int rows);
    int Cols() const { return columnCount(); }
    void SetCols(int cols);
    void SetFixedRows(int rows);
    void SetFixedCols(int cols);

    int Row() const { return currentRow(); }
    void SetRow(int row);
    int Col() const { return currentColumn(); }
    void SetCol(int col);

    // The current cell's text.
    void SetText(const QString& text) { SetTextMatrix(Row(), Col(), text); }

    // Any cell, without moving the current one.
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    QColor BackColorAt(int row, int col) const;
    void SetBackColorAt(int row, int col, const QColor& color);
    QColor ForeColorAt(int row, int col) const;
    void SetForeColorAt(int row, int col, const QColor& color);

    // Lengths in twips, read back as they were set.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    Qt::Alignment ColAlignment(int col) const;
    void SetColAlignment(int col, Qt::Alignment alignment);

    // Empties every cell, its text and its colours.
    void Clear();

    void SetRedraw(bool on) { setUpdatesEnabled(on); }
    // 0 none, 1 a single line.
    void SetBorderStyle(int style);
    // In or out of the keyboard tab order; a click can always give it the focus.
    bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void SetTabStop(bool on);

  signals:
    void GotFocus();
    // The character typed; a handler may change it, 0 swallowing the key.
    void KeyPress(int& keyAscii);
    void RowColChange();
    // Button 1 left, 2 right; shift state; position in pixels.
    void MouseDown(int button, int shift, int x, int y);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    QTableWidgetItem* Cella(int row, int col);
    void Completa();
    void NormalizzaCorrente();

    AspettoGriglia aspetto_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<Qt::Alignment> colAlignments_;
};

}  // namespace ruotario
