#include "base/number_text.h"
#include "engine/fonksiyon.h"
#include "engine/variable_memory.h"
#include "explorer_test_host.h"
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
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

using namespace explorer_test;

TEST(CurveExplorer, PreviewTurnsUnderTheLeftButton)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.Enter(6, "cos(t)", "sin(t)", "t/5", Lime);
    TImage* image = p.EgriGorImage;
    const QImage before = image->Picture().toImage();

    SendMouse(image, QEvent::MouseButtonPress, { 100, 80 }, Qt::LeftButton, Qt::LeftButton);
    SendMouse(image, QEvent::MouseMove, { 130, 80 }, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(p.PreviewAngleX(), 15);
    EXPECT_EQ(p.PreviewAngleY(), -45);
    EXPECT_EQ(p.PreviewRenderer().YAxisAngle(), -45);
    EXPECT_NE(image->Picture().toImage(), before);

    // Within 10 pixels in both directions: nothing, and the stored point stays.
    SendMouse(image, QEvent::MouseMove, { 140, 90 }, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(p.PreviewAngleY(), -45);
    EXPECT_EQ(p.PreviewAngleX(), 15);
    SendMouse(image, QEvent::MouseMove, { 141, 75 }, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(p.PreviewAngleY(), -50.5L);
    EXPECT_EQ(p.PreviewAngleX(), 12.5L);

    // Without the left button, or after the release, a move does nothing.
    SendMouse(image, QEvent::MouseMove, { 200, 150 }, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(p.PreviewAngleY(), -50.5L);
    SendMouse(image, QEvent::MouseButtonRelease, { 200, 150 }, Qt::LeftButton, Qt::NoButton);
    SendMouse(image, QEvent::MouseMove, { 20, 10 }, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(p.PreviewAngleY(), -50.5L);
    EXPECT_EQ(p.PreviewRenderer().XAxisAngle(), 12.5L);

    // Rebuilding returns to the preview's own angles.
    p.RebuildPreview();
    EXPECT_EQ(p.PreviewAngleX(), 15);
    EXPECT_EQ(p.PreviewAngleY(), -30);
    EXPECT_EQ(image->Picture().toImage(), before);
}

TEST(CurveExplorer, PreviewShowsAHiddenCurve)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.Enter(0, "", "x/2", "", Lime, 0, 1);
    ASSERT_EQ(e.Curves(), 1);
    EXPECT_FALSE(e.w().DrawFunction().Objects().Items(0).Visible);
    EXPECT_EQ(CountPixels(e.w().DrawFunction().Image(), Lime), 0);
    EXPECT_TRUE(p.PreviewRenderer().Objects().Items(0).Visible);
    EXPECT_GT(CountPixels(p.EgriGorImage->Picture().toImage(), Lime), 0);
}

TEST(CurveExplorer, PreviewPropertiesThenRedraw)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    p.EgriGorImageDblClick(); // no properties window yet: nothing
    int runs = 0;
    p.SetOnPreviewProperties([&](TDrawFunction& r) {
        ++runs;
        EXPECT_EQ(&r, &p.PreviewRenderer());
        r.SetBrushColor(Lime);
    });
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p.EgriGorImage, &dbl);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(p.EgriGorImage->Picture().toImage().pixel(0, 0), ColorToRgb32(Lime));
}

// Every caption fits its control and no two controls of one parent overlap, in
// a main window's left dock as the user sees it (VELMO_GRAB_DIR receives the picture).
TEST(CurveExplorer, LayoutFitsItsCaptions)
{
    TExplorerFixture e;
    e.Enter(4, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Blue);
    QMainWindow main;
    main.resize(700, 700);
    main.setCentralWidget(new QWidget);
    main.addDockWidget(Qt::LeftDockWidgetArea, &e.panel);
    // The panel belongs to the fixture, not to the main window.
    const std::unique_ptr<QMainWindow, void (*)(QMainWindow*)> release(&main, [](QMainWindow* m) {
        for (auto* dock : m->findChildren<TCurvedLineExplorer*>()) {
            m->removeDockWidget(dock);
            dock->setParent(nullptr);
        }
    });
    e.panel.show();
    main.show();
    QApplication::processEvents();
    e.Pick(e.panel.FTypeComboBox, 6);
    QApplication::processEvents();

    const QList<QWidget*> all = e.panel.findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (!w->isVisible())
            continue;
        const QString name
            = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
        SCOPED_TRACE(name.toStdString());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            EXPECT_GE(combo->width(), combo->sizeHint().width());
        }
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_GE(button->width(), button->sizeHint().width());
        }
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()));
        for (QWidget* other : all) {
            if (other != w && other->isVisible() && other->parentWidget() == w->parentWidget()) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << other->objectName().toStdString();
            }
        }
    }
    // Every type is shown whole in the closed list.
    for (int type = 0; type < 7; ++type) {
        e.Pick(e.panel.FTypeComboBox, type);
        EXPECT_GE(e.panel.FTypeComboBox->width(), e.panel.FTypeComboBox->sizeHint().width());
        if (const QString dir = qEnvironmentVariable("VELMO_GRAB_DIR"); !dir.isEmpty())
            e.panel.grab().save(dir + QString("/explorer_type%1.png").arg(type));
    }
    // The dock cannot be resized.
    EXPECT_EQ(e.panel.minimumWidth(), e.panel.maximumWidth());

    if (const QString dir = qEnvironmentVariable("VELMO_GRAB_DIR"); !dir.isEmpty()) {
        main.grab().save(dir + "/explorer_main.png");
        e.panel.grab().save(dir + "/explorer.png");
    }
}
