#include "dialogs_test_support.h"
#include "render/draw_function.h"
#include "ui/dialogs/bakis_frm.h"
#include "ui/dialogs/buyukluk_frm.h"
#include "ui/dialogs/dialog_help.h"
#include "ui/dialogs/ozellikler_frm.h"
#include "ui/dialogs/saysal_frm.h"
#include "ui/dialogs/spin_edit.h"
#include "ui/platform/error_report.h"
#include "ui/platform/image.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>
#include <vector>

namespace {
QImage picture(TGrafikMChildFrm& w) { return w.Image1->Picture().toImage(); }

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}
}

TEST(ViewDialog, ShowsTruncatedAnglesAndKeepsThemWhenUnchanged)
{
    TTestWindow win;
    win.W->ApplyCurve(XYCurve("x"));
    win.R().SetAngles(15.9L, 30.2L);
    win.W->RedrawViews(true);
    const QImage before = picture(*win.W);
    bool seen = false;
    WhenModal<TBakisFrm>([&](TBakisFrm& f) {
        seen = true;
        EXPECT_EQ(f.windowTitle(), "Bakış (Ekran1)");
        EXPECT_EQ(f.XEkseniEdit->value(), 15);
        EXPECT_EQ(f.YEkseniEdit->value(), 30);
        for (QRadioButton* radio : { f.OndenRadioBtn, f.UsttenRadioBtn, f.YandanRadioBtn })
            EXPECT_FALSE(radio->isChecked());
        EXPECT_EQ(f.BtnTamam->toolTip(), "Yapılan değişiklikleri onaylamak için bu butona basın");
        EXPECT_EQ(f.BtnVazgec->toolTip(), "Yapılan değişiklikleri geri almak için bu butona basın");
        f.BtnTamam->click();
    });
    win.W->ShowViewDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(win.R().XAxisAngle(), 15.9L);
    EXPECT_EQ(win.R().YAxisAngle(), 30.2L);
    EXPECT_EQ(picture(*win.W), before);

    // Truncation is toward zero.
    win.R().SetAngles(-15.9L, -0.5L);
    WhenModal<TBakisFrm>([](TBakisFrm& f) {
        EXPECT_EQ(f.XEkseniEdit->value(), -15);
        EXPECT_EQ(f.YEkseniEdit->value(), 0);
        f.BtnVazgec->click();
    });
    win.W->ShowViewDialog();
    EXPECT_EQ(win.R().XAxisAngle(), -15.9L);
}

TEST(ViewDialog, PresetsConfirmedTurnAndRedraw)
{
    struct Row {
        const char* Name;
        int X, Y;
    };
    for (const Row& row :
        { Row { "Önden", 0, 0 }, Row { "Üstten", 90, 0 }, Row { "Yandan", 0, -90 } }) {
        SCOPED_TRACE(row.Name);
        TTestWindow win;
        TTestWindow reference;
        for (TTestWindow* w : { &win, &reference }) {
            w->W->ApplyCurve(XYCurve("x*x/4"));
            w->R().SetAngles(15, 30);
            w->W->RedrawViews(true);
        }
        WhenModal<TBakisFrm>([&](TBakisFrm& f) {
            QRadioButton* radio = row.X == 90 ? f.UsttenRadioBtn
                : row.Y == -90                ? f.YandanRadioBtn
                                              : f.OndenRadioBtn;
            EXPECT_EQ(radio->text(), row.Name);
            radio->click();
            EXPECT_EQ(f.XEkseniEdit->value(), row.X);
            EXPECT_EQ(f.YEkseniEdit->value(), row.Y);
            f.BtnTamam->click();
        });
        win.W->ShowViewDialog();
        EXPECT_EQ(win.R().XAxisAngle(), row.X);
        EXPECT_EQ(win.R().YAxisAngle(), row.Y);
        reference.R().SetAngles(row.X, row.Y);
        reference.W->RedrawViews(true);
        EXPECT_EQ(picture(*win.W), picture(*reference.W));
    }
}

TEST(ViewDialog, VazgecAndTheCloseBoxLeaveTheWindowAndEscapeConfirms)
{
    TTestWindow win;
    win.R().SetAngles(15, 30);
    for (int way = 0; way < 2; ++way) {
        WhenModal<TBakisFrm>([way](TBakisFrm& f) {
            f.YandanRadioBtn->click();
            if (way == 0)
                f.BtnVazgec->click();
            else
                f.close();
        });
        win.W->ShowViewDialog();
        EXPECT_EQ(win.R().XAxisAngle(), 15);
        EXPECT_EQ(win.R().YAxisAngle(), 30);
    }
    // Escape answers "&Tamam".
    WhenModal<TBakisFrm>([](TBakisFrm& f) {
        f.XEkseniEdit->SetValue(-400);
        f.YEkseniEdit->SetValue(1000);
        pressKey(&f, Qt::Key_Escape);
    });
    win.W->ShowViewDialog();
    EXPECT_EQ(win.R().XAxisAngle(), -400) << "angles of any size are applied";
    EXPECT_EQ(win.R().YAxisAngle(), 1000);
}

TEST(ZoomDialog, PresetConfirmedSetsTheZoomAndTheZoomBox)
{
    const int percents[] = { 400, 200, 100, 75, 25 };
    TTestWindow win;
    bool seen = false;
    WhenModal<TBuyuklukFrm>([&](TBuyuklukFrm& f) {
        seen = true;
        EXPECT_EQ(f.windowTitle(), "Büyüklük (Ekran1)");
        EXPECT_EQ(f.BuyuklukSEdit->value(), 100);
        QRadioButton* radios[] = { f.O400RadioButton, f.O200RadioButton, f.O100RadioButton,
            f.O75RadioButton, f.O25RadioButton };
        for (int i = 0; i < 5; ++i) {
            EXPECT_FALSE(radios[i]->isChecked());
            EXPECT_EQ(radios[i]->text(), "%" + QString::number(percents[i]));
            radios[i]->click();
            EXPECT_EQ(f.BuyuklukSEdit->value(), percents[i]);
        }
        f.O75RadioButton->click();
        f.BtnTamam->click();
    });
    win.Host.Calls.clear();
    win.W->ShowZoomDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(win.W->ZoomPercent(), 75);
    EXPECT_EQ(win.R().Scale(), 5.0L / 75);
    EXPECT_EQ(win.Host.ZoomText, "75%");
    EXPECT_EQ(win.Host.Calls, (QStringList { "zoom 75%" }));
}

TEST(ZoomDialog, VazgecOrNoChangeLeavesTheWindow)
{
    TTestWindow win;
    const QImage before = picture(*win.W);
    WhenModal<TBuyuklukFrm>([](TBuyuklukFrm& f) {
        f.O400RadioButton->click();
        f.BtnVazgec->click();
    });
    win.W->ShowZoomDialog();
    WhenModal<TBuyuklukFrm>([](TBuyuklukFrm& f) { f.BtnTamam->click(); });
    win.W->ShowZoomDialog();
    EXPECT_EQ(win.W->ZoomPercent(), 100);
    EXPECT_TRUE(win.Host.ZoomText.isEmpty());
    EXPECT_EQ(picture(*win.W), before);
}

TEST(ZoomDialog, APercentBelowOneIsRefused)
{
    TTestWindow win;
    QStringList messages;
    TScopedErrorSink sink([&](const QString& m) { messages << m; });
    for (int percent : { 0, -5 }) {
        SCOPED_TRACE(percent);
        messages.clear();
        bool stayedOpen = false;
        WhenModal<TBuyuklukFrm>([&](TBuyuklukFrm& f) {
            f.BuyuklukSEdit->SetValue(percent);
            f.BtnTamam->click();
            stayedOpen = f.isVisible();
            pressKey(&f, Qt::Key_Escape); // Escape answers "&Tamam": refused as well
            stayedOpen = stayedOpen && f.isVisible();
            f.BtnVazgec->click();
        });
        win.W->ShowZoomDialog();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages,
            QStringList(2, QString::fromUtf8("Büyüklük yüzdesi 1 veya daha büyük olmalıdır")));
        EXPECT_EQ(win.R().Scale(), 0.05L);
        EXPECT_TRUE(win.Host.ZoomText.isEmpty());
    }
    // A refused percent may be mended in the same dialog.
    WhenModal<TBuyuklukFrm>([](TBuyuklukFrm& f) {
        f.BuyuklukSEdit->SetValue(0);
        f.BtnTamam->click();
        f.BuyuklukSEdit->SetValue(1);
        f.BtnTamam->click();
    });
    win.W->ShowZoomDialog();
    EXPECT_EQ(win.W->ZoomPercent(), 1);
    EXPECT_EQ(win.Host.ZoomText, "1%");
}

TEST(GraphWindowWiring, ContextMenuAndDoubleClickOpenTheDialogs)
{
    TTestWindow win;
    struct Row {
        QAction* Action;
        const char* Caption;
        const QMetaObject* Type;
    };
    TGrafikMChildFrm& w = *win.W;
    const Row rows[] = {
        { w.Bakis1, "Bakış (Ekran1)", &TBakisFrm::staticMetaObject },
        { w.Buyukluk1, "Büyüklük (Ekran1)", &TBuyuklukFrm::staticMetaObject },
        { w.SayisalDegerler1, "Sayısal Değerler (Ekran1)", &TSaysalFrm::staticMetaObject },
        { w.Ozellikler1, "Tüm Özellikler (Ekran1)", &TOzelliklerFrm::staticMetaObject },
        { nullptr, "Tüm Özellikler (Ekran1)", &TOzelliklerFrm::staticMetaObject },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Caption);
        QString caption;
        const char* className = nullptr;
        WhenModal<QDialog>([&](QDialog& d) {
            caption = d.windowTitle();
            className = d.metaObject()->className();
            d.reject();
        });
        win.Host.Calls.clear();
        if (row.Action) {
            row.Action->trigger();
        } else {
            QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(10, 10),
                QPointF(w.Image1->mapToGlobal(QPoint(10, 10))), Qt::LeftButton, Qt::LeftButton,
                Qt::NoModifier);
            QApplication::sendEvent(w.Image1, &dbl);
        }
        EXPECT_EQ(caption, row.Caption);
        EXPECT_STREQ(className, row.Type->className());
        EXPECT_TRUE(win.Host.Calls.isEmpty()); // a cancelled dialog tells the host nothing
    }
}

TEST(DialogHelp, EachDialogAsksForItsOwnContext)
{
    std::vector<int> asked;
    const TDialogHelp previous = SetDialogHelp([&](int context) { asked.push_back(context); });
    QTemporaryDir dir;
    TBakisFrm view;
    TBuyuklukFrm zoom;
    TSaysalFrm values;
    TOzelliklerFrm properties(dir.filePath("Norvadeks.ini"));
    for (QWidget* dialog : std::initializer_list<QWidget*> { &view, &zoom, &values, &properties })
        pressKey(dialog, Qt::Key_F1);
    values.BtnYardim->click();
    SetDialogHelp(previous);
    EXPECT_EQ(asked, (std::vector<int> { 8, 9, 5, 10, 5 }));
    EXPECT_TRUE(view.isHidden()) << "F1 is no answer to the dialog";
}
