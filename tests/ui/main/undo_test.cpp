#include "explorer_test_host.h"
#include "ui/main/main_form.h"
#include "ui/main/mdi_client.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace explorer_test;

namespace {
// What the user sees of a window's curves: the list, the current curve, the
// explorer's fields and the picture.
struct TSeen {
    std::vector<TEditorValues> Curves;
    int Index = 0;
    TObjectMode State = omNone;
    QString Type, Fy, Fz, Status;
    QImage Picture;

    bool operator==(const TSeen&) const = default;
};

TSeen seen(TExplorerFixture& e)
{
    TSeen s;
    const TObjectList& list = e.w().DrawFunction().Objects();
    for (int i = 0; i < list.Count(); ++i)
        s.Curves.push_back(EditorValuesOf(list.Items(i)));
    s.Index = e.w().CurveIndex();
    s.State = e.w().State();
    s.Type = e.panel.FTypeComboBox->currentText();
    s.Fy = e.panel.fyEdit->text();
    s.Fz = e.panel.fzEdit->text();
    s.Status = e.host.Status;
    s.Picture = e.w().Picture();
    return s;
}

void expectSeen(const TSeen& actual, const TSeen& expected)
{
    EXPECT_EQ(actual.Curves, expected.Curves);
    EXPECT_EQ(actual.Index, expected.Index);
    EXPECT_EQ(actual.State, expected.State);
    EXPECT_EQ(actual.Type, expected.Type);
    EXPECT_EQ(actual.Fy, expected.Fy);
    EXPECT_EQ(actual.Fz, expected.Fz);
    EXPECT_EQ(actual.Status, expected.Status);
    EXPECT_TRUE(actual.Picture == expected.Picture) << "the same pixels";
}
}

TEST(CurveUndo, EachEditIsUndoneAndRedoneWithTheExplorerFollowing)
{
    TExplorerFixture e;
    TCurvedLineExplorer& p = e.panel;
    e.w().show();
    QUndoStack& stack = *e.w().UndoStack();
    // What the window shows right before each edit and right after it.
    std::vector<TSeen> before, after;
    const auto edit = [&](auto body) {
        before.push_back(seen(e));
        body();
        after.push_back(seen(e));
    };
    edit([&] { e.Enter(0, "", "sin(x)*3", "", Blue); });
    edit([&] { e.Enter(3, "", "x/2", "cos(x)", Lime); });
    edit([&] { e.Enter(5, "", "", "1+a/7", Maroon); });
    // An edit of the middle curve: formula and colour.
    p.ilkEgriButtonClick();
    p.SonrakiEgriButtonClick();
    edit([&] {
        TExplorerFixture::Type(p.fzEdit, "cos(x)*2");
        p.ColorCombo->SetColor(Blue);
        p.UygulaButtonClick();
    });
    EXPECT_EQ(after.back().Curves[1].Fz, "cos(x)*2");
    // The first curve deleted, then all.
    p.ilkEgriButtonClick();
    edit([&] { p.EgriSilButtonClick(); });
    edit([&] { p.TumEgrileriSilButtonClick(); });
    EXPECT_EQ(stack.count(), 6);
    // Undoing an append shows the curve in front of it, as the window did before.
    EXPECT_EQ(before[2].State, omNone);
    // Turning the view is no step.
    e.w().DrawFunction().RotateBy(0, 0);
    e.w().ShowTopView();
    e.w().ShowPerspectiveView();
    e.w().DrawFunction().SetAngles(0, 0);
    e.w().RedrawViews(true);
    EXPECT_EQ(stack.count(), 6);

    for (int i = 5; i >= 0; --i) {
        SCOPED_TRACE("undo of edit " + std::to_string(i));
        e.w().Undo();
        expectSeen(seen(e), before[static_cast<std::size_t>(i)]);
    }
    EXPECT_FALSE(e.w().CurvesChanged()) << "back where the window started";
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE("redo of edit " + std::to_string(i));
        e.w().Redo();
        expectSeen(seen(e), after[static_cast<std::size_t>(i)]);
    }

    // An edit after an undo drops what could be redone.
    e.w().Undo();
    e.w().Undo();
    e.Enter(6, "cos(t)", "sin(t)", "t/5", Lime);
    EXPECT_FALSE(stack.canRedo());
    EXPECT_EQ(e.w().DrawFunction().Objects().Count(), 4);
    e.w().Undo();
    EXPECT_EQ(seen(e).Curves, after[3].Curves);
    EXPECT_EQ(e.w().CurveIndex(), 2) << "the last curve, in front of the one undone";
    EXPECT_EQ(e.host.Status, "  (3/3)");
    EXPECT_TRUE(e.errors.isEmpty()) << e.errors.join('\n').toStdString();
}

TEST(CurveUndo, TheEditMenuFollowsTheActiveWindow)
{
    QTemporaryDir dir;
    TMainForm m(dir.path());
    m.show();
    EXPECT_EQ(m.Duzen->actions()[0]->text(), "Geri Al");
    EXPECT_EQ(m.Duzen->actions()[1]->text(), "Yinele");
    EXPECT_EQ(m.GeriAl->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(m.Yinele->shortcut(), QKeySequence("Ctrl+Y"));
    EXPECT_FALSE(m.GeriAl->isEnabled());
    m.YeniPencereClick();
    TGrafikMChildFrm* first = m.ActiveGraphWindow();
    TEditorValues v;
    v.Fx = "X";
    v.Fy = "x";
    v.Fz = "0";
    first->ApplyCurve(v);
    EXPECT_TRUE(m.GeriAl->isEnabled());
    EXPECT_FALSE(m.Yinele->isEnabled());
    m.YeniPencereClick();
    QApplication::processEvents();
    EXPECT_FALSE(m.GeriAl->isEnabled()) << "the new window has nothing to undo";
    m.ClientArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    QApplication::processEvents();
    ASSERT_EQ(m.ActiveGraphWindow(), first);
    EXPECT_TRUE(m.GeriAl->isEnabled());
    m.GeriAl->trigger();
    EXPECT_EQ(first->DrawFunction().Objects().Count(), 0);
    EXPECT_FALSE(m.GeriAl->isEnabled());
    EXPECT_TRUE(m.Yinele->isEnabled());
    m.Yinele->trigger();
    EXPECT_EQ(first->DrawFunction().Objects().Count(), 1);
    EXPECT_EQ(m.CurvedLineExplorerToolW->fyEdit->text(), "x");
}
