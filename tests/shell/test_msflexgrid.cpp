#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "shell/msflexgrid.h"
#include "shell/twips.h"

namespace ruotario {
namespace {

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
    QPoint Centro(int r, int c) { return grid.visualRect(grid.model()->index(r, c)).center(); }

    MSFlexGrid grid;
};

TEST_F(Griglia, ImpostareLaCellaCorrenteAvvisaDentroLImpostazione) {
    std::vector<std::pair<int, int>> visti;
    QObject::connect(&grid, &MSFlexGrid::RowColChange,
                     [&] { visti.emplace_back(grid.Row(), grid.Col()); });
    grid.SetRow(2);
    ASSERT_EQ(visti.size(), 1u);  // already there when the setter returns
    EXPECT_EQ(visti.back(), std::make_pair(2, 1));
    grid.SetCol(2);
    EXPECT_EQ(visti.back(), std::make_pair(2, 2));
    grid.SetCol(2);  // no move, no notification
    EXPECT_EQ(visti.size(), 2u);
}

TEST_F(Griglia, UnGestoreCheSpostaLaCellaDentroLaNotifica) {
    // The pattern the draw grid uses: past the last column, on to the next row.
    QObject::connect(&grid, &MSFlexGrid::RowColChange, [&] {
        if (grid.Col() == 2) {
            grid.SetCol(1);
            grid.SetRow(grid.Row() == 3 ? 1 : grid.Row() + 1);
        }
    });
    grid.SetRow(3);
    grid.SetCol(2);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(Griglia, LeCelleFisseNonDiventanoCorrentiNeColMouseNeConLeFrecce) {
    grid.SetRow(1);
    grid.SetCol(1);
    grid.setFocus();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centro(0, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centro(2, 0));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centro(3, 2));
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), 2);
}

TEST_F(Griglia, TastiStampabiliEClicDiventanoNotifiche) {
    std::vector<int> tasti;
    QObject::connect(&grid, &MSFlexGrid::KeyPress, [&](int& k) { tasti.push_back(k); });
    std::vector<int> pulsanti;
    QObject::connect(&grid, &MSFlexGrid::MouseDown,
                     [&](int pulsante, int, int, int) { pulsanti.push_back(pulsante); });
    grid.setFocus();
    QTest::keyClicks(&grid, "4a");
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, Centro(2, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centro(0, 0));
    EXPECT_EQ(tasti, (std::vector<int>{'4', 'a'}));
    EXPECT_EQ(pulsanti, (std::vector<int>{2, 1}));
    EXPECT_EQ(grid.Text(), "");  // typing edits nothing by itself
}

TEST_F(Griglia, ColoriTestiEMisureDellaCellaCorrente) {
    grid.SetRow(2);
    grid.SetCol(1);
    grid.SetText("45");
    grid.SetCellBackColor(QColor(255, 0, 0));
    grid.SetCellForeColor(QColor(0, 0, 255));
    grid.SetCellFontSize(12);
    EXPECT_EQ(grid.TextMatrix(2, 1), "45");
    EXPECT_EQ(grid.BackColorAt(2, 1), QColor(255, 0, 0));
    EXPECT_EQ(grid.ForeColorAt(2, 1), QColor(0, 0, 255));
    EXPECT_EQ(grid.FontSizeAt(2, 1), 12);
    EXPECT_EQ(grid.BackColorAt(0, 1), MSFlexGrid::DefaultFixedBackColor());
    EXPECT_EQ(grid.ColWidth(1), 900);
    EXPECT_EQ(grid.RowHeight(3), 300);

    QImage immagine = grid.grab().toImage();
    QRect cella = grid.visualRect(grid.model()->index(2, 1));
    EXPECT_EQ(immagine.pixelColor(cella.topRight() + QPoint(-3, 3)), QColor(255, 0, 0));

    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(2, 1), "");
    EXPECT_EQ(grid.BackColorAt(2, 1), MSFlexGrid::DefaultBackColor());
    EXPECT_EQ(grid.ForeColorAt(2, 1), QColor(0, 0, 0));
}

}  // namespace
}  // namespace ruotario
