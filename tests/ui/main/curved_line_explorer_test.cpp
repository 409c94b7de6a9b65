#include "base/number_text.h"
#include "engine/fonksiyon.h"
#include "engine/variable_memory.h"
#include "explorer_test_host.h"
#include "ui/dialogs/spin_edit.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/explorer_controls.h"
#include "ui/main/operator_select_tool_w.h"
#include "ui/platform/color_combo.h"
#include "ui/platform/error_report.h"
#include "ui/platform/image.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

using namespace explorer_test;

namespace {

struct TExpectedDefaults {
    const char* Fx;
    const char* Fy;
    const char* Fz;
    bool FxOn, FyOn, FzOn;
    const char* Labels[3];
    int Thickness;
};

// What each item of the type list shows, written out apart from the panel's table.
const TExpectedDefaults ExpectedDefaults[7] = {
    { "X", "", "0", false, true, false, { "fx:", "fy(x):", "fz:" }, 2 },
    { "X", "0", "", false, false, true, { "fx:", "fy:", "fz(x):" }, 2 },
    { "0", "y", "", false, false, true, { "fx:", "fy:", "fz(y):" }, 2 },
    { "X", "", "", false, true, true, { "fx:", "fy(x):", "fz(x):" }, 2 },
    { "", "", "", true, true, true, { "fx(a,b):", "fy(a,b):", "fz(a,b):" }, 1 },
    { "R*cos(a)", "R*sin(a)", "", false, false, true, { "fx(a):", "fy(a):", " R(a):" }, 2 },
    { "", "", "", true, true, true, { "fx(t):", "fy(t):", "fz(t):" }, 2 },
};

void ExpectDefaults(TCurvedLineExplorer& p, int type)
{
    const TExpectedDefaults& d = ExpectedDefaults[type];
    EXPECT_EQ(p.FTypeComboBox->currentIndex(), type);
    EXPECT_EQ(p.fxEdit->text(), QString::fromUtf8(d.Fx));
    EXPECT_EQ(p.fyEdit->text(), QString::fromUtf8(d.Fy));
    EXPECT_EQ(p.fzEdit->text(), QString::fromUtf8(d.Fz));
    EXPECT_EQ(p.fxEdit->isEnabled(), d.FxOn);
    EXPECT_EQ(p.fyEdit->isEnabled(), d.FyOn);
    EXPECT_EQ(p.fzEdit->isEnabled(), d.FzOn);
    EXPECT_EQ(p.fxLabel->text(), QString::fromUtf8(d.Labels[0]));
    EXPECT_EQ(p.fyLabel->text(), QString::fromUtf8(d.Labels[1]));
    EXPECT_EQ(p.fzLabel->text(), QString::fromUtf8(d.Labels[2]));
    EXPECT_EQ(p.NoktaAraligiEdit->text(), "0,1");
    EXPECT_EQ(p.CizgiKEdit->value(), d.Thickness);
}

} // namespace

TEST(CurveExplorer, WindowControlsAndTheirTexts)
{
    TCurvedLineExplorer p;
    EXPECT_EQ(p.objectName(), "CurvedLineExplorerToolW");
    EXPECT_EQ(p.windowTitle(), "Eğri Gezgini");
    EXPECT_EQ(p.allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    EXPECT_TRUE(p.isHidden());
    EXPECT_EQ(p.layout()->sizeConstraint(), QLayout::SetFixedSize);

    const QStringList types { "XY Düzleminde (x değisken)", "XZ Düzleminde (x değisken)",
        "YZ Düzleminde (y değisken)", "XYZUzayında    (x değisken)",
        "Küresel Sistemde   (a ve b değisken)", "Kutupsal Koordinatlarda (a değisken)",
        "Silindirik Koordinatlarda  (t  değisken)", "XYZ Yüzey", "Parametrik Yüzey" };
    ASSERT_EQ(p.FTypeComboBox->count(), types.size());
    for (int k = 0; k < types.size(); ++k)
        EXPECT_EQ(p.FTypeComboBox->itemText(k), types[k]);

    const QStringList colours { "Siyah", "Kestane Rengi", "Yeşil", "Olive", "Lacivert", "Pembe",
        "Teal", "Gri", "Gümüş Rengi", "Kırmızı", "Lime", "Sarı", "Mavi", "Fuchsia", "Aqua",
        "Beyaz" };
    ASSERT_EQ(p.ColorCombo->count(), colours.size());
    for (int k = 0; k < colours.size(); ++k)
        EXPECT_EQ(p.ColorCombo->itemText(k), colours[k]);
    EXPECT_EQ(p.ColorCombo->currentText(), "Olive");
    EXPECT_EQ(p.ColorCombo->Color(), 0x008080u);

    ASSERT_EQ(p.CizimSekliCombo->count(), 2);
    EXPECT_EQ(p.CizimSekliCombo->itemText(0), "Çizgi");
    EXPECT_EQ(p.CizimSekliCombo->itemText(1), "Nokta");
    ASSERT_EQ(p.GorunurlukCombo->count(), 2);
    EXPECT_EQ(p.GorunurlukCombo->itemText(0), "Görünür");
    EXPECT_EQ(p.GorunurlukCombo->itemText(1), "Görünmez");

    // The captions of the fields, each leading to its field.
    const std::pair<QWidget*, const char*> captions[] = {
        { p.FTypeComboBox, "Çizim &Tipi" },
        { p.ColorCombo, "Çizim &Rengi" },
        { p.CizimSekliCombo, "Çizim &Şekli" },
        { p.GorunurlukCombo, "&Görünürlük" },
        { p.NoktaAraligiEdit, "Nokta &Aralıgı" },
        { p.CizgiKEdit, "Çizgi\n&Kalınlığı" },
    };
    for (const auto& [field, caption] : captions) {
        SCOPED_TRACE(caption);
        QStringList found;
        for (QLabel* label : p.findChildren<QLabel*>())
            if (label->buddy() == field)
                found << label->text();
        EXPECT_EQ(found, QStringList { QString::fromUtf8(caption) });
    }

    auto* thickness = qobject_cast<TSpinEdit*>(p.CizgiKEdit);
    ASSERT_NE(thickness, nullptr);
    EXPECT_EQ(thickness->MinValue(), 1);
    EXPECT_EQ(thickness->MaxValue(), 20);
    EXPECT_EQ(p.CizgiKEdit->value(), 1);
    EXPECT_FALSE(p.fxEdit->isEnabled());
    EXPECT_EQ(p.fxLabel->text(), "fx:");
    EXPECT_EQ(p.fyLabel->text(), "fy:");
    EXPECT_EQ(p.fzLabel->text(), "fz:");
    EXPECT_EQ(p.FonksiyonlarGroup->title(), " Fonksiyonlar ");
    EXPECT_EQ(p.EgriGorImage->size(), QSize(240, 165));
    EXPECT_EQ(p.SpinButton1->parentWidget(), p.NoktaAraligiEdit->parentWidget());

    // The field block, preview included, lies on the one panel that is enabled as a whole.
    for (QWidget* field : std::initializer_list<QWidget*> { p.FTypeComboBox, p.fzEdit, p.ColorCombo,
             p.CizimSekliCombo, p.GorunurlukCombo, p.NoktaAraligiEdit, p.SpinButton1, p.CizgiKEdit,
             p.EgriGorImage })
        EXPECT_TRUE(p.EgriOzellikleriPanel->isAncestorOf(field))
            << field->objectName().toStdString();
    for (QWidget* button : std::initializer_list<QWidget*> { p.UygulaButton, p.ilkEgriButton })
        EXPECT_FALSE(p.EgriOzellikleriPanel->isAncestorOf(button));

    const std::pair<QWidget*, const char*> hints[] = {
        { p.ilkEgriButton, "İlk Eğri" },
        { p.OncekiEgriButton, "Önceki Eğri" },
        { p.SonrakiEgriButton, "Sonraki  Eğri" },
        { p.SonEgriButton, "Son  Eğri" },
        { p.YeniEgriButton, "Yeni Eğri" },
        { p.EgriSilButton, "Eğriyi Sil" },
        { p.TumEgrileriSilButton, "Tüm Eğrileri Sil" },
        { p.EgriKaydetButton, "Eğriyi Dosyaya Kaydet" },
        { p.CLSelectButton, "Eğriyi Dosyadan Sec" },
    };
    for (const auto& [button, hint] : hints) {
        SCOPED_TRACE(hint);
        EXPECT_EQ(button->statusTip(), QString::fromUtf8(hint));
        EXPECT_TRUE(button->toolTip().isEmpty());
    }
    EXPECT_EQ(p.EgriKaydetButton->text(), "Kaydet...");
    EXPECT_EQ(p.CLSelectButton->text(), "Eğri Sec...");
    EXPECT_EQ(p.UygulaButton->text(), "Uygula");

    // The preview renderer: the image's size, origin at its centre, zoom 50 %.
    const TDrawFunction& r = p.PreviewRenderer();
    EXPECT_EQ(r.Width(), 240);
    EXPECT_EQ(r.Height(), 165);
    EXPECT_EQ(r.X0(), 120);
    EXPECT_EQ(r.Y0(), 82);
    EXPECT_EQ(r.Scale(), 5.0L / 50);
    EXPECT_EQ(r.BrushColor(), QColorToColor(p.palette().color(QPalette::Button)));
    EXPECT_EQ(r.Objects().Count(), 0);
}

TEST(CurveExplorer, EachTypeSetsItsDefaults)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    for (int type = 0; type < 7; ++type) {
        SCOPED_TRACE(type);
        p.NoktaAraligiEdit->setText("5");
        p.CizgiKEdit->setValue(7);
        p.fxEdit->setText("junk");
        p.fyEdit->setText("junk");
        p.fzEdit->setText("junk");
        e.Pick(p.FTypeComboBox, type);
        ExpectDefaults(p, type);
    }
    // With no item selected only the step and the thickness change.
    p.FTypeComboBox->setCurrentIndex(-1);
    p.NoktaAraligiEdit->setText("5");
    p.CizgiKEdit->setValue(7);
    p.FTypeComboBoxChange();
    EXPECT_EQ(p.NoktaAraligiEdit->text(), "0,1");
    EXPECT_EQ(p.CizgiKEdit->value(), 2);
    EXPECT_EQ(p.fxLabel->text(), "fx(t):");
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
}

TEST(CurveExplorer, StepButtons)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    struct Row {
        const char* From;
        bool Up;
        const char* To;
    };
    const Row rows[] = {
        { "0,1", true, "0,11" },
        { "0,11", false, "0,1" },
        { "0,015", false, "0,015" },
        { "0,02", false, "0,01" },
        { "0,1", false, "0,09" },
        { "0,01", true, "0,02" },
        { "0,2", true, "0,3" },
        { "0,3", false, "0,2" },
        { "1", true, "1,1" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.From) + (row.Up ? " up" : " down"));
        p.NoktaAraligiEdit->setText(row.From);
        if (row.Up)
            p.SpinButton1UpClick();
        else
            p.SpinButton1DownClick();
        EXPECT_EQ(p.NoktaAraligiEdit->text(), row.To);
    }
    // The arrows themselves.
    p.NoktaAraligiEdit->setText("0,1");
    p.SpinButton1->UpButton()->click();
    EXPECT_EQ(p.NoktaAraligiEdit->text(), "0,11");
    p.SpinButton1->DownButton()->click();
    EXPECT_EQ(p.NoktaAraligiEdit->text(), "0,1");

    // A step that is no number: one message per click, the text stays.
    p.NoktaAraligiEdit->setText("0.1");
    e.errors.clear();
    p.SpinButton1UpClick();
    p.SpinButton1DownClick();
    EXPECT_EQ(e.errors,
        QStringList({ "'0.1' is not a valid floating point value",
            "'0.1' is not a valid floating point value" }));
    EXPECT_EQ(p.NoktaAraligiEdit->text(), "0.1");
}

TEST(CurveExplorer, StepButtonsMarkAnAppliedCurveChanged)
{
    TExplorerFixture e;
    e.Enter(0, "", "sin(x)", "", Blue);
    ASSERT_EQ(e.Curves(), 1);
    EXPECT_FALSE(e.panel.UygulaButton->isEnabled());
    e.panel.SpinButton1UpClick();
    EXPECT_TRUE(e.panel.UygulaButton->isEnabled());
    EXPECT_EQ(e.host.Status, "  (1/1) Değisiklik");
    e.panel.SpinButton1DownClick();
    EXPECT_FALSE(e.panel.UygulaButton->isEnabled());
}

TEST(CurveExplorer, EmptyWindowShowsTypeZero)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    EXPECT_EQ(e.host.Fills, 1);
    ExpectDefaults(p, 0);
    EXPECT_EQ(p.CizimSekliCombo->currentText(), "Çizgi");
    EXPECT_EQ(p.GorunurlukCombo->currentText(), "Görünür");
    EXPECT_EQ(p.PreviewRenderer().Objects().Count(), 0);
    EXPECT_EQ(e.host.Status, "  (Yeni Eğri)");
    // A new curve with the fixed "X" and "0" already counts as entered.
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    EXPECT_FALSE(e.host.Buttons.First || e.host.Buttons.Prior || e.host.Buttons.Next
        || e.host.Buttons.Last || e.host.Buttons.Remove || e.host.Buttons.RemoveAll);
    EXPECT_FALSE(p.ilkEgriButton->isEnabled());
    EXPECT_FALSE(p.TumEgrileriSilButton->isEnabled());

    // A window with a curve in points, hidden, then an empty one: the style and the
    // visibility return, the preview empties, the colour stays.
    e.Enter(4, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Lime, 1, 1, "0,2", 3);
    ASSERT_EQ(e.Curves(), 1);
    ASSERT_EQ(p.PreviewRenderer().Objects().Count(), 1);
    const QImage withCurve = p.EgriGorImage->Picture().toImage();
    ASSERT_GT(CountPixels(withCurve, Lime), 0);
    e.OpenWindow();
    ExpectDefaults(p, 0);
    EXPECT_EQ(p.CizimSekliCombo->currentIndex(), 0);
    EXPECT_EQ(p.GorunurlukCombo->currentIndex(), 0);
    EXPECT_EQ(p.ColorCombo->Color(), Lime);
    EXPECT_EQ(p.PreviewRenderer().Objects().Count(), 0);
    EXPECT_EQ(CountPixels(p.EgriGorImage->Picture().toImage(), Lime), 0);
    // The empty preview is the plain scene at the preview's angles.
    TDrawFunction plain;
    plain.SetSize(240, 165);
    plain.SetX0(120);
    plain.SetY0(82);
    plain.SetBrushColor(p.PreviewRenderer().BrushColor());
    plain.SetZoom(50);
    plain.SetAngles(15, -30);
    plain.Render(true);
    EXPECT_EQ(
        p.EgriGorImage->Picture().toImage().convertToFormat(QImage::Format_RGB32), plain.Image());
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
}

TEST(CurveExplorer, ApplyingEnablesAndDisablesUygula)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.Pick(p.FTypeComboBox, 0);
    TExplorerFixture::Type(p.fyEdit, "x^2/4");
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    p.ColorCombo->SetColor(Maroon);
    p.UygulaButton->click();
    ASSERT_EQ(e.Curves(), 1);
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
    EXPECT_FALSE(p.UygulaButton->isEnabled());
    EXPECT_EQ(e.host.Status, "  (1/1)");
    EXPECT_EQ(e.w().State(), omNone);
    const TCurveRecord stored = e.w().DrawFunction().Objects().Items(0);
    EXPECT_EQ(stored.Fy->GetText(), "x^2/4");
    EXPECT_EQ(stored.Color, Maroon);
    EXPECT_EQ(stored.Step, 0.1L);
    EXPECT_EQ(stored.Thickness, 2);
    // The preview shows the applied curve at the preview's angles.
    EXPECT_EQ(p.PreviewRenderer().Objects().Count(), 1);
    EXPECT_EQ(p.PreviewAngleX(), 15);
    EXPECT_EQ(p.PreviewAngleY(), -30);
    EXPECT_GT(CountPixels(p.EgriGorImage->Picture().toImage(), Maroon), 0);

    // A change enables it and marks the curve; going back to the stored value
    // disables it again, the marker staying until the next refresh.
    TExplorerFixture::Type(p.fyEdit, "x^2/5");
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    EXPECT_EQ(e.host.Status, "  (1/1) Değisiklik");
    TExplorerFixture::Type(p.fyEdit, "x^2/4");
    EXPECT_FALSE(p.UygulaButton->isEnabled());
    p.CizgiKEdit->setValue(5);
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    p.CizgiKEdit->setValue(2);
    EXPECT_FALSE(p.UygulaButton->isEnabled());
    TExplorerFixture::Type(p.NoktaAraligiEdit, "0,05");
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    TExplorerFixture::Type(p.NoktaAraligiEdit, "0,1");
    EXPECT_FALSE(p.UygulaButton->isEnabled());
    p.ColorCombo->SetColor(Lime);
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    p.ColorCombo->SetColor(Maroon);
    EXPECT_FALSE(p.UygulaButton->isEnabled());
    e.Pick(p.GorunurlukCombo, 1);
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    e.Pick(p.GorunurlukCombo, 0);
    EXPECT_FALSE(p.UygulaButton->isEnabled());
    // An index set by the program (the drawing-style commands) is no change.
    p.CizimSekliCombo->setCurrentIndex(1);
    EXPECT_FALSE(p.UygulaButton->isEnabled());
    p.CizimSekliCombo->setCurrentIndex(0);

    // A formula that does not compile: the engine's message, nothing stored, the
    // user's text kept and Uygula still enabled.
    TExplorerFixture::Type(p.fyEdit, "sin(");
    ASSERT_TRUE(p.UygulaButton->isEnabled());
    p.UygulaButtonClick();
    TVariableMemory memory;
    TFonksiyon formula;
    formula.SetMemory(&memory);
    QString expected;
    try {
        formula.SetText("sin(");
    } catch (const EFonksiyonError& error) {
        expected = QString::fromStdString(error.Message());
    }
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(e.errors, QStringList { expected });
    EXPECT_EQ(p.fyEdit->text(), "sin(");
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    EXPECT_EQ(e.w().DrawFunction().Objects().Items(0).Fy->GetText(), "x^2/4");

    // The same curve once more as a new one: the duplicate is refused.
    e.errors.clear();
    p.YeniEgriButtonClick();
    TExplorerFixture::Type(p.fyEdit, "x^2/4");
    p.UygulaButtonClick();
    EXPECT_EQ(e.errors, QStringList { "Bu eğri daha önce tanımlanmıştır (0)" });
    EXPECT_EQ(e.Curves(), 1);
    EXPECT_TRUE(p.UygulaButton->isEnabled());
}

TEST(CurveExplorer, NavigationRefillsThePanel)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.Enter(0, "", "sin(x)", "", Blue, 0, 0, "0,1", 2);
    e.Enter(4, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Lime, 1, 1, "0,25", 4);
    e.Enter(5, "", "", "1+a/7", Maroon, 0, 1, "0,05", 9);
    ASSERT_EQ(e.Curves(), 3);
    ASSERT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();

    struct Shown {
        int Type;
        const char *Fx, *Fy, *Fz;
        TColor Color;
        int Style, Visibility;
        const char* Step;
        int Thickness;
    };
    const Shown curves[3] = {
        { 0, "X", "sin(x)", "0", Blue, 0, 0, "0,1", 2 },
        { 4, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Lime, 1, 1, "0,25", 4 },
        { 5, "R*cos(a)", "R*sin(a)", "1+a/7", Maroon, 0, 1, "0,05", 9 },
    };
    const auto expectShown = [&](int index) {
        SCOPED_TRACE(index);
        const Shown& c = curves[index];
        EXPECT_EQ(p.FTypeComboBox->currentIndex(), c.Type);
        EXPECT_EQ(p.fxEdit->text(), c.Fx);
        EXPECT_EQ(p.fyEdit->text(), c.Fy);
        EXPECT_EQ(p.fzEdit->text(), c.Fz);
        EXPECT_EQ(p.ColorCombo->Color(), c.Color);
        EXPECT_EQ(p.CizimSekliCombo->currentIndex(), c.Style);
        EXPECT_EQ(p.GorunurlukCombo->currentIndex(), c.Visibility);
        EXPECT_EQ(p.NoktaAraligiEdit->text(), c.Step);
        EXPECT_EQ(p.CizgiKEdit->value(), c.Thickness);
        // Filling the fields is no change of the curve.
        EXPECT_FALSE(p.UygulaButton->isEnabled());
        EXPECT_EQ(e.w().State(), omNone);
        EXPECT_EQ(e.host.Status,
            QString("  (%1/3)").arg(index + 1)); // never " Değisiklik" after moving
        EXPECT_EQ(e.w().CurveIndex(), index);
        EXPECT_EQ(p.ilkEgriButton->isEnabled(), index > 0);
        EXPECT_EQ(p.OncekiEgriButton->isEnabled(), index > 0);
        EXPECT_EQ(p.SonrakiEgriButton->isEnabled(), index < 2);
        EXPECT_EQ(p.SonEgriButton->isEnabled(), index < 2);
        EXPECT_TRUE(p.EgriSilButton->isEnabled());
        ASSERT_EQ(p.PreviewRenderer().Objects().Count(), 1);
        EXPECT_EQ(p.PreviewRenderer().Objects().Items(0).CurveType, c.Type);
        EXPECT_TRUE(p.PreviewRenderer().Objects().Items(0).Visible);
        EXPECT_EQ(p.PreviewAngleY(), -30);
    };
    expectShown(2);
    p.ilkEgriButton->click();
    expectShown(0);
    p.SonrakiEgriButton->click();
    expectShown(1);
    p.SonrakiEgriButton->click();
    expectShown(2);
    p.SonrakiEgriButtonClick(); // on the last curve: stays
    expectShown(2);
    p.OncekiEgriButton->click();
    expectShown(1);
    p.ilkEgriButtonClick();
    p.OncekiEgriButtonClick(); // on the first curve: stays
    expectShown(0);
    p.SonEgriButton->click();
    expectShown(2);

    // Unapplied changes are dropped by moving.
    TExplorerFixture::Type(p.fzEdit, "2");
    ASSERT_TRUE(p.UygulaButton->isEnabled());
    p.OncekiEgriButtonClick();
    expectShown(1);

    // Deleting asks first; "Hayır" keeps the curve.
    e.Answer = false;
    p.EgriSilButton->click();
    EXPECT_EQ(e.Curves(), 3);
    ASSERT_EQ(e.asked.size(), 1);
    EXPECT_EQ(e.asked[0].toStdString(), "Geçerli eğri (2/3) silinsin mi?");
    e.Answer = true;

    // Delete the middle curve: the one after it becomes current.
    p.EgriSilButton->click();
    EXPECT_EQ(e.Curves(), 2);
    EXPECT_EQ(p.FTypeComboBox->currentIndex(), 5);
    EXPECT_EQ(p.fzEdit->text(), "1+a/7");
    EXPECT_EQ(e.host.Status, "  (2/2)");

    // A new curve: the defaults of the type shown, colour, style and visibility kept.
    p.YeniEgriButton->click();
    EXPECT_EQ(e.w().State(), omAppend);
    EXPECT_EQ(e.host.Status, "  (Yeni Eğri)");
    ExpectDefaults(p, 5);
    EXPECT_EQ(p.ColorCombo->Color(), Maroon);
    EXPECT_EQ(p.GorunurlukCombo->currentIndex(), 1);
    EXPECT_EQ(p.PreviewRenderer().Objects().Count(), 0);
    EXPECT_FALSE(p.EgriSilButton->isEnabled());

    // Delete all: the panel returns to type 0, the preview empties.
    p.TumEgrileriSilButton->click();
    EXPECT_EQ(e.asked.last().toStdString(), "Penceredeki 2 eğrinin tümü silinsin mi?");
    EXPECT_EQ(e.Curves(), 0);
    ExpectDefaults(p, 0);
    EXPECT_EQ(p.PreviewRenderer().Objects().Count(), 0);
    EXPECT_FALSE(p.TumEgrileriSilButton->isEnabled());
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
}

TEST(CurveExplorer, ActivationShowsEachWindowsCurve)
{
    TExplorerFixture e;
    TGrafikMChildFrm& first = e.w();
    e.Enter(3, "", "sin(x)", "cos(x)", Blue);
    TGrafikMChildFrm& second = e.OpenWindow();
    e.Enter(6, "cos(t)", "sin(t)", "t/5", Lime);
    e.Activate(first);
    EXPECT_EQ(e.panel.FTypeComboBox->currentIndex(), 3);
    EXPECT_EQ(e.panel.fzEdit->text(), "cos(x)");
    EXPECT_EQ(e.panel.PreviewRenderer().Objects().Items(0).Color, Blue);
    e.Activate(second);
    EXPECT_EQ(e.panel.fxEdit->text(), "cos(t)");
    EXPECT_EQ(e.panel.ColorCombo->Color(), Lime);
}

TEST(CurveExplorer, UnreadableStepWhileTypingIsMarkedWithoutABox)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    QStringList hints;
    QObject::connect(
        &p, &TCurvedLineExplorer::HintChanged, &p, [&](const QString& hint) { hints << hint; });
    e.Enter(0, "", "x", "", Blue);
    ASSERT_EQ(e.Curves(), 1);
    const QColor normal = p.NoktaAraligiEdit->palette().color(QPalette::Text);
    // "-0,1" typed key by key passes through "-", which is no number.
    p.NoktaAraligiEdit->clear();
    EXPECT_TRUE(p.StepUnreadable());
    TExplorerFixture::Type(p.NoktaAraligiEdit, "-0,1");
    EXPECT_EQ(p.NoktaAraligiEdit->text(), "-0,1");
    EXPECT_FALSE(p.StepUnreadable());
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
    EXPECT_EQ(hints.value(0), "'' is not a valid floating point value");
    EXPECT_EQ(hints.last(), "");
    EXPECT_EQ(p.NoktaAraligiEdit->palette().color(QPalette::Text), normal);

    // An unreadable text is marked, shown in the status line and applies nothing.
    p.NoktaAraligiEdit->setText("0,1");
    TExplorerFixture::Type(p.fyEdit, "+1");
    ASSERT_TRUE(p.UygulaButton->isEnabled());
    p.NoktaAraligiEdit->setText("0.1");
    EXPECT_TRUE(p.StepUnreadable());
    EXPECT_EQ(hints.last(), "'0.1' is not a valid floating point value");
    EXPECT_NE(p.NoktaAraligiEdit->palette().color(QPalette::Text), normal);
    EXPECT_TRUE(e.errors.isEmpty());

    // Applying shows the box each time and stores nothing.
    p.UygulaButtonClick();
    p.UygulaButtonClick();
    EXPECT_EQ(e.errors,
        QStringList({ "'0.1' is not a valid floating point value",
            "'0.1' is not a valid floating point value" }));
    EXPECT_EQ(e.w().DrawFunction().Objects().Items(0).Fy->GetText(), "x");

    // Leaving the field shows it once.
    e.errors.clear();
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(p.NoktaAraligiEdit, &out);
    EXPECT_EQ(e.errors, QStringList { "'0.1' is not a valid floating point value" });
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(p.NoktaAraligiEdit, &away);
    EXPECT_EQ(e.errors.size(), 1) << "not when another window takes the activation";
}

TEST(CurveExplorer, DoubleClicksOnTheLists)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.Enter(0, "", "x", "", Blue);
    ASSERT_FALSE(p.UygulaButton->isEnabled());

    p.CizimSekliComboDblClick();
    EXPECT_EQ(p.CizimSekliCombo->currentIndex(), 1);
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    p.CizimSekliComboDblClick();
    EXPECT_EQ(p.CizimSekliCombo->currentIndex(), 0);
    EXPECT_FALSE(p.UygulaButton->isEnabled());

    // A real double click on the closed list, and no selection giving the first item.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p.GorunurlukCombo, &dbl);
    EXPECT_EQ(p.GorunurlukCombo->currentIndex(), 1);
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    p.GorunurlukCombo->setCurrentIndex(-1);
    p.GorunurlukComboDblClick();
    EXPECT_EQ(p.GorunurlukCombo->currentIndex(), 0);

    // The colour dialog: a confirmed new colour becomes the list's, a cancel leaves it.
    TColor offered = 0;
    {
        TScopedColorDialog dialog([&](QWidget*, TColor& c) {
            offered = c;
            c = 0x123456;
            return true;
        });
        p.ColorComboDblClick();
    }
    EXPECT_EQ(offered, Blue);
    EXPECT_EQ(p.ColorCombo->Color(), 0x123456u);
    EXPECT_TRUE(p.UygulaButton->isEnabled());
    {
        TScopedColorDialog dialog([](QWidget*, TColor& c) {
            c = 0;
            return false;
        });
        p.ColorComboDblClick();
    }
    EXPECT_EQ(p.ColorCombo->Color(), 0x123456u);
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
}

TEST(CurveExplorer, SurfaceStylesForTheTypesOfTwoVariables)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.Pick(p.FTypeComboBox, ctParametric);
    ASSERT_EQ(p.CizimSekliCombo->count(), 4);
    EXPECT_EQ(p.CizimSekliCombo->itemText(2), QStringLiteral("Yüzey"));
    EXPECT_EQ(p.CizimSekliCombo->itemText(3), QStringLiteral("Gölgeli Yüzey"));
    p.CizimSekliCombo->setCurrentIndex(csShaded);
    // A double click goes round all four.
    p.CizimSekliComboDblClick();
    EXPECT_EQ(p.CizimSekliCombo->currentIndex(), csLine);
    p.CizimSekliCombo->setCurrentIndex(csShaded);
    e.Pick(p.FTypeComboBox, ctSpherical);
    EXPECT_EQ(p.CizimSekliCombo->count(), 4);
    EXPECT_EQ(p.CizimSekliCombo->currentIndex(), csShaded);
    // A type of one variable offers the line and the points alone.
    e.Pick(p.FTypeComboBox, ctCylindrical);
    EXPECT_EQ(p.CizimSekliCombo->count(), 2);
    EXPECT_EQ(p.CizimSekliCombo->currentIndex(), csLine);
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
}

TEST(CurveExplorer, NothingWithoutAGraphWindow)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.active = nullptr;
    p.fyEdit->setText("x");
    p.FillExplorer();
    p.UygulaButtonClick();
    p.YeniEgriButtonClick();
    p.ilkEgriButtonClick();
    p.TumEgrileriSilButtonClick();
    EXPECT_EQ(p.fyEdit->text(), "x");
    EXPECT_EQ(e.windows[0]->DrawFunction().Objects().Count(), 0);
    EXPECT_TRUE(e.errors.isEmpty());

    p.SetGraphControlsEnabled(false);
    for (QWidget* c :
        std::initializer_list<QWidget*> { p.ilkEgriButton, p.YeniEgriButton, p.TumEgrileriSilButton,
            p.EgriOzellikleriPanel, p.CLSelectButton, p.EgriKaydetButton, p.UygulaButton })
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_FALSE(p.fyEdit->isEnabled());
    p.SetGraphControlsEnabled(true);
    EXPECT_TRUE(p.EgriOzellikleriPanel->isEnabled());
}

TEST(CurveExplorer, FormulaFieldsReachThePalette)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    TOperatorSelectToolW palette;
    p.SetOperatorPalette(&palette);
    e.Pick(p.FTypeComboBox, 4);
    for (QLineEdit* edit : { static_cast<QLineEdit*>(p.fyEdit), static_cast<QLineEdit*>(p.fzEdit),
             static_cast<QLineEdit*>(p.fxEdit) }) {
        edit->setText("sin(a)");
        edit->setCursorPosition(3);
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &in);
        EXPECT_EQ(palette.LastFormulaEdit(), edit);
        // Entering the field selects nothing.
        EXPECT_FALSE(edit->hasSelectedText());
        EXPECT_EQ(edit->cursorPosition(), 3);
    }
    palette.AddToTheFunction(65); // "sin(" into fxEdit, which runs the change handler
    EXPECT_EQ(p.fxEdit->text(), "sin(a)sin(");
    EXPECT_TRUE(p.UygulaButton->isEnabled());
}

TEST(CurveExplorer, ThicknessFieldStaysWithinItsRange)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    auto* text = p.CizgiKEdit->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    struct Row {
        const char* Typed;
        int Value;
    };
    // What the field reads once it is left.
    for (const Row& row : { Row { "", 1 }, Row { "0", 1 }, Row { "7", 7 }, Row { "20", 20 } }) {
        SCOPED_TRACE(row.Typed);
        p.CizgiKEdit->setValue(5);
        text->setText(row.Typed);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(p.CizgiKEdit, &out);
        EXPECT_EQ(p.CizgiKEdit->value(), row.Value);
    }
    // Typed key by key: "99" stands until the field is left, then reads 20; a
    // value of any length is taken whole.
    for (const Row& row : { Row { "99", 20 }, Row { "12", 12 }, Row { "-3", 1 },
             Row { "123", 20 }, Row { "00007", 7 }, Row { "-100", 1 } }) {
        SCOPED_TRACE(row.Typed);
        p.CizgiKEdit->setValue(5);
        text->selectAll();
        QTest::keyClicks(text, row.Typed);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(p.CizgiKEdit, &out);
        EXPECT_EQ(p.CizgiKEdit->value(), row.Value);
    }
    p.CizgiKEdit->setValue(20);
    p.CizgiKEdit->stepUp();
    EXPECT_EQ(p.CizgiKEdit->value(), 20);
    p.CizgiKEdit->setValue(1);
    p.CizgiKEdit->stepDown();
    EXPECT_EQ(p.CizgiKEdit->value(), 1);
}

TEST(CurveExplorer, AFaultyFormulaTakesTheFocusWithItsTokenSelected)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    p.show();
    QApplication::setActiveWindow(&p);
    const struct {
        int Type;
        const char* Fx;
        const char* Fy;
        const char* Fz;
        TFormulaEdit* Faulty;
        const char* Selected;
        const char* Message;
    } rows[] = {
        { 0, "", "sin(x)+4.5", "", p.fyEdit, "4.5", "Bilinmeyen bir ifade => 4.5" },
        { 4, "şa*2", "b", "a", p.fxEdit, "şa", "Bilinmeyen bir ifade => şa" },
        { 3, "", "x", "x+*", p.fzEdit, "", "" }, // a message without one token: focus only
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Fx);
        e.errors.clear();
        p.UygulaButton->setFocus();
        e.Enter(row.Type, row.Fx, row.Fy, row.Fz, Blue);
        ASSERT_EQ(e.errors.size(), 1);
        if (*row.Message) {
            EXPECT_EQ(e.errors[0], QString::fromUtf8(row.Message)) << "the message as it was";
        }
        EXPECT_EQ(QApplication::focusWidget(), row.Faulty);
        EXPECT_EQ(row.Faulty->selectedText(), QString::fromUtf8(row.Selected));
        EXPECT_EQ(e.Curves(), 0);
    }

    // A curve none of whose points can be computed says so in the status line.
    QStringList hints;
    QObject::connect(
        &p, &TCurvedLineExplorer::HintChanged, &p, [&](const QString& hint) { hints << hint; });
    e.errors.clear();
    e.Enter(0, "", "1/0", "", Blue);
    EXPECT_TRUE(e.errors.isEmpty());
    ASSERT_EQ(e.Curves(), 1);
    EXPECT_EQ(hints.filter("hesaplanamadı").size(), 1);
    EXPECT_EQ(hints.last(), QString::fromUtf8("Eğrinin hiçbir noktası hesaplanamadı."));
    hints.clear();
    e.Enter(0, "", "x", "", Blue);
    EXPECT_TRUE(hints.filter("hesaplanamadı").isEmpty());
}

TEST(CurveExplorer, TurevCizAddsTheCurrentCurvesDerivative)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.Pick(p.FTypeComboBox, 0);
    TExplorerFixture::Type(p.fyEdit, "x^2+1");
    p.ColorCombo->SetColor(Maroon);
    p.UygulaButton->click();
    EXPECT_EQ(p.TurevCizButton->text(), "Türevini Çiz");
    p.TurevCizButton->click();
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
    ASSERT_EQ(e.Curves(), 2);
    const TCurveRecord derived = e.w().DrawFunction().Objects().Items(1);
    EXPECT_EQ(derived.CurveType, 0);
    EXPECT_EQ(derived.Fy->GetText(), "2*x");
    EXPECT_EQ(derived.Color, Maroon);
    EXPECT_EQ(e.w().CurveIndex(), 1);
    EXPECT_EQ(p.fyEdit->text(), "2*x") << "the panel shows the new curve";

    // Its derivative exists already: the message, and the window stays on the first curve.
    p.ilkEgriButton->click();
    p.TurevCizButton->click();
    EXPECT_EQ(e.Curves(), 2);
    EXPECT_EQ(e.errors.join('\n'), "Bu eğri daha önce tanımlanmıştır (1)");
    EXPECT_EQ(e.w().CurveIndex(), 0);

    // A curve of two free variables has no one derivative.
    e.errors.clear();
    p.YeniEgriButton->click();
    e.Pick(p.FTypeComboBox, 4);
    TExplorerFixture::Type(p.fxEdit, "a");
    TExplorerFixture::Type(p.fyEdit, "b");
    TExplorerFixture::Type(p.fzEdit, "1");
    p.UygulaButton->click();
    ASSERT_EQ(e.Curves(), 3);
    p.TurevCizButton->click();
    EXPECT_EQ(e.Curves(), 3);
    EXPECT_EQ(e.errors.join('\n'), "Türev yalnızca bir değişkenli eğrilerde çizilir");
}
