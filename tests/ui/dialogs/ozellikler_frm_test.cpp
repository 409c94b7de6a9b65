#include "dialogs_test_support.h"
#include "files/ini_file.h"
#include "render/draw_function.h"
#include "ui/dialogs/ozellikler_frm.h"
#include "ui/platform/color_combo.h"
#include "ui/platform/combo_box.h"
#include "ui/platform/error_report.h"
#include "ui/platform/image.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {
void doubleClick(QWidget* target)
{
    const QPoint p(5, 5);
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(p), QPointF(target->mapToGlobal(p)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The fourteen keys, read back one at a time.
std::vector<int> storedKeys(const QString& fileName)
{
    const TIniFile file(fileName);
    std::vector<int> keys;
    const std::pair<const char*, const char*> names[] = { { "Eksencikler", "Color" },
        { "Eksencikler", "Gorunurluk" }, { "Ekran", "ArkapilanRengi" }, { "Ekran", "Perspektif" },
        { "Ekran", "AnimInterval" } };
    for (const auto& [section, key] : names)
        keys.push_back(file.ReadInteger(section, key, -1));
    for (const char* plane : { "XYDuzlemi", "XZDuzlemi", "YZDuzlemi" })
        for (const char* key : { "IzgaraRengi", "CizgiKalınlıgı", "Gorunurluk" })
            keys.push_back(file.ReadInteger(plane, key, -1));
    return keys;
}

// The share of the picture's pixels in one colour (the background, mostly).
double share(TGrafikMChildFrm& w, QRgb pixel)
{
    const QImage image = w.Image1->Picture().toImage().convertToFormat(QImage::Format_RGB32);
    qsizetype same = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            same += image.pixel(x, y) == pixel;
    return static_cast<double>(same) / (image.width() * image.height());
}
}

TEST(Properties, LayoutOfTheWindow)
{
    QTemporaryDir dir;
    TOzelliklerFrm form(dir.filePath("Norvadeks.ini"));
    EXPECT_EQ(form.windowTitle(), "Tüm Özellikler");
    ASSERT_EQ(form.PageControl1->count(), 2);
    EXPECT_EQ(form.PageControl1->tabText(0), "Genel");
    EXPECT_EQ(form.PageControl1->tabText(1), "Gönyeler");
    EXPECT_EQ(form.TamamButton->text(), "Tamam");
    EXPECT_EQ(form.VazgecButton->text(), "Vazgeç");
    EXPECT_EQ(form.VarsayiliYapCBox->text(), "Bu özellikleri Varsayılı Özellikler yap");
    EXPECT_FALSE(form.VarsayiliYapCBox->isChecked());
    EXPECT_EQ(form.VarsayiliOYukleBtn->text(), "Varsayılı Özellikleri Yükle");
    EXPECT_EQ(form.AnimIntervalKEdit->minimum(), 1);
    EXPECT_EQ(form.AnimIntervalKEdit->maximum(), 5000);
    EXPECT_EQ(form.AnimIntervalKEdit->singleStep(), 10);
    for (QSpinBox* spin : { form.XYCizgiKEdit, form.XZCizgiKEdit, form.YZCizgiKEdit }) {
        EXPECT_EQ(spin->minimum(), 1);
        EXPECT_EQ(spin->maximum(), 20);
    }
    for (QComboBox* combo : { static_cast<QComboBox*>(form.EksenciklerGorunurlukCombo),
             static_cast<QComboBox*>(form.XYGorunurlukCombo),
             static_cast<QComboBox*>(form.XZGorunurlukCombo),
             static_cast<QComboBox*>(form.YZGorunurlukCombo) }) {
        ASSERT_EQ(combo->count(), 2);
        EXPECT_EQ(combo->itemText(0), "Görünür");
        EXPECT_EQ(combo->itemText(1), "Görünmez");
    }
    EXPECT_EQ(form.PerspektifCombo->itemText(0), "On");
    EXPECT_EQ(form.PerspektifCombo->itemText(1), "Off");
    EXPECT_EQ(form.XYColorCombo->count(), 16);
    EXPECT_EQ(form.XYColorCombo->itemText(8), "Gümüş Rengi");
}

TEST(Properties, FilledFromTheWindowAndTakenBackOnTamam)
{
    TTestWindow win("[Ekran]\r\nPerspektif=0\r\nAnimInterval=25\r\n"
                    "[XZDuzlemi]\r\nGorunurluk=0\r\nCizgiKal\xFDnl\xFDg\xFD=3\r\n"
                    "[YZDuzlemi]\r\nIzgaraRengi=1193046\r\n");
    TGrafikMChildFrm& w = *win.W;
    w.ApplyCurve(XYCurve("x"));
    const QImage before = w.Image1->Picture().toImage();
    const QByteArray file = TTestWindow::ReadFile(win.SettingsFile());
    win.Host.Calls.clear();

    bool seen = false;
    WhenModal<TOzelliklerFrm>([&](TOzelliklerFrm& f) {
        seen = true;
        EXPECT_EQ(f.windowTitle(), "Tüm Özellikler (Ekran1)");
        EXPECT_EQ(f.EksenciklerColorCombo->Color(), 0u);
        EXPECT_EQ(f.EksenciklerGorunurlukCombo->currentText(), "Görünür");
        EXPECT_EQ(f.ArkapilanColorCombo->currentText(), "Beyaz");
        EXPECT_EQ(f.PerspektifCombo->currentText(), "Off");
        EXPECT_EQ(f.AnimIntervalKEdit->value(), 25);
        EXPECT_EQ(f.XYGorunurlukCombo->currentText(), "Görünür");
        EXPECT_EQ(f.XZGorunurlukCombo->currentText(), "Görünmez");
        EXPECT_EQ(f.XZCizgiKEdit->value(), 3);
        EXPECT_FALSE(f.XZColorCombo->isEnabled()) << "the rule holds once filled";
        EXPECT_FALSE(f.XZCizgiKEdit->isEnabled());
        EXPECT_EQ(f.YZColorCombo->Color(), 1193046u);
        EXPECT_EQ(f.YZColorCombo->currentText(), "Özel Renk");
        EXPECT_EQ(f.XYColorCombo->currentText(), "Gri");

        f.ArkapilanColorCombo->setCurrentIndex(9); // "Kırmızı"
        f.PerspektifCombo->setCurrentIndex(0);
        f.AnimIntervalKEdit->setValue(50);
        f.XZGorunurlukCombo->setCurrentIndex(0);
        f.XYCizgiKEdit->setValue(4);
        f.XYColorCombo->SetColor(0xFF0000);
        f.EksenciklerGorunurlukCombo->setCurrentIndex(1);
        f.TamamButton->click();
    });
    w.ShowProperties();
    ASSERT_TRUE(seen);

    TDrawFunction& r = win.R();
    EXPECT_EQ(r.BrushColor(), 255u);
    EXPECT_TRUE(r.Perspective());
    EXPECT_FALSE(r.LAxisesVisible());
    EXPECT_EQ(w.Timer1->interval(), 50);
    EXPECT_TRUE(r.Planes().Items(2).Visible());
    EXPECT_EQ(r.Planes().Items(2).Thickness(), 3);
    EXPECT_EQ(r.Planes().Items(1).Thickness(), 4);
    EXPECT_EQ(r.Planes().Items(1).Color(), 0xFF0000u);
    EXPECT_EQ(r.Planes().Items(3).Color(), 1193046u);
    EXPECT_GT(share(w, 0xFFFF0000u), 0.5) << "redrawn in the new background";
    EXPECT_NE(w.Image1->Picture().toImage(), before);
    // FormActivate brought the main window's buttons up to date.
    EXPECT_TRUE(win.Host.Calls.contains("planes 111"));
    EXPECT_TRUE(win.Host.Calls.contains("perspective 1"));
    EXPECT_TRUE(win.Host.Calls.contains("explorer"));
    EXPECT_EQ(TTestWindow::ReadFile(win.SettingsFile()), file)
        << "nothing written without the tick";
}

TEST(Properties, VazgecKeepsTheWindowButTickedDefaultsAreWrittenOnAnyClose)
{
    TTestWindow win;
    TGrafikMChildFrm& w = *win.W;
    const QImage before = w.Image1->Picture().toImage();
    win.Host.Calls.clear();

    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        f.ArkapilanColorCombo->setCurrentIndex(10); // "Lime"
        f.EksenciklerColorCombo->SetColor(0x0000FF);
        f.PerspektifCombo->setCurrentIndex(1);
        f.AnimIntervalKEdit->setValue(300);
        f.XZGorunurlukCombo->setCurrentIndex(1);
        f.YZCizgiKEdit->setValue(7);
        f.VarsayiliYapCBox->setChecked(true);
        f.VazgecButton->click();
    });
    w.ShowProperties();

    EXPECT_EQ(win.R().BrushColor(), 16777215u);
    EXPECT_TRUE(win.R().Perspective());
    EXPECT_TRUE(win.R().Planes().Items(2).Visible());
    EXPECT_EQ(w.Timer1->interval(), 10);
    EXPECT_EQ(w.Image1->Picture().toImage(), before);
    EXPECT_TRUE(win.Host.Calls.filter("planes").isEmpty()) << "no FormActivate";

    const std::vector<int> expected
        = { 255, 1, 65280, 0, 300, 8421504, 1, 1, 8421504, 1, 0, 8421504, 7, 1 };
    EXPECT_EQ(storedKeys(win.SettingsFile()), expected);
    // The keys stand in the file in their order.
    const QByteArray bytes = TTestWindow::ReadFile(win.SettingsFile());
    qsizetype at = 0;
    for (const char* piece : { "[Eksencikler]", "Color=255", "Gorunurluk=1", "[Ekran]",
             "ArkapilanRengi=65280", "Perspektif=0", "AnimInterval=300", "[XYDuzlemi]",
             "IzgaraRengi=", "CizgiKal\xFDnl\xFDg\xFD=1", "Gorunurluk=1", "[XZDuzlemi]",
             "Gorunurluk=0", "[YZDuzlemi]", "CizgiKal\xFDnl\xFDg\xFD=7" }) {
        const qsizetype found = bytes.indexOf(piece, at);
        EXPECT_GE(found, at) << piece;
        at = found;
    }
    EXPECT_EQ(bytes.count('='), 14);

    // The close box writes too; an unticked box writes nothing.
    QFile::remove(win.SettingsFile());
    {
        TOzelliklerFrm form(win.SettingsFile());
        form.show();
        form.close();
        EXPECT_FALSE(QFile::exists(win.SettingsFile()));
        form.show();
        form.VarsayiliYapCBox->setChecked(true);
        form.close();
        // Unfilled, the window shows the look of a new graph window.
        const std::vector<int> shown
            = { 0, 1, 16777215, 1, 10, 8421504, 1, 1, 8421504, 1, 1, 8421504, 1, 1 };
        EXPECT_EQ(storedKeys(win.SettingsFile()), shown);
    }
}

TEST(Properties, EnablingRuleAndDoubleClickToggles)
{
    QTemporaryDir dir;
    TOzelliklerFrm form(dir.filePath("Norvadeks.ini"));
    form.show();
    struct Row {
        const char* Name;
        TComboBox* Visibility;
        QWidget* Color;
        QWidget* Thickness;
    };
    const Row rows[] = { { "XY", form.XYGorunurlukCombo, form.XYColorCombo, form.XYCizgiKEdit },
        { "XZ", form.XZGorunurlukCombo, form.XZColorCombo, form.XZCizgiKEdit },
        { "YZ", form.YZGorunurlukCombo, form.YZColorCombo, form.YZCizgiKEdit },
        { "Eksencikler", form.EksenciklerGorunurlukCombo, form.EksenciklerColorCombo, nullptr } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Visibility->setCurrentIndex(1); // "Görünmez", as the user picks it
        EXPECT_FALSE(row.Color->isEnabled());
        if (row.Thickness) {
            EXPECT_FALSE(row.Thickness->isEnabled());
        }
        doubleClick(row.Visibility);
        EXPECT_EQ(row.Visibility->currentText(), "Görünür");
        EXPECT_TRUE(row.Color->isEnabled());
        if (row.Thickness) {
            EXPECT_TRUE(row.Thickness->isEnabled());
        }
        doubleClick(row.Visibility);
        EXPECT_EQ(row.Visibility->currentText(), "Görünmez");
        EXPECT_FALSE(row.Color->isEnabled());
        // No selection toggles to the first item.
        row.Visibility->setCurrentIndex(-1);
        doubleClick(row.Visibility);
        EXPECT_EQ(row.Visibility->currentIndex(), 0);
        EXPECT_TRUE(row.Color->isEnabled());
    }
    // A plane's rule leaves the others alone.
    form.XZGorunurlukCombo->setCurrentIndex(1);
    EXPECT_TRUE(form.XYCizgiKEdit->isEnabled());
    EXPECT_TRUE(form.YZColorCombo->isEnabled());
    EXPECT_TRUE(form.EksenciklerColorCombo->isEnabled());

    EXPECT_EQ(form.PerspektifCombo->currentText(), "On");
    doubleClick(form.PerspektifCombo);
    EXPECT_EQ(form.PerspektifCombo->currentText(), "Off");
    doubleClick(form.PerspektifCombo);
    EXPECT_EQ(form.PerspektifCombo->currentText(), "On");
}

TEST(Properties, ColourPickersOpenTheColourDialogOnDoubleClick)
{
    QTemporaryDir dir;
    TOzelliklerFrm form(dir.filePath("Norvadeks.ini"));
    form.show();
    TColor offered = 1;
    QWidget* owner = nullptr;
    bool confirm = true;
    TScopedColorDialog dialog([&](QWidget* o, TColor& color) {
        owner = o;
        offered = color;
        color = 0x123456;
        return confirm;
    });
    for (TColorCombo* combo : { form.EksenciklerColorCombo, form.ArkapilanColorCombo,
             form.XYColorCombo, form.XZColorCombo, form.YZColorCombo }) {
        combo->setCurrentIndex(11); // "Sarı"
        confirm = false;
        doubleClick(combo);
        EXPECT_EQ(offered, 0x00FFFFu);
        EXPECT_EQ(owner, &form);
        EXPECT_EQ(combo->currentText(), "Sarı") << "cancelling changes nothing";
        confirm = true;
        doubleClick(combo);
        EXPECT_EQ(combo->Color(), 0x123456u);
        EXPECT_EQ(combo->currentText(), "Özel Renk");
    }
    EXPECT_EQ(form.Values().Background, 0x123456u);
    EXPECT_EQ(form.Values().Planes[2].Color, 0x123456u);
}

TEST(Properties, LoadingTheDefaults)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("Norvadeks.ini");
    TTestWindow::WriteFile(name,
        "[YZDuzlemi]\r\nGorunurluk=0\r\n[Ekran]\r\nArkapilanRengi=255\r\n"
        "[XYDuzlemi]\r\nCizgiKal\xFDnl\xFDg\xFD=5\r\n");
    TOzelliklerFrm form(name);
    TGraphSettings shown;
    shown.LAxisesColor = 0x800000;
    shown.LAxisesVisible = false;
    shown.Perspective = false;
    shown.AnimInterval = 70;
    shown.Planes[1] = { 0x00FF00, 6, false };
    form.Fill(shown);
    ASSERT_FALSE(form.XZColorCombo->isEnabled());

    form.VarsayiliOYukleBtn->click();
    EXPECT_EQ(form.YZGorunurlukCombo->currentText(), "Görünmez");
    EXPECT_FALSE(form.YZColorCombo->isEnabled());
    EXPECT_FALSE(form.YZCizgiKEdit->isEnabled());
    EXPECT_EQ(form.ArkapilanColorCombo->currentText(), "Kırmızı");
    EXPECT_EQ(form.XYCizgiKEdit->value(), 5);
    // Missing Booleans count as true; missing numbers keep what was shown.
    EXPECT_EQ(form.XZGorunurlukCombo->currentText(), "Görünür");
    EXPECT_TRUE(form.XZColorCombo->isEnabled());
    EXPECT_EQ(form.EksenciklerGorunurlukCombo->currentText(), "Görünür");
    EXPECT_TRUE(form.EksenciklerColorCombo->isEnabled());
    EXPECT_EQ(form.PerspektifCombo->currentText(), "On");
    EXPECT_EQ(form.EksenciklerColorCombo->currentText(), "Lacivert");
    EXPECT_EQ(form.AnimIntervalKEdit->value(), 70);
    EXPECT_EQ(form.XZCizgiKEdit->value(), 6);
    EXPECT_EQ(form.XZColorCombo->currentText(), "Lime");

    // Through a graph window: nothing reaches it before "Tamam".
    TTestWindow win;
    TTestWindow::WriteFile(win.SettingsFile(), "[YZDuzlemi]\r\nGorunurluk=0\r\n");
    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        f.VarsayiliOYukleBtn->click();
        f.VazgecButton->click();
    });
    win.W->ShowProperties();
    EXPECT_TRUE(win.R().Planes().Items(3).Visible());
    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        f.VarsayiliOYukleBtn->click();
        f.TamamButton->click();
    });
    win.W->ShowProperties();
    EXPECT_FALSE(win.R().Planes().Items(3).Visible());
}

TEST(Properties, PerspectiveChangeRedrawsAtOnce)
{
    TTestWindow win;
    TTestWindow reference;
    for (TTestWindow* w : { &win, &reference }) {
        TEditorValues v = XYCurve("sin(x)*3");
        v.CurveType = 3;
        v.Fz = "x";
        w->W->ApplyCurve(v);
        w->R().SetAngles(15, 30);
        w->W->RedrawViews(true);
    }
    const QImage before = win.W->Image1->Picture().toImage();

    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        f.PerspektifCombo->setCurrentIndex(1);
        f.TamamButton->click();
    });
    win.W->ShowProperties();
    EXPECT_FALSE(win.R().Perspective());
    // The same scene switched to parallel projection by the window's own setter.
    reference.W->SetPerspective(false);
    const QImage after = win.W->Image1->Picture().toImage();
    EXPECT_NE(after, before);
    EXPECT_EQ(after, reference.W->Image1->Picture().toImage());
}

TEST(Properties, FailedWriteOfTheDefaultsIsShownAndTheConfirmedValuesStay)
{
    TTestWindow win;
    // A file too big to be a settings file is never replaced.
    QByteArray big = "[Ekran]\r\nAnimInterval=20\r\n";
    big.append(QByteArray(TIniFile::MaxFileSize, ';'));
    TTestWindow::WriteFile(win.SettingsFile(), big);
    QStringList messages;
    TScopedErrorSink sink([&](const QString& m) { messages << m; });

    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        f.ArkapilanColorCombo->setCurrentIndex(12); // "Mavi"
        f.VarsayiliYapCBox->setChecked(true);
        f.TamamButton->click();
    });
    win.W->ShowProperties();
    const QString path = QDir::toNativeSeparators(QFileInfo(win.SettingsFile()).absoluteFilePath());
    ASSERT_EQ(messages, QStringList { "Unable to write to " + path });
    EXPECT_EQ(TTestWindow::ReadFile(win.SettingsFile()), big);
    EXPECT_EQ(win.R().BrushColor(), 0xFF0000u);
    EXPECT_GT(share(*win.W, 0xFF0000FFu), 0.5);
}

TEST(Properties, DefaultsInAReadOnlyFolder)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: a read-only folder does not stop writes";
    TTestWindow win;
    QStringList messages;
    TScopedErrorSink sink([&](const QString& m) { messages << m; });
    const QString path = QDir::toNativeSeparators(QFileInfo(win.SettingsFile()).absoluteFilePath());
    const QByteArray old = "[Ekran]\r\nAnimInterval=20\r\n";
    TTestWindow::WriteFile(win.SettingsFile(), old);
    messages.clear();
    ASSERT_TRUE(QFile::setPermissions(win.Dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        f.ArkapilanColorCombo->setCurrentIndex(10);
        f.VarsayiliYapCBox->setChecked(true);
        f.TamamButton->click();
    });
    win.W->ShowProperties();
    QFile::setPermissions(win.Dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(messages, QStringList { "Unable to write to " + path });
    EXPECT_EQ(TTestWindow::ReadFile(win.SettingsFile()), old);
    EXPECT_EQ(win.R().BrushColor(), 0x00FF00u);
    EXPECT_GT(share(*win.W, 0xFF00FF00u), 0.5);
}

TEST(Properties, ThePreviewOfTheCurveExplorer)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("Norvadeks.ini");
    QWidget owner;
    TDrawFunction preview;
    preview.Planes().Items(2).SetVisible(false);
    preview.SetBrushColor(0xC0C0C0);

    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        EXPECT_EQ(f.windowTitle(), "Tüm Özellikler (Eğri Gezgini)");
        EXPECT_EQ(f.XZGorunurlukCombo->currentText(), "Görünmez");
        EXPECT_FALSE(f.XZCizgiKEdit->isEnabled());
        EXPECT_EQ(f.ArkapilanColorCombo->currentText(), "Gümüş Rengi");
        f.ArkapilanColorCombo->setCurrentIndex(9);
        f.VazgecButton->click();
    });
    EXPECT_FALSE(ShowPreviewProperties(preview, name, &owner));
    EXPECT_EQ(preview.BrushColor(), 0xC0C0C0u);

    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        f.ArkapilanColorCombo->setCurrentIndex(9);
        f.XZGorunurlukCombo->setCurrentIndex(0);
        f.PerspektifCombo->setCurrentIndex(1);
        f.VarsayiliYapCBox->setChecked(true);
        f.TamamButton->click();
    });
    EXPECT_TRUE(ShowPreviewProperties(preview, name, &owner));
    EXPECT_EQ(preview.BrushColor(), 255u);
    EXPECT_TRUE(preview.Planes().Items(2).Visible());
    EXPECT_FALSE(preview.Perspective());
    // The interval field kept its design value, written with the defaults.
    EXPECT_EQ(storedKeys(name)[4], 10);
    EXPECT_EQ(storedKeys(name)[2], 255);
}

TEST(Properties, SmoothLines)
{
    // Off in a new window; "On" with "Tamam" redraws the window smooth (the same picture as a
    // renderer told so directly); written as a fifteenth key after the fourteen, and read back
    // by "Varsayılı Özellikleri Yükle"; a file without the key gives "Off".
    TTestWindow win;
    TTestWindow reference;
    for (TTestWindow* w : { &win, &reference }) {
        TEditorValues v = XYCurve("sin(x)*3");
        w->W->ApplyCurve(v);
        w->R().SetAngles(15, 30);
        w->W->RedrawViews(true);
    }
    EXPECT_FALSE(win.R().SmoothLines());
    const QImage before = win.W->Image1->Picture().toImage();
    const QString name = win.Host.SettingsFile;
    WhenModal<TOzelliklerFrm>([](TOzelliklerFrm& f) {
        EXPECT_EQ(f.YumusakCizgilerCombo->currentText(), "Off");
        f.YumusakCizgilerCombo->setCurrentIndex(0);
        f.VarsayiliYapCBox->setChecked(true);
        f.TamamButton->click();
    });
    win.W->ShowProperties();
    EXPECT_TRUE(win.R().SmoothLines());
    reference.R().SetSmoothLines(true);
    reference.W->RedrawViews(true);
    const QImage after = win.W->Image1->Picture().toImage();
    EXPECT_NE(after, before);
    EXPECT_EQ(after, reference.W->Image1->Picture().toImage());
    EXPECT_EQ(TIniFile(name).ReadInteger("Ekran", "YumusakCizgiler", -1), 1);

    TOzelliklerFrm form(name);
    EXPECT_EQ(form.YumusakCizgilerCombo->currentIndex(), 1);
    form.VarsayiliOYukleBtnClick();
    EXPECT_EQ(form.YumusakCizgilerCombo->currentIndex(), 0);
    doubleClick(form.YumusakCizgilerCombo);
    EXPECT_EQ(form.YumusakCizgilerCombo->currentIndex(), 1);

    QTemporaryDir empty;
    TOzelliklerFrm fresh(empty.filePath("Norvadeks.ini"));
    fresh.YumusakCizgilerCombo->setCurrentIndex(0);
    fresh.VarsayiliOYukleBtnClick();
    EXPECT_EQ(fresh.YumusakCizgilerCombo->currentIndex(), 1) << "a missing key is off";
}

TEST(Properties, LegendAndAxisNumbers)
{
    // Each off in a new window; "On" with "Tamam" draws it; written as its key and read back;
    // missing, off.
    struct Row {
        const char* Key;
        TComboBox* TOzelliklerFrm::*Combo;
        bool (TDrawFunction::*Get)() const;
    };
    const Row rows[] = {
        { "Gosterge", &TOzelliklerFrm::GostergeCombo, &TDrawFunction::Legend },
        { "EksenSayilari", &TOzelliklerFrm::EksenSayilariCombo, &TDrawFunction::AxisNumbers },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Key);
        TTestWindow win;
        win.W->ApplyCurve(XYCurve("sin(x)*3"));
        // Far enough out for the grid's ends, where the numbers stand, to be in the view.
        win.W->SetZoomPercent(50);
        EXPECT_FALSE((win.R().*row.Get)());
        const QImage before = win.W->Image1->Picture().toImage();
        WhenModal<TOzelliklerFrm>([&](TOzelliklerFrm& f) {
            EXPECT_EQ((f.*row.Combo)->currentText(), "Off");
            (f.*row.Combo)->setCurrentIndex(0);
            f.VarsayiliYapCBox->setChecked(true);
            f.TamamButton->click();
        });
        win.W->ShowProperties();
        EXPECT_TRUE((win.R().*row.Get)());
        EXPECT_NE(win.W->Image1->Picture().toImage(), before);
        EXPECT_EQ(TIniFile(win.Host.SettingsFile).ReadInteger("Ekran", row.Key, -1), 1);
        TOzelliklerFrm form(win.Host.SettingsFile);
        form.VarsayiliOYukleBtnClick();
        EXPECT_EQ((form.*row.Combo)->currentIndex(), 0);
        doubleClick(form.*row.Combo);
        EXPECT_EQ((form.*row.Combo)->currentIndex(), 1);
        QTemporaryDir empty;
        TOzelliklerFrm fresh(empty.filePath("Norvadeks.ini"));
        (fresh.*row.Combo)->setCurrentIndex(0);
        fresh.VarsayiliOYukleBtnClick();
        EXPECT_EQ((fresh.*row.Combo)->currentIndex(), 1) << "a missing key is off";
    }
}
