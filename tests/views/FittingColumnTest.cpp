#include "FittingColumn.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

constexpr int kSidePadding = 40;

// Three 100 x 50 sections under, between and over gaps of 40, 28, 28 and 40: 350 tall at ease.
class FittingColumnTest : public ::testing::Test {
protected:
    FittingColumnTest() {
        column = new FittingColumn(kSidePadding, &room);
        column->addGap(40);
        for (int i = 0; i < 3; ++i) {
            auto* section = new QWidget;
            section->setFixedSize(100, 50);
            column->addSection(section);
            sections.push_back(section);
            column->addGap(i < 2 ? 28 : 40);
        }
    }

    QWidget room;
    FittingColumn* column;
    std::vector<QWidget*> sections;
};

// 150 of sections leave 68 of the 136 for the gaps in a room 218 tall; in a room 100 tall the
// gaps stop narrowing at the floor and the column overflows both edges alike.
TEST_F(FittingColumnTest, SitsInTheMiddleNarrowingEveryGapAlikeToFitAShortRoom) {
    struct Row {
        int roomHeight;
        double fit, gapScale;
        QRect placed;
        int firstGap, innerGap;
    };
    for (const Row& row :
         {Row{1000, 1.0, 1.0, QRect(310, (1000 - 286) / 2, 180, 286), 40, 28},
          Row{218, 1.0, 0.5, QRect(310, 0, 180, 218), 20, 14},
          Row{100, 100.0 / 190, FittingColumn::kMinGapScale, QRect(310, -45, 180, 190), 12, 8}}) {
        SCOPED_TRACE(row.roomHeight);
        EXPECT_DOUBLE_EQ(column->fitInto(QRect(0, 0, 800, row.roomHeight)), row.fit);
        EXPECT_DOUBLE_EQ(column->gapScale(), row.gapScale);
        EXPECT_EQ(column->geometry(), row.placed);
        EXPECT_EQ(sections[0]->y(), row.firstGap);
        EXPECT_EQ(sections[1]->y() - sections[0]->geometry().bottom() - 1, row.innerGap);
    }
}

} // namespace
} // namespace wigglepad
