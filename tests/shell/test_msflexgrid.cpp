// The entry grid control: its current cell, its fixed cells, and each
// cell's text and colours as set and as painted.
#include <gtest/gtest.h>

#include <QTest>

#include "shell/msflexgrid.h"

namespace ruotario {
namespace {

// A 4 x 3 grid with one fixed row and one fixed column, on screen. A shaped
// grid starts on its first ordinary cell, and neither a click nor an arrow key
// makes a fixed cell current. Setting the current cell raises RowColChange
// inside the setter, and only for a move. Any cell's text and colours are set
// without moving the current cell; unset, fixed cells are grey and the others
// white, with black text; Clear empties them.
TEST(MSFlexGrid, CellaCorrenteTestiEColori) {
    MSFlexGrid grid;
    grid.SetRows(4);
    grid.SetCols(3);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    std::string viste;  // every RowColChange, at the cell it finds current
    QObject::connect(&grid, &MSFlexGrid::RowColChange, [&] {
        viste += std::to_string(grid.Row()) + std::to_string(grid.Col()) + " ";
    });
    // Clicks near the top-left corner of a cell: cells start 960 x 240 twips,
    // 64 x 16 pixels. Row 0 column 2, row 2 column 0.
    for (QPoint fissa : {QPoint(131, 3), QPoint(3, 35)})
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, fissa);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    grid.SetRow(2);
    EXPECT_EQ(viste, "21 ");  // no move before, and already there when the setter returns
    grid.SetCol(2);
    grid.SetCol(2);
    // A current cell that becomes fixed leaves for the first ordinary one,
    // silently: the text set next lands there.
    grid.SetFixedRows(3);
    grid.SetText("45");
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(131, 51));  // row 3, column 2
    EXPECT_EQ(viste, "21 22 32 ");

    grid.SetBackColorAt(0, 2, QColor(255, 0, 0));
    grid.SetForeColorAt(0, 2, QColor(0, 0, 255));
    EXPECT_EQ(std::tuple(grid.TextMatrix(3, 1), grid.ForeColorAt(0, 2), grid.ForeColorAt(3, 2),
                         grid.Row(), grid.Col()),
              std::tuple("45", QColor(0, 0, 255), QColor(0, 0, 0), 3, 2));
    const QImage immagine = grid.grab().toImage();
    for (auto [r, c, sfondo] :
         {std::tuple(0, 2, 0xff0000u), {0, 1, 0xc0c0c0u}, {3, 0, 0xc0c0c0u}, {3, 2, 0xffffffu}}) {
        EXPECT_EQ(grid.BackColorAt(r, c).rgb() & 0xffffff, sfondo);
        EXPECT_EQ(immagine.pixel(64 * c + 3, 16 * r + 3) & 0xffffff, sfondo);
    }
    grid.Clear();
    EXPECT_EQ(std::tuple(grid.TextMatrix(3, 1), grid.BackColorAt(0, 2), grid.ForeColorAt(0, 2)),
              std::tuple("", QColor(192, 192, 192), QColor(0, 0, 0)));
}

}  // namespace
}  // namespace ruotario
