#include "base/number_text.h"
#include "curves/point_table.h"

#include <gtest/gtest.h>
#include <vector>

TEST(PointTable, CsvKeepsThePointAndTsvTheUsersSeparator)
{
    const std::vector<TSpacePoint> points {
        { -10, 2.5L, 0, 1 },
        { 0.1L, -1.5e-7L, 1e15L, 1 },
        { 1.0L / 3, 123456789012345678.0L, -0.000123L, 1 },
    };
    for (const char separator : { '.', ',' }) {
        SCOPED_TRACE(separator);
        SetDecimalSeparator(separator);
        EXPECT_EQ(PointTableText(points, TPointTableFormat::Csv),
            "n,x,y,z\r\n"
            "1,-10,2.5,0\r\n"
            "2,0.1,-1.5E-7,1E15\r\n"
            "3,0.333333333333333,1.23456789012346E17,-0.000123\r\n");
    }
    EXPECT_EQ(PointTableText(points, TPointTableFormat::Tsv),
        "n\tx\ty\tz\n"
        "1\t-10\t2,5\t0\n"
        "2\t0,1\t-1,5E-7\t1E15\n"
        "3\t0,333333333333333\t1,23456789012346E17\t-0,000123\n");
    SetDecimalSeparator('.');
    EXPECT_EQ(PointTableText(std::vector<TSpacePoint> {}, TPointTableFormat::Csv), "n,x,y,z\r\n");
}
