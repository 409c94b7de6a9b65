#include "base/number_text.h"
#include "dialogs_test_support.h"
#include "render/draw_function.h"
#include "ui/dialogs/curve_points_model.h"
#include "ui/dialogs/interest_page.h"
#include "ui/dialogs/saysal_frm.h"
#include "ui/dialogs/spin_edit.h"
#include "ui/platform/image.h"

#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

#include <cmath>
#include <gtest/gtest.h>

namespace {
QString text(long double v) { return QString::fromStdString(FloatToText(v)); }

struct Buttons {
    bool First, Prior, Next, Last;
    bool operator==(const Buttons&) const = default;
};
Buttons buttons(const TSaysalFrm& f)
{
    return { f.ilkEgriButton->isEnabled(), f.OncekiButton->isEnabled(),
        f.SonrakiButton->isEnabled(), f.SonEgriButton->isEnabled() };
}

void typeInto(QWidget* target, const QString& keys)
{
    for (QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}
}

TEST(NumericValues, WindowOnAGraphWindowWithoutCurves)
{
    TTestWindow win;
    bool seen = false;
    WhenModal<TSaysalFrm>([&](TSaysalFrm& f) {
        seen = true;
        EXPECT_EQ(f.windowTitle(), "Sayısal Değerler (Ekran1)");
        const TCurvePointsModel& model = f.PointsModel();
        EXPECT_EQ(model.rowCount(), 4);
        EXPECT_EQ(model.columnCount(), 4);
        const char* headers[] = { "Index", "X", "Y", "Z" };
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers[c]);
            EXPECT_TRUE(model.CellText(0, c).isEmpty());
        }
        const int widths[] = { 64, 121, 120, 120 };
        EXPECT_EQ(f.StringGrid1->columnWidth(0), widths[0]);
        for (int c = 1; c < 4; ++c) {
            EXPECT_GE(f.StringGrid1->columnWidth(c), widths[c]);
            // Wide enough for the longest number text.
            EXPECT_GE(f.StringGrid1->columnWidth(c),
                f.StringGrid1->fontMetrics().horizontalAdvance("-0.00000000000000E-00"));
        }
        EXPECT_TRUE(f.StringGrid1->horizontalHeader()->sectionsMovable());
        EXPECT_EQ(f.StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_FALSE(f.EgriNoEdit->isEnabled());
        EXPECT_EQ(buttons(f), (Buttons { false, false, false, false }));
        EXPECT_EQ(f.EgriNoEdit->value(), 1) << "the spin keeps 0 within 1 and 0";
        EXPECT_EQ(f.PreviewRenderer().Objects().Count(), 0);
        EXPECT_EQ(f.Image1->Picture().size(), QSize(219, 132));
        EXPECT_EQ(f.PreviewRenderer().X0(), 109);
        EXPECT_EQ(f.PreviewRenderer().Y0(), 66);
        EXPECT_EQ(f.PreviewRenderer().Scale(), 5.0L / 40);
        EXPECT_EQ(f.BtnKapan->text(), "&Kapat");
        EXPECT_EQ(f.BtnYardim->text(), "&Yardım");
        EXPECT_EQ(f.SonEgriButton->toolTip(), "Son  Eğri");
        f.BtnKapan->click();
    });
    win.W->ShowNumericValues();
    EXPECT_TRUE(seen);
}

TEST(NumericValues, ThreePointCurveRowsAndTotals)
{
    TTestWindow win;
    win.W->ApplyCurve(ThreePointCurve());
    TSaysalFrm f;
    f.SetCurves(&win.R().Objects(), 1);
    f.show();

    const TCurvePointsModel& model = f.PointsModel();
    ASSERT_EQ(model.rowCount(), 3);
    const char* rows[3][4]
        = { { "1", "-1", "1", "0" }, { "2", "0", "0", "0" }, { "3", "1", "1", "0" } };
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            SCOPED_TRACE(testing::Message() << "row " << r << " column " << c);
            EXPECT_EQ(model.CellText(r, c), rows[r][c]);
            EXPECT_EQ(model.data(model.index(r, c)).toString(), rows[r][c]);
        }
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(f.EgriTypeEdit->text(), "XY Düzlem Eğrisi");
    EXPECT_EQ(f.fxEdit->text(), "X");
    EXPECT_EQ(f.fyEdit->text(), "x^2+ln(2-x^2)*0");
    EXPECT_EQ(f.fzEdit->text(), "0");
    EXPECT_EQ(f.NoktaAraligiEdit->text(), "1");
    EXPECT_EQ(f.TEditY->text(), "2");
    EXPECT_EQ(f.MTEditY->text(), "2");
    EXPECT_TRUE(f.TEditY->isVisible());
    EXPECT_TRUE(f.MTEditY->isVisible());
    for (QLineEdit* hidden : { f.TEditX, f.MTEditX, f.TEditZ, f.MTEditZ })
        EXPECT_FALSE(hidden->isVisible());
    // The preview draws the curve alone at the preview angles.
    const TObjectList& preview = f.PreviewRenderer().Objects();
    ASSERT_EQ(preview.Count(), 1);
    EXPECT_EQ(preview.Items(0).Points->Count(), 3);
    EXPECT_EQ(preview.Items(0).Color, 255u);
    EXPECT_EQ(f.PreviewRenderer().XAxisAngle(), 15);
    EXPECT_EQ(f.PreviewRenderer().YAxisAngle(), -30);
    EXPECT_EQ(f.Image1->Picture().toImage(), f.PreviewRenderer().Image());
    EXPECT_EQ(buttons(f), (Buttons { false, false, false, false }));
}

TEST(NumericValues, TextsAndTotalsOfEachCurveType)
{
    TTestWindow win;
    struct Row {
        TEditorValues Curve;
        const char* Type;
        const char* Fx;
        const char* Fy;
        const char* Fz;
        bool Shown[3];
    };
    const auto values = [](int type, const char* fx, const char* fy, const char* fz, double step) {
        TEditorValues v;
        v.CurveType = type;
        v.Fx = fx;
        v.Fy = fy;
        v.Fz = fz;
        v.Step = step;
        v.Color = 0x8000;
        return v;
    };
    const Row rows[] = {
        { values(0, "X", "x/2", "0", 0.5), "XY Düzlem Eğrisi", "X", "x/2", "0", { 0, 1, 0 } },
        { values(1, "X", "0", "x-1", 0.5), "XZ Düzlem Eğrisi", "X", "0", "x-1", { 0, 0, 1 } },
        { values(2, "0", "y", "y*3", 0.5), "YZ Düzlem Eğrisi", "0", "Y", "y*3", { 0, 0, 1 } },
        { values(3, "X", "x", "-x", 0.5), "Uzay Eğrisi", "X", "x", "-x", { 0, 1, 1 } },
        { values(4, "cos(a)", "sin(b)", "a", 0.5), "Küresel Eğri", "cos(a)", "sin(b)", "a",
            { 1, 1, 1 } },
        { values(5, "R*cos(a)", "R*sin(a)", "2", 0.1), "Kutupsal Eğri", "R*cos(a)", "R*sin(a)", "2",
            { 1, 1, 0 } },
        { values(6, "cos(t)", "sin(t)", "t", 0.25), "Silindirik Eğri", "cos(t)", "sin(t)", "t",
            { 1, 1, 1 } },
        { values(7, "X", "Y", "x*y/10", 0.5), "XYZ Yüzey", "X", "Y", "x*y/10", { 0, 0, 1 } },
        { values(8, "cos(u)*(2+cos(v))", "sin(u)*(2+cos(v))", "sin(v)", 0.5), "Parametrik Yüzey",
            "cos(u)*(2+cos(v))", "sin(u)*(2+cos(v))", "sin(v)", { 1, 1, 1 } },
    };
    for (const Row& row : rows) {
        win.W->ApplyCurve(row.Curve);
        win.W->NewCurve();
    }

    TSaysalFrm f;
    f.SetCurves(&win.R().Objects(), 1);
    f.show();
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        SCOPED_TRACE(rows[i].Type);
        f.EgriNoEdit->SetValue(i + 1);
        EXPECT_EQ(f.EgriTypeEdit->text(), rows[i].Type);
        EXPECT_EQ(f.fxEdit->text(), rows[i].Fx);
        EXPECT_EQ(f.fyEdit->text(), rows[i].Fy);
        EXPECT_EQ(f.fzEdit->text(), rows[i].Fz);
        EXPECT_EQ(f.NoktaAraligiEdit->text(), text(rows[i].Curve.Step));
        // The sums once more, straight from the curve's points.
        const TGoruntuMatrisi& points = *win.R().Objects().Items(i).Points;
        ASSERT_GT(points.Count(), 0);
        EXPECT_EQ(f.PointsModel().rowCount(), points.Count());
        long double sum[3] = {}, abs[3] = {};
        for (int k = 0; k < points.Count(); ++k) {
            const TSpacePoint& p = points.SpacePoints(k);
            const long double c[3] = { p.X, p.Y, p.Z };
            for (int j = 0; j < 3; ++j) {
                sum[j] += c[j];
                abs[j] += std::fabs(c[j]);
            }
        }
        QLineEdit* sums[3] = { f.TEditX, f.TEditY, f.TEditZ };
        QLineEdit* absSums[3] = { f.MTEditX, f.MTEditY, f.MTEditZ };
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(sums[j]->isVisible(), rows[i].Shown[j]) << j;
            EXPECT_EQ(absSums[j]->isVisible(), rows[i].Shown[j]) << j;
            if (rows[i].Shown[j]) {
                EXPECT_EQ(sums[j]->text(), text(sum[j])) << j;
                EXPECT_EQ(absSums[j]->text(), text(abs[j])) << j;
            }
        }
        // The preview's own curve has the points of the shown one.
        EXPECT_EQ(f.PreviewRenderer().Objects().Items(0).Points->Count(), points.Count());
    }
}

TEST(NumericValues, NavigationBetweenFiveCurves)
{
    TTestWindow win;
    const char* formulas[] = { "x", "x*2", "x*3", "x*4", "x*5" };
    for (const char* fy : formulas) {
        win.W->NewCurve();
        win.W->ApplyCurve(XYCurve(fy));
    }
    win.W->FirstCurve();
    win.W->NextCurve();
    win.W->NextCurve();
    ASSERT_EQ(win.W->CurveIndex(), 2);

    bool seen = false;
    WhenModal<TSaysalFrm>([&](TSaysalFrm& f) {
        seen = true;
        EXPECT_TRUE(f.EgriNoEdit->isEnabled());
        EXPECT_EQ(f.EgriNoEdit->value(), 3);
        EXPECT_EQ(f.fyEdit->text(), "x*3");
        EXPECT_EQ(buttons(f), (Buttons { true, true, true, true }));

        f.SonEgriButton->click();
        EXPECT_EQ(f.EgriNoEdit->value(), 5);
        EXPECT_EQ(f.fyEdit->text(), "x*5");
        EXPECT_EQ(buttons(f), (Buttons { true, true, false, false }));

        // Typing 9: the shown curve stays and every button is enabled.
        f.EgriNoEdit->setFocus();
        f.EgriNoEdit->selectAll();
        typeInto(f.EgriNoEdit, "9");
        EXPECT_EQ(f.EgriNoEdit->text(), "9");
        EXPECT_EQ(f.fyEdit->text(), "x*5");
        EXPECT_EQ(buttons(f), (Buttons { true, true, true, true }));
        // The arrows stay within the curves.
        f.EgriNoEdit->SetValue(5);
        f.EgriNoEdit->stepUp();
        EXPECT_EQ(f.EgriNoEdit->value(), 5);

        f.OncekiButton->click();
        EXPECT_EQ(f.fyEdit->text(), "x*4");
        f.ilkEgriButton->click();
        EXPECT_EQ(f.EgriNoEdit->value(), 1);
        EXPECT_EQ(f.fyEdit->text(), "x");
        EXPECT_EQ(buttons(f), (Buttons { false, false, true, true }));
        f.SonrakiButton->click();
        EXPECT_EQ(f.fyEdit->text(), "x*2");
        f.BtnKapan->click();
    });
    win.W->ShowNumericValues();
    EXPECT_TRUE(seen);
    EXPECT_EQ(win.W->CurveIndex(), 2) << "the window only reads the curves";
}

TEST(NumericValues, PreviewTurnsUnderTheLeftButtonBeyondTenPixels)
{
    TTestWindow win;
    win.W->ApplyCurve(XYCurve("x"));
    TSaysalFrm f;
    f.SetCurves(&win.R().Objects(), 1);
    f.show();
    const QImage start = f.Image1->Picture().toImage();

    f.Image1MouseMove(Qt::LeftButton, 50, 50);
    EXPECT_EQ(f.PreviewAngleX(), 15) << "not pressed";
    f.Image1MouseDown(Qt::LeftButton, 100, 50);
    f.Image1MouseMove(Qt::LeftButton, 110, 60);
    EXPECT_EQ(f.PreviewAngleX(), 15);
    EXPECT_EQ(f.PreviewAngleY(), -30);
    f.Image1MouseMove(Qt::RightButton, 111, 50);
    EXPECT_EQ(f.PreviewAngleY(), -30) << "only the left button turns";
    f.Image1MouseMove(Qt::LeftButton, 111, 50);
    EXPECT_EQ(f.PreviewAngleY(), -35.5L);
    EXPECT_EQ(f.PreviewAngleX(), 15);
    EXPECT_EQ(f.PreviewRenderer().YAxisAngle(), -35.5L);
    EXPECT_NE(f.Image1->Picture().toImage(), start);
    // The stored point moved with the turn.
    f.Image1MouseMove(Qt::LeftButton, 111, 72);
    EXPECT_EQ(f.PreviewAngleX(), 26);
    f.Image1MouseUp(Qt::LeftButton, 111, 72);
    f.Image1MouseMove(Qt::LeftButton, 200, 200);
    EXPECT_EQ(f.PreviewAngleX(), 26);

    // Showing a curve again puts the preview back at its angles.
    f.ilkEgriButton->setEnabled(true);
    f.ilkEgriButtonClick();
    EXPECT_EQ(f.PreviewAngleX(), 15);
    EXPECT_EQ(f.PreviewAngleY(), -30);
}

TEST(NumericValues, CurveOfFourHundredThousandPoints)
{
    TTestWindow win;
    TEditorValues v = XYCurve("0.1");
    v.Step = 0.00005L;
    win.W->ApplyCurve(v);
    const int count = win.R().Objects().Items(0).Points->Count();
    ASSERT_GT(count, 399000);

    TSaysalFrm f;
    f.SetCurves(&win.R().Objects(), 1);
    f.show();
    // The cells are made on demand: the model has a row per point, no items.
    EXPECT_EQ(f.PointsModel().rowCount(), count);
    EXPECT_EQ(f.StringGrid1->model()->rowCount(), count);
    EXPECT_EQ(f.PointsModel().CellText(count - 1, 0), QString::number(count));
    EXPECT_EQ(f.PointsModel().CellText(0, 1), "-10");
    EXPECT_EQ(f.PointsModel().CellText(count - 1, 2), "0.1");
    f.StringGrid1->scrollToBottom();
    // Extended precision: a double running sum is off at the fifteenth digit.
    long double expected = 0;
    for (int k = 0; k < count; ++k)
        expected += 0.1L;
    EXPECT_EQ(f.TEditY->text(), text(expected));
    double inDouble = 0;
    for (int k = 0; k < count; ++k)
        inDouble += 0.1;
    EXPECT_NE(f.TEditY->text(), text(inDouble));
    EXPECT_EQ(f.MTEditY->text(), f.TEditY->text());
}

TEST(NumericValues, SecondPageListsPointsOfInterestAndMeasures)
{
    TTestWindow win;
    TEditorValues cubic = ThreePointCurve();
    cubic.Fy = "x^3-3*x";
    cubic.Step = 0.1L;
    win.W->ApplyCurve(cubic);
    win.W->NewCurve();
    TEditorValues line = cubic;
    line.Fy = "1";
    win.W->ApplyCurve(line);
    TSaysalFrm f;
    f.SetCurves(&win.R().Objects(), 1);
    f.show();
    QTableWidget* points = f.OnemliNoktalarPage->NoktalarGrid;
    EXPECT_EQ(points->rowCount(), 0) << "worked out only when the page is shown";
    f.SayfaTab->setCurrentIndex(1);
    const auto row = [points](int r) {
        QStringList cells;
        for (int c = 0; c < points->columnCount(); ++c)
            cells << points->item(r, c)->text();
        return cells.join(' ');
    };
    // The cubic's zeros and turns, and the three places where it crosses y = 1.
    ASSERT_EQ(points->rowCount(), 8);
    EXPECT_EQ(row(0), "Sıfır y -1.73205080756888 -1.73205080756888 0 0");
    EXPECT_EQ(row(2), "Maksimum y -1 -1 2 0");
    EXPECT_EQ(row(7), "Kesişim Eğri 2 1.87938524157182 1.87938524157182 1 0");
    QTableWidget* measures = f.OnemliNoktalarPage->OlculerGrid;
    ASSERT_EQ(measures->rowCount(), 2);
    EXPECT_EQ(measures->item(0, 0)->text(), "Uzunluk");
    EXPECT_EQ(measures->item(1, 0)->text(), "Alan");
    EXPECT_TRUE(measures->item(1, 1)->text().startsWith("≈ 0")) << "an odd curve's area is 0";

    // Ctrl+C copies the rows as the grid shows them.
    points->selectRow(2);
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
    QApplication::sendEvent(points, &copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
        "Nokta\tNeyin\tDeğişken\tx\ty\tz\nMaksimum\ty\t-1\t-1\t2\t0\n");

    // The next curve's page, at once since it is shown.
    f.SonrakiButton->click();
    ASSERT_EQ(points->rowCount(), 3);
    EXPECT_EQ(row(2), "Kesişim Eğri 1 1.87938524157182 1.87938524157182 1 0");
}
