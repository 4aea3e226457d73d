#include "shell/msflexgrid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "shell/twips.h"

namespace ruotario {
namespace {

constexpr int kLarghezzaIniziale = 960;
constexpr int kAltezzaIniziale = 240;

}  // namespace

MSFlexGrid::MSFlexGrid(QWidget* parent) : QTableWidget(parent), aspetto_(this) {
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row >= 0 && col >= 0) emit RowColChange();
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
    aspetto_.SetFisse(rows, aspetto_.ColonneFisse());
    NormalizzaCorrente();
}

void MSFlexGrid::SetFixedCols(int cols) {
    aspetto_.SetFisse(aspetto_.RigheFisse(), cols);
    NormalizzaCorrente();
}

void MSFlexGrid::SetRow(int row) {
    setCurrentCell(row, std::max(Col(), 0));
}

void MSFlexGrid::SetCol(int col) {
    setCurrentCell(std::max(Row(), 0), col);
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
    return AspettoGriglia::SfondoPredefinito(aspetto_.Fissa(row, col));
}

void MSFlexGrid::SetBackColorAt(int row, int col, const QColor& color) {
    if (auto* cella = Cella(row, col)) cella->setBackground(color);
}

QColor MSFlexGrid::ForeColorAt(int row, int col) const {
    const QTableWidgetItem* cella = item(row, col);
    if (cella && cella->data(Qt::ForegroundRole).isValid()) return cella->foreground().color();
    return QColor(0, 0, 0);
}

void MSFlexGrid::SetForeColorAt(int row, int col, const QColor& color) {
    if (auto* cella = Cella(row, col)) cella->setForeground(color);
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
    const QPoint punto = event->position().toPoint();
    emit MouseDown(AspettoGriglia::Pulsante(event), AspettoGriglia::Maiuscole(event), punto.x(),
                   punto.y());
    if (!aspetto_.PremutaCellaFissa(event)) QTableWidget::mousePressEvent(event);
}

QModelIndex MSFlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    return aspetto_.FuoriDalleFisse(QTableWidget::moveCursor(action, modifiers));
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

// A freshly shaped grid starts on its first ordinary cell; that placement is
// not a move and raises nothing.
void MSFlexGrid::NormalizzaCorrente() {
    if (Rows() == 0 || Cols() == 0) return;
    int r = Row(), c = Col();
    if (r >= 0 && c >= 0 && !aspetto_.Fissa(r, c)) return;
    QSignalBlocker blocco(this);
    setCurrentCell(std::min(aspetto_.RigheFisse(), Rows() - 1),
                   std::min(aspetto_.ColonneFisse(), Cols() - 1));
}

}  // namespace ruotario
