#include <gtest/gtest.h>

#include <QTest>

#include "shell/msflexgrid.h"

namespace ruotario {
namespace {

using Celle = std::vector<std::pair<int, int>>;

// A 4 x 3 grid with one fixed row and one fixed column, on screen.
struct Griglia : testing::Test {
    void SetUp() override {
        grid.SetRows(4);
        grid.SetCols(3);
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    // Near the top-left corner of a cell: cells start 960 x 240 twips, 64 x 16 pixels.
    static QPoint Punto(int r, int c) { return {64 * c + 3, 16 * r + 3}; }
    std::pair<int, int> Corrente() const { return {grid.Row(), grid.Col()}; }

    MSFlexGrid grid;
};

TEST_F(Griglia, ImpostareLaCellaCorrenteAvvisaDentroLImpostazione) {
    Celle viste;
    QObject::connect(&grid, &MSFlexGrid::RowColChange,
                     [&] { viste.emplace_back(grid.Row(), grid.Col()); });
    grid.SetRow(2);
    EXPECT_EQ(viste, (Celle{{2, 1}}));  // already there when the setter returns
    grid.SetCol(2);
    grid.SetCol(2);  // no move, no notification
    // A current cell that becomes fixed leaves for the first ordinary one, silently.
    grid.SetFixedRows(3);
    EXPECT_EQ(Corrente(), std::pair(3, 1));
    EXPECT_EQ(viste, (Celle{{2, 1}, {2, 2}}));
}

TEST_F(Griglia, LeCelleFisseNonDiventanoCorrentiNeColMouseNeConLeFrecce) {
    EXPECT_EQ(Corrente(), std::pair(1, 1));  // where a shaped grid starts
    for (QPoint fissa : {Punto(0, 2), Punto(2, 0)})
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, fissa);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(Corrente(), std::pair(1, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Punto(3, 2));
    EXPECT_EQ(Corrente(), std::pair(3, 2));
}

TEST_F(Griglia, TestoEColoriDiOgniCella) {
    grid.SetRow(2);
    grid.SetText("45");
    grid.SetBackColorAt(0, 2, QColor(255, 0, 0));
    grid.SetForeColorAt(0, 2, QColor(0, 0, 255));
    EXPECT_EQ(Corrente(), std::pair(2, 1));  // colouring moves nothing
    EXPECT_EQ(std::pair(grid.TextMatrix(2, 1), grid.ForeColorAt(0, 2)),
              std::pair(QString("45"), QColor(0, 0, 255)));
    // Unset, fixed cells are grey and the others white, with black text.
    const QImage immagine = grid.grab().toImage();
    for (auto [r, c, sfondo] :
         {std::tuple(0, 2, 0xff0000u), {0, 1, 0xc0c0c0u}, {3, 0, 0xc0c0c0u}, {3, 2, 0xffffffu}}) {
        EXPECT_EQ(grid.BackColorAt(r, c).rgb() & 0xffffff, sfondo);
        EXPECT_EQ(immagine.pixel(Punto(r, c)) & 0xffffff, sfondo);
    }
    EXPECT_EQ(grid.ForeColorAt(3, 2), QColor(0, 0, 0));
    grid.Clear();
    EXPECT_EQ(std::tuple(grid.TextMatrix(2, 1), grid.BackColorAt(0, 2), grid.ForeColorAt(0, 2)),
              std::tuple("", QColor(192, 192, 192), QColor(0, 0, 0)));
}

}  // namespace
}  // namespace ruotario
