#include "geometry/space_point.h"
#include "render/wide_line.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QSvgGenerator>

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {
QPen widePen(int width)
{
    QPen pen(QColor(200, 0, 0));
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A walk with many points repeating the one before, as a dense curve gives on screen.
std::vector<TScreenPoint> walk(std::mt19937& random, int count, int spread)
{
    std::vector<TScreenPoint> points { { 0, 0 } };
    for (int i = 1; i < count; ++i) {
        TScreenPoint p = points.back();
        if (random() % 5 >= 2) {
            p.X += static_cast<int>(random() % (2 * spread + 1)) - spread;
            p.Y += static_cast<int>(random() % (2 * spread + 1)) - spread;
        }
        points.push_back(p);
    }
    return points;
}
}

// On a raster picture a wide line drawn without the points that repeat the one before
// has the pixels of the painter's own polyline through all of them, for every width
// and with smoothing on or off; the walks also leave the picture and come back.
TEST(WideLines, RepeatedPointsLeftOutDrawThePaintersPixels)
{
    std::mt19937 random(20261209);
    const int x0 = 200, y0 = 150;
    for (int c = 0; c < 600; ++c) {
        const int width = 2 + c % 7;
        const bool smooth = c % 2 == 1;
        const std::vector<TScreenPoint> points
            = walk(random, 2 + static_cast<int>(random() % 400), c % 4 == 3 ? 60 : 1 + c % 4 * 4);
        QImage own(400, 300, QImage::Format_RGB32), painters(400, 300, QImage::Format_RGB32);
        own.fill(Qt::white);
        painters.fill(Qt::white);
        {
            QPainter p(&own);
            p.setRenderHint(QPainter::Antialiasing, smooth);
            p.setPen(widePen(width));
            TWideLines(p, own.width(), own.height(), width)
                .Polyline(points.data(), static_cast<int>(points.size()), x0, y0);
        }
        {
            QPainter p(&painters);
            p.setRenderHint(QPainter::Antialiasing, smooth);
            p.setPen(widePen(width));
            // A walk that stays near the picture goes to the painter as one polyline.
            QPolygon all;
            for (const TScreenPoint& q : points)
                all << QPoint(x0 + q.X, y0 - q.Y);
            bool near = true;
            for (const QPoint& q : all)
                near = near && q.x() >= -12 && q.x() <= 412 && q.y() >= -12 && q.y() <= 312;
            if (!near)
                continue;
            p.drawPolyline(all);
        }
        ASSERT_TRUE(own == painters) << "walk " << c << ", width " << width;
    }
}

// Files keep every point: the SVG's polyline and a path get the repeats too.
TEST(WideLines, FilesAndPathsKeepEveryPoint)
{
    const std::vector<TScreenPoint> points { { 0, 0 }, { 0, 0 }, { 5, 5 }, { 5, 5 }, { 9, 2 } };
    QPainterPath path;
    QImage image(100, 100, QImage::Format_RGB32);
    {
        QPainter p(&image);
        TWideLines(p, 100, 100, 3, &path).Polyline(points.data(), 5, 50, 50);
    }
    EXPECT_EQ(path.elementCount(), 5);

    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(100, 100));
    {
        QPainter p(&generator);
        p.setPen(widePen(3));
        TWideLines(p, 100, 100, 3).Polyline(points.data(), 5, 50, 50);
    }
    EXPECT_TRUE(svg.data().contains("50,50 50,50 55,45 55,45 59,48")) << svg.data().toStdString();
}
