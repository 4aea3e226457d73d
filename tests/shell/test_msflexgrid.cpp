#include <gtest/gtest.h>

#include <QTest>

#include "shell/msflexgrid.h"
#include "shell/twips.h"

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
        for (int c = 0; c < 3; ++c)
            grid.SetColWidth(c, 900);
        for (int r = 0; r < 4; ++r)
            grid.SetRowHeight(r, 300);
        grid.resize(Twips(2700) + 4, Twips(1200) + 4);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    void Clic(int r, int c) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(grid.model()->index(r, c)).center());
    }
    std::pair<int, int> Corrente() const { return {grid.Row(), grid.Col()}; }

    MSFlexGrid grid;
};

TEST_F(Griglia, ImpostareLaCellaCorrenteAvvisaDentroLImpostazione) {
    Celle viste;
    auto avviso = QObject::connect(&grid, &MSFlexGrid::RowColChange,
                                   [&] { viste.emplace_back(grid.Row(), grid.Col()); });
    grid.SetRow(2);
    EXPECT_EQ(viste, (Celle{{2, 1}}));  // already there when the setter returns
    grid.SetCol(2);
    grid.SetCol(2);  // no move, no notification
    EXPECT_EQ(viste, (Celle{{2, 1}, {2, 2}}));
    QObject::disconnect(avviso);

    // The pattern the draw grid uses: past the last column, on to the next row.
    grid.SetCol(1);
    QObject::connect(&grid, &MSFlexGrid::RowColChange, [&] {
        if (grid.Col() == 2) {
            grid.SetCol(1);
            grid.SetRow(grid.Row() == 3 ? 1 : grid.Row() + 1);
        }
    });
    grid.SetRow(3);
    grid.SetCol(2);
    EXPECT_EQ(Corrente(), std::pair(1, 1));
}

TEST_F(Griglia, LeCelleFisseNonDiventanoCorrentiNeColMouseNeConLeFrecce) {
    grid.SetRow(1);
    grid.SetCol(1);
    grid.setFocus();
    Clic(0, 2);
    Clic(2, 0);
    EXPECT_EQ(Corrente(), std::pair(1, 1));
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(Corrente(), std::pair(1, 1));
    Clic(3, 2);
    EXPECT_EQ(Corrente(), std::pair(3, 2));
}

TEST_F(Griglia, TestoEColoriDellaCellaCorrente) {
    grid.SetRow(2);
    grid.SetCol(1);
    grid.SetText("45");
    grid.SetBackColorAt(2, 1, QColor(255, 0, 0));
    grid.SetForeColorAt(2, 1, QColor(0, 0, 255));
    EXPECT_EQ(grid.TextMatrix(2, 1), "45");
    EXPECT_EQ(grid.BackColorAt(2, 1), QColor(255, 0, 0));
    EXPECT_EQ(grid.ForeColorAt(2, 1), QColor(0, 0, 255));
    EXPECT_EQ(std::pair(grid.Row(), grid.Col()), std::pair(2, 1));  // colouring moves nothing
    EXPECT_EQ(grid.BackColorAt(0, 1), QColor(192, 192, 192));
    QRect cella = grid.visualRect(grid.model()->index(2, 1));
    EXPECT_EQ(grid.grab().toImage().pixelColor(cella.topRight() + QPoint(-3, 3)),
              QColor(255, 0, 0));

    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(2, 1), "");
    EXPECT_EQ(grid.BackColorAt(2, 1), QColor(255, 255, 255));
    EXPECT_EQ(grid.ForeColorAt(2, 1), QColor(0, 0, 0));
}

}  // namespace
}  // namespace ruotario
