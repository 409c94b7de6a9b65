#include "curves/object_list.h"
#include "ui/platform/error_report.h"
#include "ui/platform/generation_progress.h"

#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// A window with a button of its own, whose status line shows a list's generations.
struct TWindow {
    QMainWindow Window;
    QPushButton* Other = new QPushButton("Başka");
    int OtherClicks = 0;
    TGenerationProgressBar Progress { Other };
    TObjectList List;

    TWindow()
    {
        Window.setCentralWidget(Other);
        QObject::connect(Other, &QPushButton::clicked, [this] { ++OtherClicks; });
        Window.show();
        List.SetProgress(&Progress);
    }

    // A helix of 200,001 points (index).
    int AppendHelix(const char* fz)
    {
        return List.Append(ctCylindrical, "cos(t)", "sin(t)", fz, 255, 0, 1, 0.0001L, true);
    }
};
}

// The bar and "Vazgeç" show in the status line while a long generation runs; the
// window takes no other input meanwhile; "Vazgeç" or Escape stops the generation,
// which leaves the list as it was and reports nothing; then the bar goes.
TEST(GenerationProgress, VazgecAndEscapeStopAndLeaveTheListAsItWas)
{
    TWindow w;
    w.Progress.SetDelay(0);
    w.AppendHelix("t");
    QStringList messages;
    TScopedErrorSink sink([&](const QString& m) { messages.append(m); });
    for (const bool escape : { false, true }) {
        SCOPED_TRACE(escape);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            QPushButton* cancel = w.Progress.CancelButton();
            shown = cancel && cancel->isVisible() && cancel->text() == "Vazgeç"
                && w.Window.statusBar()->findChild<QProgressBar*>() != nullptr;
            // Clicked as the window system clicks: on the window, at the widget.
            const auto click = [&](QWidget* widget) {
                QTest::mouseClick(w.Window.windowHandle(), Qt::LeftButton, {},
                    widget->mapTo(&w.Window, widget->rect().center()));
            };
            click(w.Other);
            QTest::keyClick(w.Other, Qt::Key_Space);
            if (escape)
                QTest::keyClick(&w.Window, Qt::Key_Escape);
            else if (cancel)
                click(cancel);
        });
        EXPECT_FALSE(Guarded([&] { w.AppendHelix("2*t"); }));
        EXPECT_TRUE(shown);
        EXPECT_EQ(w.OtherClicks, 0);
        EXPECT_EQ(w.List.Count(), 1);
        EXPECT_EQ(w.Progress.CancelButton(), nullptr);
        EXPECT_EQ(w.Window.statusBar()->findChild<QProgressBar*>(), nullptr);
    }
    EXPECT_TRUE(messages.isEmpty());
    // Once the bar is gone the window takes input again.
    QTest::mouseClick(w.Other, Qt::LeftButton);
    EXPECT_EQ(w.OtherClicks, 1);
}

// A generation shorter than the delay shows nothing.
TEST(GenerationProgress, AQuickGenerationShowsNoBar)
{
    TWindow w;
    bool shown = false;
    QTimer::singleShot(0, [&] { shown = w.Progress.CancelButton() != nullptr; });
    w.List.Append(ctXYPlane, "", "x", "", 255, 0, 1, 0.001L, true);
    EXPECT_EQ(w.List.Count(), 1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
}
