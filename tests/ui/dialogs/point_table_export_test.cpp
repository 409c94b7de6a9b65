#include "base/number_text.h"
#include "dialogs_test_support.h"
#include "files/point_table_export.h"
#include "geometry/goruntu_matrisi.h"
#include "render/draw_function.h"
#include "ui/dialogs/saysal_frm.h"
#include "ui/platform/error_report.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {
// A curve's own point list: x from -10 to 10 at step 0.001, y = sin(x) * 3 / 7, z = x * 1e-9.
struct Curve {
    TGoruntuMatrisi Points;
    explicit Curve(int count = 20001)
    {
        for (int i = 0; i < count; ++i) {
            const long double x = -10 + i * 0.001L;
            Points.Add({ x, std::sin(x) * 3 / 7, x * 1e-9L, 1 });
        }
    }
};

struct SeparatorScope {
    char Old = DecimalSeparator();
    explicit SeparatorScope(char c) { SetDecimalSeparator(c); }
    ~SeparatorScope() { SetDecimalSeparator(Old); }
};

QByteArray readAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
}

TEST(PointTableExport, CsvReadsBackAsThePoints)
{
    // Under the decimal comma the file still holds points; every row is one point, in order,
    // equal to 15 significant digits; the progress reaches the total.
    SeparatorScope comma(',');
    Curve curve;
    QTemporaryDir dir;
    const QString name = dir.filePath("noktalar.csv");
    qint64 last = -1, total = 0;
    int calls = 0;
    const TPointTableExport result = ExportPointTable(curve.Points, name, [&](qint64 d, qint64 t) {
        EXPECT_GT(d, last);
        last = d, total = t, ++calls;
        return true;
    });
    EXPECT_TRUE(result.Written);
    EXPECT_TRUE(result.Message.isEmpty());
    EXPECT_EQ(last, curve.Points.Count());
    EXPECT_EQ(total, curve.Points.Count());
    EXPECT_GT(calls, 0);

    const QByteArray bytes = readAll(name);
    ASSERT_TRUE(bytes.startsWith("n,x,y,z\r\n"));
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    ASSERT_EQ(lines.size(), curve.Points.Count() + 1);
    for (int i = 0; i < curve.Points.Count(); ++i) {
        QByteArray line = lines[i + 1];
        ASSERT_TRUE(line.endsWith('\r'));
        line.chop(1);
        const QList<QByteArray> fields = line.split(',');
        ASSERT_EQ(fields.size(), 4) << line.constData();
        EXPECT_EQ(fields[0].toInt(), i + 1);
        const TSpacePoint& p = curve.Points.SpacePoints(i);
        const long double expected[3] = { p.X, p.Y, p.Z };
        for (int c = 0; c < 3; ++c) {
            const double value = std::strtod(fields[c + 1].constData(), nullptr);
            ASSERT_NEAR(value, double(expected[c]), std::abs(double(expected[c])) * 1e-14 + 1e-300)
                << line.constData();
        }
    }
}

TEST(PointTableExport, FailuresLeaveTheOldFile)
{
    Curve curve(200000);
    QTemporaryDir dir;
    // A folder that does not exist, and a name that is a folder: one message naming the file.
    for (const QString& name : { dir.filePath("yok/noktalar.csv"), dir.path() }) {
        SCOPED_TRACE(name.toStdString());
        const TPointTableExport result = ExportPointTable(curve.Points, name);
        EXPECT_FALSE(result.Written);
        EXPECT_FALSE(result.Cancelled);
        EXPECT_TRUE(result.Message.startsWith(
            "\"" + QDir::toNativeSeparators(name) + "\" dosyası yazılamadı: "))
            << result.Message.toStdString();
    }
    // Cancelled half way: the old file stays as it was and no temporary file is left.
    const QString name = dir.filePath("eski.csv");
    TTestWindow::WriteFile(name, "eski");
    const TPointTableExport cancelled
        = ExportPointTable(curve.Points, name, [](qint64 done, qint64) { return done < 100000; });
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_FALSE(cancelled.Written);
    EXPECT_EQ(readAll(name), "eski");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "eski.csv" });
    // An empty list writes the header alone.
    TGoruntuMatrisi none;
    EXPECT_TRUE(ExportPointTable(none, name).Written);
    EXPECT_EQ(readAll(name), "n,x,y,z\r\n");
}

TEST(PointTableExport, ClipboardTextOfTheWindow)
{
    SeparatorScope comma(',');
    TTestWindow win;
    TEditorValues v = XYCurve("x/4");
    v.Step = 2.5;
    win.W->ApplyCurve(v);
    QString all, selected;
    WhenModal<TSaysalFrm>([&](TSaysalFrm& f) {
        const auto copy = [&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
            QApplication::sendEvent(f.StringGrid1, &press);
            return QGuiApplication::clipboard()->text();
        };
        f.StringGrid1->clearSelection();
        all = copy();
        f.StringGrid1->selectionModel()->select(f.StringGrid1->model()->index(1, 2),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        f.StringGrid1->selectionModel()->select(f.StringGrid1->model()->index(3, 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        selected = copy();
        EXPECT_EQ(f.DisaAktarButton->text(), "Dışa Aktar...");
        f.reject();
    });
    win.W->ShowNumericValues();
    // x = -10, -7.5, ..., 7.5: eight points, y = x / 4 with the decimal comma.
    QStringList rows = all.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 9) << all.toStdString();
    EXPECT_EQ(rows[0], "n\tx\ty\tz");
    EXPECT_EQ(rows[2], "2\t-7,5\t-1,875\t0");
    EXPECT_EQ(rows[8], "8\t7,5\t1,875\t0");
    EXPECT_EQ(selected, "n\tx\ty\tz\n2\t-7,5\t-1,875\t0\n4\t-2,5\t-0,625\t0\n");
}

TEST(PointTableExport, ButtonAsksForTheFileAndWritesIt)
{
    TTestWindow win;
    win.W->ApplyCurve(XYCurve("x*x"));
    const QString name = win.Dir.filePath("kare");
    WhenModal<TSaysalFrm>([&](TSaysalFrm& f) {
        WhenModal<QFileDialog>([&](QFileDialog& d) {
            EXPECT_EQ(d.defaultSuffix(), "csv");
            d.selectFile(name);
            static_cast<QDialog&>(d).accept();
        });
        f.DisaAktarButton->click();
        f.reject();
    });
    win.W->ShowNumericValues();
    QStringList messages;
    TScopedErrorSink sink([&](const QString& m) { messages << m; });
    const QString badName = win.Dir.filePath("yok/kare.csv");
    WhenModal<TSaysalFrm>([&](TSaysalFrm& f) {
        EXPECT_FALSE(f.ExportTo(badName));
        f.reject();
    });
    win.W->ShowNumericValues();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("kare.csv\" dosyası yazılamadı")) << messages[0].toStdString();
    const QByteArray bytes = readAll(name + ".csv");
    EXPECT_TRUE(bytes.startsWith("n,x,y,z\r\n1,-10,100,0\r\n")) << bytes.left(60).constData();
    EXPECT_EQ(bytes.count('\n'), win.R().Objects().Items(0).Points->Count() + 1);
}
