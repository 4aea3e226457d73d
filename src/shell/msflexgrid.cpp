#include "shell/msflexgrid.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include "shell/twips.h"

namespace ruotario {
namespace {

constexpr int kLarghezzaIniziale = 960;
constexpr int kAltezzaIniziale = 240;

// Paints each cell's background square and whole: its own colour, or the
// default (fixed cells grey, the others white). There is no selection
// highlight, only the focus mark of the current cell.
class Pittore : public QStyledItemDelegate {
  public:
    explicit Pittore(MSFlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->fillRect(option.rect, grid_->BackColorAt(index.row(), index.column()));
        QStyleOptionViewItem copia(option);
        copia.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        copia.palette.setColor(QPalette::Text, Qt::black);
        QStyledItemDelegate::paint(painter, copia, index);
        if (option.state & QStyle::State_HasFocus) {
            // A thin dotted mark, as the grid always drew it, leaving the cell's colour visible.
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
    MSFlexGrid* grid_;
};

}  // namespace

MSFlexGrid::MSFlexGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The grid is laid out to show what it must; cells past its width (the
    // draw grid's spare column) are never scrolled into view.
    setAutoScroll(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(new Pittore(this));
    setGridStyle(Qt::SolidLine);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int oldRow, int oldCol) {
                if (row >= 0 && col >= 0 && (row != oldRow || col != oldCol)) emit RowColChange();
            });
}

void MSFlexGrid::SetRows(int rows) {
    setRowCount(rows);
    Completa();
}

void MSFlexGrid::SetCols(int cols) {
    setColumnCount(cols);
    Completa();
}

void MSFlexGrid::SetFixedRows(int rows) {
    fixedRows_ = rows;
    NormalizzaCorrente();
    viewport()->update();
}

void MSFlexGrid::SetFixedCols(int cols) {
    fixedCols_ = cols;
    NormalizzaCorrente();
    viewport()->update();
}

void MSFlexGrid::SetRow(int row) {
    setCurrentCell(row, std::max(Col(), 0));
}

void MSFlexGrid::SetCol(int col) {
    setCurrentCell(std::max(Row(), 0), col);
}

QColor MSFlexGrid::CellBackColor() const {
    return BackColorAt(Row(), Col());
}

void MSFlexGrid::SetCellBackColor(const QColor& color) {
    if (auto* cella = Cella(Row(), Col())) cella->setBackground(color);
}

QColor MSFlexGrid::CellForeColor() const {
    return ForeColorAt(Row(), Col());
}

void MSFlexGrid::SetCellForeColor(const QColor& color) {
    if (auto* cella = Cella(Row(), Col())) cella->setForeground(color);
}

double MSFlexGrid::CellFontSize() const {
    return FontSizeAt(Row(), Col());
}

void MSFlexGrid::SetCellFontSize(double points) {
    if (auto* cella = Cella(Row(), Col())) {
        QFont carattere = font();
        carattere.setPointSizeF(points);
        cella->setFont(carattere);
    }
}

QString MSFlexGrid::TextMatrix(int row, int col) const {
    const QTableWidgetItem* cella = item(row, col);
    return cella ? cella->text() : QString();
}

void MSFlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (auto* cella = Cella(row, col)) cella->setText(text);
}

QColor MSFlexGrid::BackColorAt(int row, int col) const {
    const QTableWidgetItem* cella = item(row, col);
    if (cella && cella->data(Qt::BackgroundRole).isValid()) return cella->background().color();
    return IsFixed(row, col) ? DefaultFixedBackColor() : DefaultBackColor();
}

QColor MSFlexGrid::ForeColorAt(int row, int col) const {
    const QTableWidgetItem* cella = item(row, col);
    if (cella && cella->data(Qt::ForegroundRole).isValid()) return cella->foreground().color();
    return QColor(0, 0, 0);
}

double MSFlexGrid::FontSizeAt(int row, int col) const {
    const QTableWidgetItem* cella = item(row, col);
    if (cella && cella->data(Qt::FontRole).isValid()) return cella->font().pointSizeF();
    return font().pointSizeF();
}

int MSFlexGrid::ColWidth(int col) const {
    return col >= 0 && col < static_cast<int>(colWidths_.size()) ? colWidths_[col] : 0;
}

void MSFlexGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= Cols()) return;
    colWidths_[col] = twips;
    setColumnWidth(col, Twips(twips));
}

int MSFlexGrid::RowHeight(int row) const {
    return row >= 0 && row < static_cast<int>(rowHeights_.size()) ? rowHeights_[row] : 0;
}

void MSFlexGrid::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= Rows()) return;
    rowHeights_[row] = twips;
    setRowHeight(row, Twips(twips));
}

Qt::Alignment MSFlexGrid::ColAlignment(int col) const {
    return col >= 0 && col < static_cast<int>(colAlignments_.size()) ? colAlignments_[col]
                                                                     : Qt::Alignment();
}

void MSFlexGrid::SetColAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= Cols()) return;
    colAlignments_[col] = alignment;
    for (int r = 0; r < Rows(); ++r)
        if (auto* cella = Cella(r, col)) cella->setTextAlignment(alignment);
}

void MSFlexGrid::Clear() {
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c) {
            auto* cella = Cella(r, c);
            cella->setText(QString());
            cella->setData(Qt::BackgroundRole, QVariant());
            cella->setData(Qt::ForegroundRole, QVariant());
            cella->setData(Qt::FontRole, QVariant());
        }
}

void MSFlexGrid::SetBorderStyle(int style) {
    setFrameShape(style == 0 ? QFrame::NoFrame : QFrame::Box);
}

void MSFlexGrid::SetTabStop(bool on) {
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void MSFlexGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    emit GotFocus();
}

void MSFlexGrid::keyPressEvent(QKeyEvent* event) {
    const QString testo = event->text();
    if (testo.size() == 1 && testo.at(0).unicode() >= 32 && testo.at(0).unicode() < 127 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        int carattere = testo.at(0).unicode();
        emit KeyPress(carattere);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void MSFlexGrid::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void MSFlexGrid::mousePressEvent(QMouseEvent* event) {
    int pulsante = event->button() == Qt::RightButton  ? 2
                   : event->button() == Qt::LeftButton ? 1
                                                       : 4;
    int shift = (event->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                (event->modifiers() & Qt::ControlModifier ? 2 : 0) |
                (event->modifiers() & Qt::AltModifier ? 4 : 0);
    QPoint punto = event->position().toPoint();
    emit MouseDown(pulsante, shift, punto.x(), punto.y());
    QModelIndex indice = indexAt(punto);
    if (indice.isValid() && IsFixed(indice.row(), indice.column())) {
        // A header cell never becomes current; the grid still takes the focus.
        if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

QModelIndex MSFlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex indice = QTableWidget::moveCursor(action, modifiers);
    if (!indice.isValid()) return indice;
    int r = std::max(indice.row(), std::min(fixedRows_, Rows() - 1));
    int c = std::max(indice.column(), std::min(fixedCols_, Cols() - 1));
    return model()->index(r, c);
}

QTableWidgetItem* MSFlexGrid::Cella(int row, int col) {
    if (row < 0 || col < 0 || row >= Rows() || col >= Cols()) return nullptr;
    QTableWidgetItem* cella = item(row, col);
    if (!cella) {
        cella = new QTableWidgetItem;
        cella->setFlags(Qt::ItemIsEnabled);
        cella->setTextAlignment(ColAlignment(col));
        setItem(row, col, cella);
    }
    return cella;
}

// New rows and columns get items, the default sizes and their column's alignment.
void MSFlexGrid::Completa() {
    colWidths_.resize(Cols(), kLarghezzaIniziale);
    colAlignments_.resize(Cols(), Qt::AlignLeft | Qt::AlignVCenter);
    rowHeights_.resize(Rows(), kAltezzaIniziale);
    for (int c = 0; c < Cols(); ++c)
        setColumnWidth(c, Twips(colWidths_[c]));
    for (int r = 0; r < Rows(); ++r)
        setRowHeight(r, Twips(rowHeights_[r]));
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c)
            Cella(r, c);
    NormalizzaCorrente();
}

// A freshly shaped grid starts on its first ordinary cell, as the control
// itself does; that placement is not a move and raises nothing.
void MSFlexGrid::NormalizzaCorrente() {
    if (Rows() == 0 || Cols() == 0) return;
    int r = Row(), c = Col();
    if (r >= 0 && c >= 0 && !IsFixed(r, c)) return;
    QSignalBlocker blocco(this);
    setCurrentCell(std::min(fixedRows_, Rows() - 1), std::min(fixedCols_, Cols() - 1));
}

}  // namespace ruotario
