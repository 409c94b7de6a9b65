#include "ui/dialogs/fhesapla_frm.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/library/curved_line_s_frm.h"
#include "ui/library/library_prompts.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/explorer_controls.h"
#include "ui/main/main_form.h"
#include "ui/main/mdi_client.h"
#include "ui/main/operator_select_tool_w.h"
#include "ui/main/wall_p_dialog_frm.h"
#include "ui/main/window_bounds.h"
#include "ui/platform/combo_box.h"
#include "ui/platform/error_report.h"
#include "ui/platform/help_viewer.h"
#include "ui/platform/image.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct Main {
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    explicit Main(const QByteArray& settings = {})
    {
        if (!settings.isEmpty()) {
            QFile f(dir.filePath("Norvadeks.ini"));
            f.open(QIODevice::WriteOnly);
            f.write(settings);
        }
        form = std::make_unique<TMainForm>(dir.path());
        form->show();
        QApplication::processEvents();
    }
    TMainForm& m() { return *form; }
    QByteArray settings() const
    {
        QFile f(dir.filePath("Norvadeks.ini"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

// Runs act once a modal window is up; a modal window that act leaves open is
// closed so that the test cannot hang. Each poll schedules a copy of itself, so
// nothing refers to itself and stays behind.
struct TModalPoll {
    std::function<void()> Act;
    int Tries;
    void operator()() const
    {
        if (QApplication::activeModalWidget() == nullptr) {
            if (Tries > 1)
                QTimer::singleShot(10, TModalPoll { Act, Tries - 1 });
            else
                ADD_FAILURE() << "no modal window";
            return;
        }
        Act();
        if (auto* left = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            left->reject();
    }
};

void whenModal(std::function<void()> act)
{
    QTimer::singleShot(0, TModalPoll { std::move(act), 500 });
}

void keyInto(QComboBox* box, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(box->lineEdit(), &press);
}
}

TEST(MainForm, NumbersGraphWindowsAndReusesFreedNumbers)
{
    Main main;
    main.m().YeniPencereClick();
    main.m().YeniPencereClick();
    main.m().YeniPencereClick();
    QStringList captions;
    for (TGrafikMChildFrm* g : main.m().GraphWindows())
        captions << g->Caption();
    EXPECT_EQ(captions.join(","), "Ekran1,Ekran2,Ekran3");
    EXPECT_EQ(main.m().GraphWindows()[0]->size(), QSize(288, 245)) << "the design client area";
    TGrafikMChildFrm* second = main.m().GraphWindows()[1];
    EXPECT_EQ(second->WindowNo(), 2);
    qobject_cast<QMdiSubWindow*>(second->parentWidget())->close();
    QApplication::processEvents();
    EXPECT_FALSE(main.m().WindowSlotUsed(2));
    main.m().YeniPencereClick();
    EXPECT_EQ(main.m().ActiveGraphWindow()->Caption(), "Ekran2");
    main.m().YeniPencereClick();
    EXPECT_EQ(main.m().ActiveGraphWindow()->Caption(), "Ekran4");
}

TEST(MainForm, RefusesAWindowBeyondTheHundredth)
{
    Main main;
    for (int i = 0; i < TMainForm::MaxWindows; ++i)
        main.m().YeniPencereClick();
    QString message;
    TScopedErrorSink sink([&](const QString& m) { message = m; });
    main.m().YeniPencere->trigger();
    EXPECT_TRUE(message.startsWith("En çok 100 grafik penceresi")) << message.toStdString();
    EXPECT_EQ(main.m().GraphWindows().size(), 100);
}

TEST(MainForm, GraphCommandsAreEnabledExactlyWhileAGraphWindowIsActive)
{
    Main main;
    TMainForm& m = main.m();
    for (QAction* a : { m.Kaydet, m.Kopyala, m.XYDuzlemi, m.Buyult, m.B400, m.Basamakla,
             m.KaydetButton, m.ZoomInButton, m.BuyuklukComboAction, m.SayisalDegerler })
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QAction* a : { m.YeniPencere, m.EgriKayit, m.YaziciAyar, m.Cikis, m.DuvarKagidi,
             m.FonksiyonHesaplayicisi, m.YeniPencereButton, m.GorontuToolBtn, m.BulButton,
             m.HelpButton })
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    m.YeniPencereClick();
    QApplication::processEvents();
    for (QAction* a : { m.Kaydet, m.Kopyala, m.XYDuzlemi, m.Buyult, m.B400, m.Basamakla,
             m.KaydetButton, m.ZoomInButton, m.BuyuklukComboAction, m.SayisalDegerler })
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();

    // A child that is not a graph window disables them again.
    auto* other = new QWidget;
    other->setWindowTitle("Başka");
    m.ShowChildWindow("Başka", [other] { return other; });
    QApplication::processEvents();
    EXPECT_FALSE(m.Kaydet->isEnabled());
    EXPECT_FALSE(m.Basamakla->isEnabled());
    // The same caption brings the existing window back instead of a second one.
    int made = 0;
    m.ShowChildWindow("Başka", [&made] {
        ++made;
        return new QWidget;
    });
    EXPECT_EQ(made, 0);
    EXPECT_EQ(m.ClientArea()->subWindowList().size(), 2);
}

TEST(MainForm, ZoomBox)
{
    Main main;
    TMainForm& m = main.m();
    m.YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* g = m.ActiveGraphWindow();
    ASSERT_NE(g, nullptr);
    QComboBox* box = m.BuyuklukComboBox;
    EXPECT_EQ(box->currentText(), "100%");

    box->setEditText("75");
    keyInto(box, Qt::Key_Return);
    EXPECT_EQ(box->currentText(), "75%");
    EXPECT_EQ(g->ZoomPercent(), 75);

    box->setCurrentIndex(box->findText("125%"));
    EXPECT_EQ(g->ZoomPercent(), 125);

    box->setEditText("150 %");
    EXPECT_EQ(g->ZoomPercent(), 125) << "a blank before % does nothing";
    box->setEditText("150");
    EXPECT_EQ(g->ZoomPercent(), 125);
    box->setEditText("abc%");
    EXPECT_EQ(g->ZoomPercent(), 125);
    box->setEditText("99999999999999999999%");
    EXPECT_EQ(g->ZoomPercent(), 125) << "a number beyond an integer is no number";
    box->setEditText("0%");
    EXPECT_EQ(g->ZoomPercent(), 125);

    // Other keys leave the number alone in the box.
    box->setEditText("80% und");
    keyInto(box, Qt::Key_Left);
    EXPECT_EQ(box->currentText(), "80");
    box->setEditText("x");
    keyInto(box, Qt::Key_Left);
    EXPECT_EQ(box->currentText(), "0");
    keyInto(box, Qt::Key_Return);
    EXPECT_EQ(box->currentText(), "0") << "Enter with 0 does nothing";

    m.GercekBoyut->trigger();
    EXPECT_EQ(g->ZoomPercent(), 100);
    EXPECT_EQ(box->currentText(), "100%");
    m.B200->trigger();
    EXPECT_EQ(box->currentText(), "200%");
    m.Buyult->trigger();
    EXPECT_EQ(box->currentText(), "400%");
}

TEST(MainForm, TogglesKeepMenusAndButtonsInStep)
{
    Main main;
    TMainForm& m = main.m();
    m.YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* g = m.ActiveGraphWindow();

    m.XZDuzlemiButton->trigger();
    EXPECT_FALSE(m.XZDuzlemiButton->isChecked());
    EXPECT_FALSE(m.XZDuzlemi->isChecked());
    EXPECT_FALSE(g->DrawFunction().Planes().Items(2).Visible());
    m.XZDuzlemi->trigger();
    EXPECT_TRUE(m.XZDuzlemiButton->isChecked());
    EXPECT_TRUE(g->DrawFunction().Planes().Items(2).Visible());

    m.APerspektif->trigger();
    EXPECT_FALSE(m.PerspektifButton->isChecked());
    EXPECT_FALSE(g->Perspective());
    m.PerspektifButton->trigger();
    EXPECT_TRUE(m.APerspektif->isChecked());
    EXPECT_TRUE(g->Perspective());

    m.DortGorBtn->trigger();
    EXPECT_TRUE(m.DortGorunus->isChecked());
    EXPECT_TRUE(g->FourView());
    m.Hareketli->trigger();
    EXPECT_TRUE(m.AnimationButton->isChecked());
    EXPECT_TRUE(g->Animation());
    m.AnimationButton->trigger();
    EXPECT_FALSE(g->Animation());

    m.SurukleButton->trigger();
    EXPECT_EQ(g->MouseMode(), 1);
    EXPECT_FALSE(m.DondurButton->isChecked());

    // Hiding the view toolbar through the pop-up menu releases its button.
    m.TPGoruntu->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(m.GorontuToolbar->isHidden());
    EXPECT_FALSE(m.GorontuToolBtn->isChecked());
    EXPECT_FALSE(m.VTGorontu->isChecked());
    EXPECT_FALSE(m.TPGoruntu->isChecked());
    m.GorontuToolBtn->trigger();
    EXPECT_FALSE(m.GorontuToolbar->isHidden());
    EXPECT_TRUE(m.VTGorontu->isChecked());

    m.DurumCubugu->trigger();
    EXPECT_TRUE(m.statusBar()->isHidden());
    m.DurumCubugu->trigger();
    EXPECT_FALSE(m.statusBar()->isHidden());
}

TEST(MainForm, ZoomSlotSwapsWhenTheViewToolbarStandsUpright)
{
    Main main;
    TMainForm& m = main.m();
    EXPECT_TRUE(m.BuyuklukComboAction->isVisible());
    EXPECT_FALSE(m.BuyuklukButton->isVisible());
    m.addToolBar(Qt::LeftToolBarArea, m.GorontuToolbar);
    QApplication::processEvents();
    EXPECT_FALSE(m.BuyuklukComboAction->isVisible());
    EXPECT_TRUE(m.BuyuklukButton->isVisible());
}

TEST(MainForm, LayoutIsWrittenAndReadBack)
{
    QTemporaryDir dir;
    {
        TMainForm m(dir.path());
        m.show();
        m.move(40, 50);
        m.resize(700, 500);
        m.StandartToolbar->hide();
        m.DurumCubugu->trigger();
        m.SaveLayout();
    }
    QFile f(dir.filePath("Norvadeks.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    f.close();
    EXPECT_TRUE(bytes.contains("[Ara\xE7-Durum \xC7ubuklar\xFD]")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("Standart=0"));
    EXPECT_TRUE(bytes.contains("Durum=0"));
    EXPECT_TRUE(bytes.contains("Width=700"));
    {
        TMainForm m(dir.path());
        EXPECT_EQ(m.size(), QSize(700, 500));
        EXPECT_TRUE(m.StandartToolbar->isHidden());
        EXPECT_FALSE(m.DurumCubugu->isChecked());
        m.show();
        m.showMaximized();
        QApplication::processEvents();
        m.SaveLayout();
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray maximised = f.readAll();
    EXPECT_TRUE(maximised.contains("Maximized=1"));
    EXPECT_TRUE(maximised.contains("Width=700")) << "the bounds keep their earlier values";
    f.close();
    TMainForm m(dir.path());
    EXPECT_TRUE(m.isMaximized() || m.windowState() & Qt::WindowMaximized);
}

TEST(MainForm, StatusLineShowsTheCurveAndTheHints)
{
    Main main;
    TMainForm& m = main.m();
    EXPECT_EQ(m.StatusPanel1->text(), "Yardım için F1'e basın");
    EXPECT_EQ(m.StatusPanel0->width(), 150);
    m.YeniPencereClick();
    QApplication::processEvents();
    EXPECT_EQ(m.StatusPanel0->text(), "  (Yeni Eğri)");
    QStatusTipEvent tip("Görüntüyü iki kat büyültür.");
    QApplication::sendEvent(&m, &tip);
    EXPECT_EQ(m.StatusPanel1->text(), "Görüntüyü iki kat büyültür.");
}

TEST(MainForm, EndToEndACurveTypedAppliedAndDrawn)
{
    Main main;
    TMainForm& m = main.m();
    m.YeniPencere->trigger();
    QApplication::processEvents();
    TGrafikMChildFrm* g = m.ActiveGraphWindow();
    ASSERT_NE(g, nullptr);
    TCurvedLineExplorer& e = *m.CurvedLineExplorerToolW;
    EXPECT_FALSE(e.isHidden()) << "a new window shows the explorer";
    EXPECT_TRUE(e.isFloating()) << "floating without a stored place";
    EXPECT_TRUE(m.EgriGezginiButton->isChecked());
    EXPECT_EQ(e.FTypeComboBox->currentIndex(), 0);
    EXPECT_EQ(e.fxEdit->text(), "X");
    EXPECT_EQ(e.fzEdit->text(), "0");

    g->DrawFunction().SetPerspective(false);
    for (int i = 1; i <= 3; ++i)
        g->DrawFunction().Planes().Items(i).SetVisible(false);
    e.fyEdit->setText("sin(x)");
    e.UygulaButton->click();
    QApplication::processEvents();
    ASSERT_EQ(g->DrawFunction().Objects().Count(), 1);
    EXPECT_EQ(g->DrawFunction().Objects().Items(0).Fy->GetText(), "sin(x)");
    EXPECT_EQ(m.StatusPanel0->text(), "  (1/1)");
    EXPECT_FALSE(e.UygulaButton->isEnabled());

    // The curve passes through the origin of the front view: sin(0) = 0.
    g->ShowFrontView();
    const QImage picture = g->Image1->Picture().toImage();
    const TColor colour = g->DrawFunction().Objects().Items(0).Color;
    const int x0 = g->DrawFunction().X0();
    const int y0 = g->DrawFunction().Y0();
    EXPECT_EQ(picture.pixel(x0, y0), ColorToRgb32(colour));
    // x = pi/2 is 31 pixels right, sin = 1 is 20 pixels up.
    EXPECT_EQ(picture.pixel(x0 + 31, y0 - 20), ColorToRgb32(colour));

    // Turning it with the mouse.
    g->Image1MouseDown(Qt::LeftButton, 10, 10);
    g->ImageMouseMove(Qt::LeftButton, 10, 50);
    g->Image1MouseUp(Qt::LeftButton, 10, 50);
    EXPECT_EQ(g->DrawFunction().XAxisAngle(), 20);
}

// The main window reaches the explorer only through its operations: the drawing
// style commands show the style there without marking the curve as changed, and the
// explorer's library buttons run the main window's library commands.
TEST(MainForm, StyleCommandsAndLibraryButtonsCrossThroughTheExplorersOperations)
{
    Main main;
    TMainForm& m = main.m();
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(main.dir.path());
    m.YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* g = m.ActiveGraphWindow();
    TCurvedLineExplorer& e = *m.CurvedLineExplorerToolW;
    e.fyEdit->setText("sin(x)");
    e.UygulaButton->click();
    m.NoktaCizimButton->trigger();
    EXPECT_TRUE(m.NoktaCizimSekli->isChecked());
    EXPECT_EQ(e.CizimSekliCombo->currentIndex(), 1);
    EXPECT_FALSE(e.UygulaButton->isEnabled());
    EXPECT_EQ(g->DrawFunction().Objects().Items(0).Style, csPoints);

    TScopedLibraryPrompts answers({ [](QWidget*, const QString&) {},
        [](QWidget*, const QString&, const QString&) { return true; } });
    for (QPushButton* button : { e.EgriKaydetButton, e.CLSelectButton }) {
        SCOPED_TRACE(button->objectName().toStdString());
        int rows = -1;
        whenModal([&] {
            if (auto* frm = qobject_cast<TCurvedLineSFrm*>(QApplication::activeModalWidget())) {
                rows = frm->Table1().RecordCount();
                if (button == e.CLSelectButton)
                    frm->findChild<QPushButton*>("BtnTamam")->click();
            }
        });
        if (button == e.CLSelectButton)
            e.fyEdit->setText("cos(x)");
        button->click();
        EXPECT_GE(rows, 1) << "the library window with the stored curve";
    }
    // The chosen curve comes in with its type's defaults and then its formulas.
    EXPECT_EQ(e.FTypeComboBox->currentIndex(), 0);
    EXPECT_EQ(e.fxEdit->text(), "X");
    EXPECT_EQ(e.fyEdit->text(), "sin(x)");
    QDir::setCurrent(oldCurrent);
}

TEST(MainForm, ExplorerDockIsRemembered)
{
    QTemporaryDir dir;
    {
        QFile f(dir.filePath("Norvadeks.ini"));
        f.open(QIODevice::WriteOnly);
        f.write("[E\xF0ri Gezgini]\r\nDockedTo=4\r\n");
    }
    {
        TMainForm m(dir.path());
        EXPECT_EQ(m.dockWidgetArea(m.CurvedLineExplorerToolW), Qt::RightDockWidgetArea);
        EXPECT_TRUE(m.CurvedLineExplorerToolW->isHidden()) << "visibility is not stored";
        m.CurvedLineExplorerToolW->setFloating(true);
        m.SaveLayout();
    }
    QFile f(dir.filePath("Norvadeks.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("DockedTo=0"));
}

TEST(MainForm, OneCalculatorAndThePaletteWritesIntoIt)
{
    Main main;
    TMainForm& m = main.m();
    m.FonksiyonHesaplayicisi->trigger();
    m.FonksiyonHesaplayicisi->trigger();
    QApplication::processEvents();
    ASSERT_EQ(m.ClientArea()->subWindowList().size(), 1);
    auto* calculator = qobject_cast<TFHesaplaFrm*>(m.ClientArea()->subWindowList()[0]->widget());
    ASSERT_NE(calculator, nullptr);
    EXPECT_FALSE(m.Kaydet->isEnabled()) << "the graph commands wait for a graph window";
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(calculator->FonksiyonEdit(), &in);
    m.OperatorSelectToolW->AddToTheFunction(1); // "+"
    EXPECT_EQ(calculator->FonksiyonEdit()->text(), "+");

    // The graph window's context menu offers the dialogs in the main window.
    m.YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* g = m.ActiveGraphWindow();
    ASSERT_NE(g, nullptr);
    emit g->ChildFrmPopupMenu->aboutToShow();
    EXPECT_TRUE(g->Bakis1->isEnabled());
    EXPECT_TRUE(g->Ozellikler1->isEnabled());
}

TEST(MainForm, AboutAndAuthorWindowsOpenModally)
{
    Main main;
    QStringList captions;
    for (QAction* item : { main.m().Hakkinda, main.m().YazarHakknda1 }) {
        QTimer::singleShot(0, [&captions] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                captions << box->windowTitle();
                box->close();
            }
        });
        item->trigger();
    }
    EXPECT_EQ(captions.join("|"), "Velmo Hakkında|Yazarı Hakkında");
}

TEST(MainForm, ANewWindowShowsItsOriginInTheMiddle)
{
    Main main;
    main.m().YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* g = main.m().ActiveGraphWindow();
    EXPECT_EQ(g->size(), QSize(288, 245));
    EXPECT_EQ(g->DrawFunction().Width(), 288);
    EXPECT_EQ(g->DrawFunction().X0(), 144);
    EXPECT_EQ(g->DrawFunction().Y0(), 122);
}

TEST(MainForm, StartRemovesStaleLeftoversOfTheSettingsFile)
{
    QTemporaryDir dir;
    for (const char* name : { "Norvadeks.ini.QwErTy", "Norvadeks.ini.QwErT1" }) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Window]\nWidth=300\n");
        f.flush();
        ASSERT_TRUE(f.setFileTime(
            QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    }
    TMainForm m(dir.path());
    EXPECT_FALSE(QFile::exists(dir.filePath("Norvadeks.ini.QwErTy")));
    EXPECT_TRUE(QFile::exists(dir.filePath("Norvadeks.ini.QwErT1")));
}

TEST(MainForm, F1OpensTheTopicOfTheWindowItIsPressedIn)
{
    Main main;
    TMainForm& m = main.m();
    // The library window finds its files in the current directory.
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(main.dir.path());
    const auto f1In = [](QWidget* w) {
        HelpViewer().ShowPage("formul");
        QApplication::setActiveWindow(w->window());
        w->setFocus();
        QTest::keyClick(w, Qt::Key_F1);
        return HelpViewer().CurrentPage().toStdString();
    };
    EXPECT_EQ(f1In(&m), "ana_pencere");

    m.YeniPencereClick(); // the explorer's fields take the focus only with a graph window
    TCurvedLineExplorer& e = *m.CurvedLineExplorerToolW;
    e.show();
    EXPECT_EQ(f1In(e.fyEdit), "egri_gezgini");
    e.setFloating(true);
    EXPECT_EQ(f1In(e.fyEdit), "egri_gezgini");
    m.OperatorSelectToolW->show();
    EXPECT_EQ(f1In(m.OperatorSelectToolW), "palet");

    m.EgriKayitClick();
    auto* library = m.findChild<TCurvedLineSFrm*>();
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(f1In(library->findChild<QWidget*>("DBGrid1")), "kutuphane");
    HelpViewer().ShowPage("formul");
    library->findChild<QPushButton*>("BtnYardim")->click();
    EXPECT_EQ(HelpViewer().CurrentPage(), "kutuphane");
    m.FonksiyonHesaplayicisiClick();
    auto* calculator = m.findChild<TFHesaplaFrm*>();
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(f1In(calculator->FonksiyonEdit()), "hesaplayici");

    // The modal library window that the explorer's store opens.
    std::string modalF1, modalButton;
    whenModal([&] {
        auto* frm = qobject_cast<TCurvedLineSFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(frm, nullptr) << QApplication::activeModalWidget()->metaObject()->className()
                                << QApplication::activeModalWidget()->windowTitle().toStdString();
        modalF1 = f1In(frm->findChild<QWidget*>("DBGrid1"));
        HelpViewer().ShowPage("formul");
        frm->findChild<QPushButton*>("BtnYardim")->click();
        modalButton = HelpViewer().CurrentPage().toStdString();
        frm->reject();
    });
    TScopedLibraryPrompts answers({ [](QWidget*, const QString&) {},
        [](QWidget*, const QString&, const QString&) { return true; } });
    e.fxEdit->setText("X");
    e.fyEdit->setText("x");
    e.fzEdit->setText("0");
    m.EgriKaydetButtonClick();
    EXPECT_EQ(modalF1, "kutuphane");
    EXPECT_EQ(modalButton, "kutuphane");

    std::string wallpaperF1, wallpaperButton;
    whenModal([&] {
        auto* d = qobject_cast<TWallPDialogFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        wallpaperF1 = f1In(d->GorunumuComboBox());
        HelpViewer().ShowPage("formul");
        d->BtnYardim()->click();
        wallpaperButton = HelpViewer().CurrentPage().toStdString();
        d->reject();
    });
    m.DuvarKagidiClick();
    EXPECT_EQ(wallpaperF1, "duvar_kagidi");
    EXPECT_EQ(wallpaperButton, "duvar_kagidi");
    QDir::setCurrent(oldCurrent);
}

TEST(MainForm, ToolbarsHiddenByTheSettingsFileStartWithTheirMarksCleared)
{
    Main main("[Ara\xE7-Durum \xC7ubuklar\xFD]\r\nStandart=0\r\nGorontu=0\r\n");
    TMainForm& m = main.m();
    EXPECT_TRUE(m.StandartToolbar->isHidden());
    EXPECT_TRUE(m.GorontuToolbar->isHidden());
    for (QAction* mark : { m.VTStandart, m.TPStandart, m.VTGorontu, m.TPGoruntu, m.GorontuToolBtn })
        EXPECT_FALSE(mark->isChecked()) << mark->text().toStdString();
    // The first click on the button shows the toolbar.
    m.GorontuToolBtn->trigger();
    EXPECT_FALSE(m.GorontuToolbar->isHidden());
    EXPECT_TRUE(m.VTGorontu->isChecked());
    EXPECT_TRUE(m.TPGoruntu->isChecked());
    m.VTStandart->trigger();
    EXPECT_FALSE(m.StandartToolbar->isHidden());
    EXPECT_TRUE(m.TPStandart->isChecked());
}

TEST(MainForm, AnUnwritableSettingsFileIsReportedOncePerClose)
{
    QTemporaryDir dir;
    // A folder in the file's place cannot be written, not even by the superuser.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Norvadeks.ini"));
    QStringList errors;
    TScopedErrorSink sink([&](const QString& message) { errors << message; });
    {
        TMainForm m(dir.path());
        m.show();
        QApplication::processEvents();
        m.close();
    }
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].startsWith("Unable to write to")) << errors[0].toStdString();
}

TEST(MainForm, StatusLineShowsNoCurvePositionWithoutAGraphWindow)
{
    Main main;
    TMainForm& m = main.m();
    m.YeniPencereClick();
    m.YeniPencereClick();
    QApplication::processEvents();
    EXPECT_EQ(m.StatusPanel0->text(), "  (Yeni Eğri)");
    m.AktifFormuKapatClick();
    QApplication::processEvents();
    EXPECT_EQ(m.StatusPanel0->text(), "  (Yeni Eğri)") << "one graph window is left";
    m.TumFormlariKapatClick();
    QApplication::processEvents();
    EXPECT_EQ(m.StatusPanel0->text(), "");
}

TEST(MainForm, ExplorerFloatsOnFirstStartBesideTheFirstWindowAndThePalette)
{
    // The test screen is small: a small first window leaves the explorer room.
    Main main("[Window]\r\nLeft=0\r\nTop=0\r\nWidth=800\r\nHeight=600\r\n");
    TMainForm& m = main.m();
    TGrafikMChildFrm* g = m.CreateGraphWindow("Ekran1", 1);
    QMdiSubWindow* first = m.findChild<QMdiArea*>()->subWindowList().value(0);
    ASSERT_NE(first, nullptr);
    first->resize(150, 100);
    m.ShowExplorer();
    QApplication::processEvents();
    TCurvedLineExplorer& e = *m.CurvedLineExplorerToolW;
    ASSERT_FALSE(e.isHidden());
    EXPECT_TRUE(e.isFloating());
    const QRect graph(first->mapToGlobal(QPoint(0, 0)), first->frameGeometry().size());
    EXPECT_FALSE(e.frameGeometry().intersects(graph));
    m.OperatorSelectToolW->show();
    QApplication::processEvents();
    EXPECT_FALSE(e.frameGeometry().intersects(m.OperatorSelectToolW->frameGeometry()));
    m.SaveLayout();
    EXPECT_TRUE(main.settings().contains("DockedTo=0"));
    g->close();
}

TEST(WindowBounds, StartExitStartUnderAWindowManagerFrame)
{
    // A window manager that puts a 1-pixel border and a 20-pixel title bar around
    // the client area: what is stored must be what is restored.
    const QMargins frame(1, 20, 1, 1);
    TWindowBounds stored { 234, 109, 750, 629 };
    for (int start = 0; start < 3; ++start) {
        const QRect client = RestoredClientGeometry(stored);
        const QRect framed = client.marginsAdded(frame);
        EXPECT_EQ(framed.topLeft(), QPoint(233, 89));
        stored = StoredWindowBounds(client);
        EXPECT_EQ(stored.Left, 234);
        EXPECT_EQ(stored.Top, 109);
        EXPECT_EQ(stored.Width, 750);
        EXPECT_EQ(stored.Height, 629);
    }
}

TEST(WindowBounds, FirstFloatingPlaceAvoidsTheGivenWindows)
{
    const QRect area(100, 50, 700, 500);
    // Free: the top right corner with its margin.
    EXPECT_EQ(FirstFloatingPlace(area, QSize(200, 300), {}), QPoint(592, 58));
    // Below a palette at the corner.
    const QRect palette(QPoint(600, 58), QSize(192, 150));
    EXPECT_EQ(FirstFloatingPlace(area, QSize(200, 300), { palette }), QPoint(592, 210));
    // Too tall to go below it: to the left of it, clear of a window at the left.
    const QRect graph(QPoint(100, 50), QSize(300, 280));
    const QPoint p = FirstFloatingPlace(area, QSize(180, 400), { palette, graph }).value();
    EXPECT_FALSE(QRect(p, QSize(180, 400)).intersects(palette));
    EXPECT_FALSE(QRect(p, QSize(180, 400)).intersects(graph));
    EXPECT_GE(p.x(), 400);
    // No free place at all.
    EXPECT_FALSE(FirstFloatingPlace(area, QSize(200, 300), { area }));
    EXPECT_FALSE(FirstFloatingPlace(area, QSize(800, 300), {}));
}

TEST(MainForm, AFailedPrintLeavesTheNextSetUpAndPrintWorking)
{
    Main main;
    TMainForm& m = main.m();
    m.YeniPencereClick();
    QApplication::processEvents();
    QStringList errors;
    TScopedErrorSink sink([&](const QString& message) { errors << message; });
    // No printer is installed here: the platform's printer cannot start a job.
    m.Printer().setOutputFormat(QPrinter::NativeFormat);
    m.Printer().setPrinterName(QString());
    m.Yazdir->trigger();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Yazıcıya yazdırılamadı")) << errors[0].toStdString();
    // Printing to a file, as the set-up dialog chooses it, now takes effect.
    const QString file = main.dir.filePath("print.pdf");
    m.Printer().setOutputFileName(file);
    EXPECT_EQ(m.Printer().outputFileName(), file);
    m.Yazdir->trigger();
    EXPECT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

// Beside a maximised window a new one opens maximised and drawn; the first is
// there again when it is restored.
TEST(MainForm, ANewWindowBesideAMaximisedOneOpensMaximised)
{
    Main main;
    TMainForm& m = main.m();
    m.resize(900, 700);
    m.YeniPencereClick();
    TGrafikMChildFrm* first = m.ActiveGraphWindow();
    first->parentWidget()->showMaximized();
    QApplication::processEvents();
    m.YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* second = m.ActiveGraphWindow();
    ASSERT_NE(second, first);
    EXPECT_TRUE(second->parentWidget()->isMaximized());
    EXPECT_GT(second->width(), TGrafikMChildFrm::DesignWidth);
    EXPECT_EQ(second->DrawFunction().Width(), second->width()) << "drawn at its size";
    EXPECT_EQ(second->DrawFunction().X0(), second->width() / 2);
    // The main title names the window once, without the unsaved mark.
    EXPECT_EQ(m.windowHandle()->title(), "Velmo - [Ekran2]");
    second->parentWidget()->showNormal();
    QApplication::processEvents();
    EXPECT_NEAR(second->width(), TGrafikMChildFrm::DesignWidth, 8) << "its design size to restore to";
    EXPECT_NEAR(second->height(), TGrafikMChildFrm::DesignHeight, 8);
    EXPECT_TRUE(first->isVisible());
}

// "Basamakla" keeps every window usable: at least its design size where the area
// allows, each a step from the one before, the origin where the resize rule puts it.
TEST(MainForm, CascadedWindowsKeepAUsableSize)
{
    Main main;
    TMainForm& m = main.m();
    m.resize(900, 700);
    for (int i = 0; i < 3; ++i)
        m.YeniPencereClick();
    QApplication::processEvents();
    m.BasamaklaClick();
    QApplication::processEvents();
    QList<QPoint> corners;
    for (TGrafikMChildFrm* g : m.GraphWindows()) {
        SCOPED_TRACE(g->Caption().toStdString());
        EXPECT_GE(g->width(), TGrafikMChildFrm::DesignWidth);
        EXPECT_GE(g->height(), TGrafikMChildFrm::DesignHeight);
        EXPECT_EQ(g->DrawFunction().Width(), g->width());
        EXPECT_EQ(g->DrawFunction().Height(), g->height());
        EXPECT_NEAR(g->DrawFunction().X0(), g->width() / 2, 1);
        EXPECT_NEAR(g->DrawFunction().Y0(), g->height() / 2, 1);
        EXPECT_FALSE(g->Picture().isNull());
        corners << g->parentWidget()->pos();
    }
    std::sort(corners.begin(), corners.end(),
        [](const QPoint& a, const QPoint& b) { return a.x() < b.x(); });
    EXPECT_LT(corners[0].x(), corners[1].x());
    EXPECT_LT(corners[1].y(), corners[2].y());
}

// "İz Sür" is kept per window, its menu item and button in step; while a window traces,
// its status panel shows the marker's place and Ctrl+C copies that text, not the picture.
TEST(MainForm, TracingIsKeptPerWindowAndCopiesItsText)
{
    Main main;
    TMainForm& m = main.m();
    EXPECT_FALSE(m.IzSur->isEnabled());
    m.YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* first = m.ActiveGraphWindow();
    m.CurvedLineExplorerToolW->fyEdit->setText("x*x");
    m.CurvedLineExplorerToolW->UygulaButton->click();
    EXPECT_TRUE(m.IzSurButton->isEnabled());
    // The plane coordinates under the pointer of a front view go to the hint panel.
    first->SetPerspective(false);
    first->ShowFrontView();
    const QPoint origin(first->DrawFunction().X0(), first->DrawFunction().Y0());
    QMouseEvent move(QEvent::MouseMove, QPointF(origin + QPoint(50, -20)),
        first->Image1->mapToGlobal(QPointF(origin + QPoint(50, -20))), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(first->Image1, &move);
    EXPECT_EQ(m.StatusPanel1->text(), "x = 2.50  y = 1.00");
    m.IzSurButton->trigger();
    EXPECT_TRUE(m.IzSur->isChecked());
    ASSERT_TRUE(first->Tracing());
    EXPECT_FALSE(m.StatusPanel2->isHidden());
    EXPECT_EQ(m.StatusPanel2->text(), first->TraceText());
    EXPECT_TRUE(m.StatusPanel2->text().startsWith("x = "));

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(first, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), first->TraceText());
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    QTest::keyClick(first, Qt::Key_End);
    EXPECT_EQ(m.StatusPanel2->text(), first->TraceText());

    // A second window does not trace; going back brings the check mark back.
    m.YeniPencereClick();
    QApplication::processEvents();
    EXPECT_FALSE(m.IzSur->isChecked());
    EXPECT_FALSE(m.IzSurButton->isChecked());
    EXPECT_TRUE(m.StatusPanel2->isHidden());
    m.ClientArea()->setActiveSubWindow(m.ClientArea()->subWindowList().first());
    QApplication::processEvents();
    EXPECT_TRUE(m.IzSurButton->isChecked());
    EXPECT_EQ(m.StatusPanel2->text(), first->TraceText());

    // Escape in the window ends it there and clears the marks.
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_FALSE(first->Tracing());
    EXPECT_FALSE(m.IzSur->isChecked());
    EXPECT_FALSE(m.IzSurButton->isChecked());
    EXPECT_TRUE(m.StatusPanel2->isHidden());

    // Ctrl+0 is the actual size; "Eğrilere Uydur" fits the curve.
    first->SetZoomPercent(300);
    QTest::keyClick(first, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(first->ZoomPercent(), 100);
    EXPECT_EQ(m.BuyuklukComboBox->currentText(), "100%");
    m.EgrilereUydurButton->trigger();
    EXPECT_NE(first->ZoomPercent(), 100);
    EXPECT_EQ(m.BuyuklukComboBox->currentText(), QString::number(first->ZoomPercent()) + "%");
}

// "Önemli Noktalar" is kept per window like "İz Sür": on, the window marks its current
// curve's points; off, its picture is the plain one again.
TEST(MainForm, PointsOfInterestAreMarkedPerWindow)
{
    Main main;
    TMainForm& m = main.m();
    EXPECT_FALSE(m.OnemliNoktalar->isEnabled());
    m.YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* first = m.ActiveGraphWindow();
    m.CurvedLineExplorerToolW->fyEdit->setText("x^3-3*x");
    m.CurvedLineExplorerToolW->UygulaButton->click();
    const QImage plain = first->Picture();
    EXPECT_FALSE(m.OnemliNoktalar->isChecked());
    m.OnemliNoktalarButton->trigger();
    EXPECT_TRUE(m.OnemliNoktalar->isChecked());
    EXPECT_TRUE(first->InterestMarks());
    EXPECT_NE(first->Picture(), plain);

    m.YeniPencereClick();
    QApplication::processEvents();
    TGrafikMChildFrm* second = m.ActiveGraphWindow();
    EXPECT_FALSE(second->InterestMarks());
    EXPECT_FALSE(m.OnemliNoktalar->isChecked());
    EXPECT_FALSE(m.OnemliNoktalarButton->isChecked());
    m.ClientArea()->setActiveSubWindow(m.ClientArea()->subWindowList().first());
    QApplication::processEvents();
    EXPECT_TRUE(m.OnemliNoktalar->isChecked());
    EXPECT_TRUE(m.OnemliNoktalarButton->isChecked());

    // Tracing, Ctrl+Right goes to the first point of interest, named in the status line.
    m.IzSurButton->trigger();
    QTest::keyClick(first, Qt::Key_Home);
    QTest::keyClick(first, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(m.StatusPanel2->text().startsWith("Sıfır: x = -1"))
        << m.StatusPanel2->text().toStdString();
    QTest::keyClick(first, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(m.StatusPanel2->text().startsWith("Maksimum: x = -1  y = 2"));

    m.OnemliNoktalar->trigger();
    EXPECT_FALSE(first->InterestMarks());
    EXPECT_FALSE(m.OnemliNoktalarButton->isChecked());
    EXPECT_EQ(first->Picture(), plain);
}
