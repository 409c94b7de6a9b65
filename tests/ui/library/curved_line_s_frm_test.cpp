#include "../language_guard.h"
#include "../widget_texts.h"
#include "library_test_support.h"
#include "render/draw_function.h"
#include "ui/library/curve_grid_model.h"
#include "ui/library/curved_line_s_frm.h"
#include "ui/platform/color_combo.h"
#include "ui/platform/image.h"

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include <cmath>

namespace {

template <class T> T* control(const QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QAbstractItemModel* grid(const TCurvedLineSFrm& frm)
{
    return control<QTableView>(frm, "DBGrid1")->model();
}

QString cell(const TCurvedLineSFrm& frm, int row, int column)
{
    return grid(frm)->data(grid(frm)->index(row, column)).toString();
}

bool setCell(const TCurvedLineSFrm& frm, int row, int column, const QVariant& value)
{
    return grid(frm)->setData(grid(frm)->index(row, column), value);
}

void click(const TCurvedLineSFrm& frm, const char* name)
{
    control<QAbstractButton>(frm, name)->click();
}

QImage picture(const TCurvedLineSFrm& frm, const char* image)
{
    return control<TImage>(frm, image)->Picture().toImage().convertToFormat(QImage::Format_RGB32);
}

int zoomPercent(TDrawFunction& r) { return static_cast<int>(std::nearbyint(5 / r.Scale())); }

void mouse(
    QWidget* w, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(
        type, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// A library with a few rows in a folder of its own.
struct TLibraryFolder {
    QTemporaryDir Dir;
    TLibraryOptions Options { Dir.path(), 200 };
    explicit TLibraryFolder(const QList<TCurveKey>& rows = {})
    {
        TCurveTable table(Dir.path());
        table.Open();
        for (const TCurveKey& k : rows)
            postRow(table, k.Type, k.FunctionX, k.FunctionY, k.FunctionZ);
    }
};

const QList<TCurveKey> someCurves = {
    { 0, "X", "x", "0" },
    { 0, "X", "x*x", "0" },
    { 5, "R*cos(a)", "R*sin(a)", "1" },
    { 5, "R*cos(a)", "R*sin(a)", "cos(2*a)" },
    { 6, "cos(t)", "sin(t)", "t/5" },
};

} // namespace

TEST(CurvedLineSFrm, ControlsAtTheStart)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder(someCurves);
    TCurvedLineSFrm frm(nullptr, folder.Options);
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Eğri Kayıt"));
    EXPECT_EQ(frm.minimumSize(), QSize(660, 430));
    auto* range = control<QComboBox>(frm, "RangeComboBox");
    QStringList items;
    for (int i = 0; i < range->count(); ++i)
        items.append(range->itemText(i));
    EXPECT_EQ(items,
        QStringList({ "Tüm Eğriler", "Yanlız XY Düzlem Eğrileri", "Yanlız XZ Düzlem Eğriler",
            "Yanlız YZ Düzlem Eğriler", "Yanlız XYZUzay Eğriler", "Yanlız Küresel Sistem Eğriler",
            "Yanlız Kutupsal Koordinat Eğriler", "Yanlız Silindirik Koordinat Eğriler",
            "Yanlız XYZ Yüzeyler", "Yanlız Parametrik Yüzeyler" }));
    EXPECT_EQ(range->currentIndex(), -1);
    EXPECT_EQ(range->toolTip(), QStringLiteral("Çizim Tipi"));

    QStringList headers;
    for (int c = 0; c < grid(frm)->columnCount(); ++c)
        headers.append(grid(frm)->headerData(c, Qt::Horizontal).toString());
    EXPECT_EQ(
        headers, QStringList({ "Eğri Türü", "FunctionX", "FunctionY", "FunctionZ", "Açıklama" }));
    const int widths[] = { 105, 118, 117, 118, 150 };
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(control<QTableView>(frm, "DBGrid1")->columnWidth(c), widths[c]);
    ASSERT_EQ(grid(frm)->rowCount(), 5);
    EXPECT_EQ(cell(frm, 0, 0), QStringLiteral("XY Düzlem Eğrisi"));
    EXPECT_EQ(cell(frm, 4, 3), QStringLiteral("t/5"));
    EXPECT_EQ(frm.Table1().RecNo(), 0);

    const struct {
        const char* Name;
        const char* Hint;
        bool Checked;
    } buttons[] = {
        { "OndenGorBtn", "Önden Görünüş", false },
        { "UsttenGorBtn", "Üstten Görünüş", false },
        { "YandanGorBtn", "Yandan Görünüş", false },
        { "PerspektifGorBtn", "Perspektif Görünüş", false },
        { "TumGorBtn", "4'lü Görünüş", true },
        { "SpeedButton1", "XY Düzlem", true },
        { "SpeedButton2", "XZ Düzlem", true },
        { "SpeedButton3", "YZ Düzlem", true },
        { "CizgiCizimBtn", "Çizgili Çizim", true },
        { "NoktaCizimBtn", "Noktalı Çizim", false },
        { "nbFirst", "İlk kayıt", false },
        { "nbDelete", "Kaydı sil", false },
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.Name);
        auto* button = control<QAbstractButton>(frm, b.Name);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.Hint));
        EXPECT_EQ(button->isChecked(), b.Checked);
    }
    const struct {
        const char* Name;
        const char* Text;
        bool Visible;
        bool Enabled;
    } pushButtons[] = {
        { "BtnKaydet", "&Kaydet", true, false },
        { "BtnGeriAl", "&Geri Al", true, false },
        { "BtnTamam", "&Tamam", false, true },
        { "BtnVazgec", "&Vazgeç", false, true },
        { "BtnKapan", "&Kapat", true, true },
        { "BtnYardim", "&Yardım", true, true },
    };
    frm.show();
    for (const auto& b : pushButtons) {
        SCOPED_TRACE(b.Name);
        auto* button = control<QPushButton>(frm, b.Name);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.Text));
        EXPECT_EQ(button->isVisible(), b.Visible);
        EXPECT_EQ(button->isEnabled(), b.Enabled);
    }
    EXPECT_EQ(control<TColorCombo>(frm, "ColorCombo")->Color(), 8421376u);
    EXPECT_EQ(control<TColorCombo>(frm, "ColorCombo")->currentText(), QStringLiteral("Teal"));
    EXPECT_EQ(control<TColorCombo>(frm, "ArkapilanColorCombo")->Color(), 16777215u);
    EXPECT_EQ(frm.LibraryCurveColour(), 8421376u);
    EXPECT_EQ(frm.LibraryPreview().Width(), 97);
    EXPECT_EQ(frm.LibraryPreview().Height(), 81);
    EXPECT_EQ(zoomPercent(frm.LibraryPreview()), 30);
    EXPECT_FALSE(frm.LibraryPreview().LAxisesVisible());
    EXPECT_EQ(frm.LibraryPreview().Objects().Count(), 1);
    EXPECT_TRUE(prompts.Errors.isEmpty());
}

TEST(CurvedLineSFrm, FrontViewAloneTwiceAsLargeAndFourViewsBack)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder({ { 0, "X", "x", "0" } });
    TCurvedLineSFrm frm(nullptr, folder.Options);
    frm.show();

    click(frm, "OndenGorBtn");
    TDrawFunction& preview = frm.LibraryPreview();
    EXPECT_EQ(preview.Width(), 200);
    EXPECT_EQ(preview.Height(), 168);
    EXPECT_EQ(preview.X0(), 100);
    EXPECT_EQ(preview.Y0(), 84);
    EXPECT_EQ(zoomPercent(preview), 60);
    auto* front = control<TImage>(frm, "OndenGorImage");
    EXPECT_TRUE(front->isVisible());
    EXPECT_EQ(front->geometry(), QRect(1, 1, 200, 168));
    for (const char* name : { "UsttenGorImage", "YandanGorImage", "PerspektifGorImage" })
        EXPECT_FALSE(control<TImage>(frm, name)->isVisible()) << name;

    // The same scene drawn here: y = x seen from the front at zoom 60.
    TDrawFunction expected;
    expected.SetSize(200, 168);
    expected.SetX0(100);
    expected.SetY0(84);
    expected.SetLAxisesVisible(false);
    expected.SetZoom(60);
    expected.Objects().Append(0, "X", "x", "0", 8421376, 0, 2, 0.2L, true);
    expected.SetAngles(0, 0);
    expected.Render(true);
    const QImage shown = picture(frm, "OndenGorImage");
    EXPECT_EQ(shown, expected.Image().convertToFormat(QImage::Format_RGB32));
    int teal = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            teal += shown.pixel(x, y) == ColorToRgb32(8421376);
    EXPECT_GT(teal, 100);

    click(frm, "PerspektifGorBtn");
    auto* perspective = control<TImage>(frm, "PerspektifGorImage");
    EXPECT_TRUE(perspective->isVisible());
    EXPECT_FALSE(front->isVisible());
    EXPECT_EQ(perspective->geometry(), QRect(1, 1, 200, 168));

    click(frm, "TumGorBtn");
    EXPECT_EQ(preview.Width(), 100);
    EXPECT_EQ(preview.Height(), 84);
    EXPECT_EQ(zoomPercent(preview), 30);
    const struct {
        const char* Name;
        QPoint At;
    } places[] = { { "OndenGorImage", { 1, 1 } }, { "UsttenGorImage", { 103, 1 } },
        { "YandanGorImage", { 1, 87 } }, { "PerspektifGorImage", { 103, 87 } } };
    for (const auto& p : places) {
        SCOPED_TRACE(p.Name);
        auto* image = control<TImage>(frm, p.Name);
        EXPECT_TRUE(image->isVisible());
        EXPECT_EQ(image->geometry(), QRect(p.At, QSize(100, 84)));
    }
    // Side view of a curve in the XY plane: seen edge on, only the z = 0 line.
    expected.SetSize(100, 84);
    expected.SetX0(50);
    expected.SetY0(42);
    expected.SetZoom(30);
    expected.SetAngles(0, -90);
    expected.Render(true);
    EXPECT_EQ(
        picture(frm, "YandanGorImage"), expected.Image().convertToFormat(QImage::Format_RGB32));

    // Hidden planes and the point style reach the pictures.
    const QImage withPlanes = picture(frm, "OndenGorImage");
    click(frm, "SpeedButton1");
    click(frm, "SpeedButton2");
    click(frm, "SpeedButton3");
    EXPECT_FALSE(preview.Planes().Items(1).Visible());
    EXPECT_NE(picture(frm, "OndenGorImage"), withPlanes);
    click(frm, "NoktaCizimBtn");
    EXPECT_EQ(preview.Objects().Items(0).Style, 1);
    click(frm, "CizgiCizimBtn");
    EXPECT_EQ(preview.Objects().Items(0).Style, 0);
    EXPECT_TRUE(prompts.Errors.isEmpty());
}

TEST(CurvedLineSFrm, ColoursAndTurningThePerspectivePreview)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder({ { 6, "cos(t)", "sin(t)", "t/5" } });
    TCurvedLineSFrm frm(nullptr, folder.Options);
    frm.show();
    auto* color = control<TColorCombo>(frm, "ColorCombo");
    color->setCurrentIndex(9);
    emit color->activated(9);
    EXPECT_EQ(frm.LibraryCurveColour(), 255u);
    EXPECT_EQ(frm.LibraryPreview().Objects().Items(0).Color, 255u);
    auto* back = control<TColorCombo>(frm, "ArkapilanColorCombo");
    back->setCurrentIndex(0);
    emit back->activated(0);
    EXPECT_EQ(frm.LibraryPreview().BrushColor(), 0u);
    const QImage dark = picture(frm, "OndenGorImage");
    int black = 0;
    for (int y = 0; y < dark.height(); ++y)
        for (int x = 0; x < dark.width(); ++x)
            black += dark.pixel(x, y) == ColorToRgb32(0);
    EXPECT_GT(black, dark.width() * dark.height() / 2);

    auto* image = control<TImage>(frm, "PerspektifGorImage");
    const QImage before = picture(frm, "PerspektifGorImage");
    mouse(image, QEvent::MouseButtonPress, 50, 40, Qt::LeftButton, Qt::LeftButton);
    mouse(image, QEvent::MouseMove, 60, 50, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(frm.LibraryAngleX(), 15);
    EXPECT_EQ(frm.LibraryAngleY(), -30);
    mouse(image, QEvent::MouseMove, 80, 40, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(frm.LibraryAngleX(), 15);
    EXPECT_EQ(frm.LibraryAngleY(), -45);
    mouse(image, QEvent::MouseMove, 80, 60, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(frm.LibraryAngleX(), 25);
    EXPECT_NE(picture(frm, "PerspektifGorImage"), before);
    mouse(image, QEvent::MouseMove, 80, 90, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(frm.LibraryAngleX(), 25);
    mouse(image, QEvent::MouseButtonRelease, 80, 90, Qt::LeftButton, Qt::NoButton);
    mouse(image, QEvent::MouseMove, 80, 130, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(frm.LibraryAngleX(), 25);
    EXPECT_TRUE(prompts.Errors.isEmpty());
}

TEST(CurvedLineSFrm, ChangingTypeOfTheEditedRowWritesItsDefaults)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder({ { 0, "X", "x", "0" } });
    TCurvedLineSFrm frm(nullptr, folder.Options);
    frm.show();
    const struct {
        int Type;
        const char* Fx;
        const char* Fy;
        const char* Fz;
    } defaults[] = {
        { 5, "R*cos(a)", "R*sin(a)", "" },
        { 1, "X", "0", "" },
        { 2, "0", "Y", "" },
        { 3, "X", "", "" },
        { 4, "", "", "" },
        { 6, "", "", "" },
        { 0, "X", "", "0" },
    };
    for (const auto& d : defaults) {
        SCOPED_TRACE(d.Type);
        ASSERT_TRUE(setCell(frm, 0, TCurveGridModel::gcLookup, d.Type));
        EXPECT_EQ(frm.Table1().State(), dsEdit);
        EXPECT_EQ(cell(frm, 0, 1), QString::fromLatin1(d.Fx));
        EXPECT_EQ(cell(frm, 0, 2), QString::fromLatin1(d.Fy));
        EXPECT_EQ(cell(frm, 0, 3), QString::fromLatin1(d.Fz));
        EXPECT_EQ(frm.Table1().FieldAsString(u"FunctionX"), QString::fromLatin1(d.Fx));
        EXPECT_EQ(cell(frm, 0, 0), frm.Table1().LookupTypeName(d.Type));
    }
    EXPECT_TRUE(control<QPushButton>(frm, "BtnKaydet")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(frm, "BtnGeriAl")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(frm, "BtnKapan")->isEnabled());

    // Choosing the type the row already has keeps what was typed.
    ASSERT_TRUE(setCell(frm, 0, TCurveGridModel::gcFunctionY, QStringLiteral("x^2")));
    setCell(frm, 0, TCurveGridModel::gcLookup, 0);
    EXPECT_EQ(cell(frm, 0, 2), QStringLiteral("x^2"));

    click(frm, "BtnGeriAl");
    EXPECT_EQ(frm.Table1().State(), dsBrowse);
    EXPECT_EQ(cell(frm, 0, 2), QStringLiteral("x"));
    EXPECT_TRUE(control<QPushButton>(frm, "BtnKapan")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(frm, "BtnKaydet")->isEnabled());

    // A new row through the navigator, its type through the lookup column.
    click(frm, "nbInsert");
    EXPECT_EQ(frm.Table1().State(), dsInsert);
    EXPECT_EQ(grid(frm)->headerData(0, Qt::Vertical).toString(), QStringLiteral("*"));
    setCell(frm, 0, TCurveGridModel::gcLookup, 5);
    setCell(frm, 0, TCurveGridModel::gcFunctionZ, QStringLiteral("2*cos(3*a)"));
    setCell(frm, 0, TCurveGridModel::gcComment, QStringLiteral("yonca"));
    click(frm, "BtnKaydet");
    EXPECT_EQ(frm.Table1().State(), dsBrowse);
    EXPECT_EQ(storedRows(folder.Dir),
        QStringList({ "0|X|x|0|", "5|R*cos(a)|R*sin(a)|2*cos(3*a)|yonca" }));
    EXPECT_EQ(frm.Table1().RecNo(), 1);
    EXPECT_EQ(control<QTableView>(frm, "DBGrid1")->currentIndex().row(), 1);
    EXPECT_TRUE(prompts.Errors.isEmpty());
}

TEST(CurvedLineSFrm, RangeChoicesAndPendingEdits)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder(someCurves);
    TCurvedLineSFrm frm(nullptr, folder.Options);
    frm.show();
    auto* range = control<QComboBox>(frm, "RangeComboBox");
    auto choose = [range](int index) {
        range->setCurrentIndex(index);
        emit range->activated(index);
    };
    choose(6);
    ASSERT_EQ(grid(frm)->rowCount(), 2);
    for (int r = 0; r < 2; ++r)
        EXPECT_EQ(cell(frm, r, 0), QStringLiteral("Kutupsal Koordinat Eğrisi"));
    choose(0);
    EXPECT_EQ(grid(frm)->rowCount(), 5);
    choose(2);
    EXPECT_EQ(grid(frm)->rowCount(), 0);
    EXPECT_EQ(frm.LibraryPreview().Objects().Count(), 0);

    // A pending edit is posted before the range changes ...
    choose(1);
    ASSERT_EQ(grid(frm)->rowCount(), 2);
    setCell(frm, 1, TCurveGridModel::gcComment, QStringLiteral("parabol"));
    choose(0);
    EXPECT_TRUE(storedRows(folder.Dir).contains(QStringLiteral("0|X|x*x|0|parabol")));
    EXPECT_EQ(grid(frm)->rowCount(), 5);

    // ... and one that cannot be posted stops the change and stays in the grid.
    setCell(frm, 1, TCurveGridModel::gcFunctionY, QStringLiteral("x"));
    const QStringList before = storedRows(folder.Dir);
    choose(6);
    EXPECT_EQ(range->currentIndex(), 0);
    EXPECT_EQ(grid(frm)->rowCount(), 5);
    EXPECT_EQ(cell(frm, 1, 2), QStringLiteral("x"));
    EXPECT_EQ(frm.Table1().State(), dsEdit);
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(
        prompts.Errors[0].startsWith(QStringLiteral("Kayıt yazılamadı: UNIQUE constraint failed")));

    // Moving to another row is refused alike; the grid stays on the edited row.
    control<QTableView>(frm, "DBGrid1")->setCurrentIndex(grid(frm)->index(3, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(frm.Table1().RecNo(), 1);
    EXPECT_EQ(control<QTableView>(frm, "DBGrid1")->currentIndex().row(), 1);
    EXPECT_EQ(prompts.Errors.size(), 2);

    // Leaving the window does not post the same failing edit again, and
    // activation does not re-read over it.
    frm.FormDeactivate();
    QCoreApplication::processEvents();
    frm.FormActivate();
    EXPECT_EQ(prompts.Errors.size(), 2);
    EXPECT_EQ(cell(frm, 1, 2), QStringLiteral("x"));
    EXPECT_EQ(storedRows(folder.Dir), before);

    // Corrected, it is posted by leaving the window.
    setCell(frm, 1, TCurveGridModel::gcFunctionY, QStringLiteral("x*x*x"));
    frm.FormDeactivate();
    QCoreApplication::processEvents();
    EXPECT_EQ(frm.Table1().State(), dsBrowse);
    EXPECT_TRUE(storedRows(folder.Dir).contains(QStringLiteral("0|X|x*x*x|0|parabol")));
    EXPECT_EQ(prompts.Errors.size(), 2);
}

TEST(CurvedLineSFrm, TwoWindowsTheirConnectionsActivationAndTheLock)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder({ { 0, "X", "x", "0" } });
    TCurvedLineSFrm child(nullptr, folder.Options);
    TCurvedLineSFrm modal(nullptr, folder.Options);
    EXPECT_NE(child.Table1().ConnectionName(), modal.Table1().ConnectionName());

    click(modal, "nbInsert");
    setCell(modal, 0, TCurveGridModel::gcLookup, 3);
    setCell(modal, 0, TCurveGridModel::gcFunctionY, QStringLiteral("sin(x)"));
    setCell(modal, 0, TCurveGridModel::gcFunctionZ, QStringLiteral("cos(x)"));
    click(modal, "BtnKaydet");
    EXPECT_EQ(grid(child)->rowCount(), 1);
    child.FormActivate();
    EXPECT_EQ(grid(child)->rowCount(), 2);
    EXPECT_EQ(cell(child, 1, 2), QStringLiteral("sin(x)"));

    // A write waiting on another's lock gives up after the busy timeout.
    TRawConnection other(curvesFile(folder.Dir), QStringLiteral("other"));
    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE"), QString());
    setCell(child, 1, TCurveGridModel::gcComment, QStringLiteral("kilitli"));
    click(child, "BtnKaydet");
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_EQ(prompts.Errors[0],
        QStringLiteral("Kayıt yazılamadı: database is locked\nKütüphane başka bir pencerede ya da "
                       "programda yazılıyor; biraz sonra yeniden deneyin."));
    EXPECT_EQ(child.Table1().State(), dsEdit);
    EXPECT_EQ(cell(child, 1, 4), QStringLiteral("kilitli"));
    EXPECT_TRUE(control<QPushButton>(child, "BtnKaydet")->isEnabled());
    ASSERT_EQ(other.Exec("ROLLBACK"), QString());
    click(child, "BtnKaydet");
    EXPECT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(storedRows(folder.Dir).contains(QStringLiteral("3|X|sin(x)|cos(x)|kilitli")));
}

TEST(CurvedLineSFrm, AsAChildWindowItPostsOnLeavingAndIsFreedOnClose)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder({ { 0, "X", "x", "0" }, { 0, "X", "x*x", "0" } });
    QMdiArea area;
    area.resize(900, 600);
    auto* frm = new TCurvedLineSFrm(nullptr, folder.Options);
    QPointer<TCurvedLineSFrm> alive(frm);
    QMdiSubWindow* sub = area.addSubWindow(frm);
    auto* otherWidget = new QWidget;
    QMdiSubWindow* other = area.addSubWindow(otherWidget);
    area.show();
    area.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &area);
    area.setActiveSubWindow(sub);
    QCoreApplication::processEvents();

    // Leaving the window for another child window posts the edit.
    setCell(*frm, 0, TCurveGridModel::gcComment, QStringLiteral("doğru"));
    EXPECT_EQ(frm->Table1().State(), dsEdit);
    area.setActiveSubWindow(other);
    QCoreApplication::processEvents();
    EXPECT_EQ(frm->Table1().State(), dsBrowse);
    EXPECT_TRUE(storedRows(folder.Dir).contains(QStringLiteral("0|X|x|0|doğru")));

    // Coming back re-reads the tables: a row stored meanwhile shows.
    {
        TCurveTable elsewhere(folder.Dir.path());
        elsewhere.Open();
        postRow(elsewhere, 6, "cos(t)", "sin(t)", "t");
    }
    EXPECT_EQ(grid(*frm)->rowCount(), 2);
    area.setActiveSubWindow(sub);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid(*frm)->rowCount(), 3);

    // A row that cannot be posted keeps the window open.
    setCell(*frm, 0, TCurveGridModel::gcFunctionY, QStringLiteral("x*x"));
    const int errors = static_cast<int>(prompts.Errors.size());
    EXPECT_FALSE(control<QPushButton>(*frm, "BtnKapan")->isEnabled());
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(alive);
    EXPECT_TRUE(frm->isVisible());
    EXPECT_GT(prompts.Errors.size(), errors);

    click(*frm, "BtnGeriAl");
    click(*frm, "BtnKapan");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_TRUE(prompts.Errors.size() == errors + 1) << prompts.Errors.join('\n').toStdString();
}

TEST(CurvedLineSFrm, ARowThatDoesNotCompileLeavesThePreviewEmpty)
{
    TRecordedPrompts prompts;
    // "sin(" comes first in the key order.
    TLibraryFolder folder({ { 0, "X", "x", "0" }, { 0, "X", "sin(", "0" } });
    TCurvedLineSFrm frm(nullptr, folder.Options);
    EXPECT_EQ(frm.Table1().FieldAsString(u"FunctionY"), QStringLiteral("sin("));
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_EQ(frm.LibraryPreview().Objects().Count(), 0);
    // Recolouring without a preview curve changes the colour only.
    auto* color = control<TColorCombo>(frm, "ColorCombo");
    color->setCurrentIndex(12);
    emit color->activated(12);
    EXPECT_EQ(frm.LibraryCurveColour(), 16711680u);
    EXPECT_EQ(frm.LibraryPreview().Objects().Count(), 0);
    EXPECT_EQ(prompts.Errors.size(), 1);
    click(frm, "nbNext");
    ASSERT_EQ(frm.LibraryPreview().Objects().Count(), 1);
    EXPECT_EQ(frm.LibraryPreview().Objects().Items(0).Color, 16711680u);
    EXPECT_EQ(prompts.Errors.size(), 1);
}

TEST(CurvedLineSFrm, WithoutItsFilesTheWindowGoesOnEmpty)
{
    TRecordedPrompts prompts;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("CurvedLines.db"));
    TCurvedLineSFrm frm(nullptr, TLibraryOptions { dir.path(), 200 });
    frm.show();
    EXPECT_FALSE(frm.Table1().Active());
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(
        prompts.Errors[0].startsWith(QStringLiteral("Eğri kütüphanesi dosyası açılamadı: ")));
    EXPECT_EQ(grid(frm)->rowCount(), 0);
    EXPECT_TRUE(control<QPushButton>(frm, "BtnKapan")->isEnabled());
    EXPECT_FALSE(control<QToolButton>(frm, "nbInsert")->isEnabled());
    click(frm, "TumGorBtn");
    click(frm, "BtnKapan");
    EXPECT_FALSE(frm.isVisible());
}

// Closing a message box activates the window again: what was told is not told
// again by the activation that follows.
TEST(CurvedLineSFrm, ActivationDoesNotRepeatAMessage)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder({ { 0, "X", "sin(", "0" } });
    TCurvedLineSFrm frm(nullptr, folder.Options);
    ASSERT_EQ(prompts.Errors.size(), 1);
    frm.FormActivate();
    frm.FormActivate();
    EXPECT_EQ(prompts.Errors.size(), 1);

    // A file damaged while the window is open: told once, then once more only
    // after it could be read again and failed anew.
    const QByteArray good = fileBytes(curvesFile(folder.Dir));
    writeFile(curvesFile(folder.Dir), QByteArray(good.size(), '\x5A'));
    frm.FormActivate();
    frm.FormActivate();
    ASSERT_EQ(prompts.Errors.size(), 2);
    EXPECT_TRUE(prompts.Errors[1].startsWith(QStringLiteral("Eğri kütüphanesi okunamadı: ")))
        << prompts.Errors[1].toStdString();
    EXPECT_EQ(grid(frm)->rowCount(), 1);
    writeFile(curvesFile(folder.Dir), good);
    frm.FormActivate();
    EXPECT_EQ(prompts.Errors.size(), 2);
}

TEST(CurvedLineSFrm, TheNavigatorAsksBeforeDeleting)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder({ { 0, "X", "x", "0" }, { 0, "X", "x*x", "0" } });
    TCurvedLineSFrm frm(nullptr, folder.Options);
    EXPECT_FALSE(control<QToolButton>(frm, "nbFirst")->isEnabled());
    EXPECT_TRUE(control<QToolButton>(frm, "nbLast")->isEnabled());
    click(frm, "nbLast");
    EXPECT_EQ(frm.Table1().RecNo(), 1);
    EXPECT_FALSE(control<QToolButton>(frm, "nbNext")->isEnabled());
    EXPECT_TRUE(control<QToolButton>(frm, "nbPrior")->isEnabled());
    prompts.Answers = { false, true };
    click(frm, "nbDelete");
    EXPECT_EQ(storedRows(folder.Dir).size(), 2);
    click(frm, "nbDelete");
    EXPECT_EQ(prompts.Questions,
        QStringList({ "Eğri Kayıt: Kayıt silinsin mi?", "Eğri Kayıt: Kayıt silinsin mi?" }));
    EXPECT_EQ(storedRows(folder.Dir), QStringList { "0|X|x|0|" });
    EXPECT_EQ(grid(frm)->rowCount(), 1);
    EXPECT_EQ(frm.Table1().RecNo(), 0);
    EXPECT_EQ(frm.LibraryPreview().Objects().Count(), 1);
}

// The library window built in English reads differently from the Turkish one wherever it
// shows a word, the curve types' names from the type table included.
TEST(CurvedLineSFrm, SpeaksEnglishWhenChosen)
{
    TLanguageGuard guard;
    TRecordedPrompts prompts;
    TLibraryFolder folder(someCurves);
    const auto texts = [&folder] {
        TCurvedLineSFrm frm(nullptr, folder.Options);
        QStringList shown = WidgetTexts(frm);
        const QAbstractItemModel* grid = control<QTableView>(frm, "DBGrid1")->model();
        for (int row = 0; row < grid->rowCount(); ++row)
            shown << grid->data(grid->index(row, 0)).toString();
        return shown;
    };
    const QStringList turkish = texts();
    InstallLanguage(TLanguage::English);
    const QStringList english = texts();
    EXPECT_TRUE(english.contains("XY Plane Curve")) << english.join('|').toStdString();
    // Names and the short view buttons are the same on purpose.
    const QStringList same = UntranslatedTexts(
        turkish, english, { "Velmo", "Per", "Olive", "Teal", "Lime", "Fuchsia", "Aqua" });
    EXPECT_TRUE(same.isEmpty()) << same.join(" | ").toStdString();
}
