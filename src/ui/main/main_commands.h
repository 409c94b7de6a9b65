#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>

class QAction;
class QActionGroup;
class TGrafikMChildFrm;
class TMainForm;

// The main window's menus and toolbars, built from two tables. A row is one menu,
// menu item, toolbar button or separator with its caption, short-cut, hints, check
// mark, radio group, whether it waits for a graph window, and its handler. A button
// that gives a menu item's command names that item: the two share the item's
// handler and their check marks are kept equal.
//
// The menus, items, toolbars and buttons are the main window's members of their
// design names; this class builds them into the window, runs their handlers through
// the error report and enables those that wait for a graph window. Its texts are
// translated in the main window's context.
class TMainCommands {
    Q_DECLARE_TR_FUNCTIONS(TMainForm)
public:
    using THandler = void (*)(TMainForm& form, bool checked);

    // Builds the menu bar, the toolbars' pop-up menu, the frame's F1 and the two
    // toolbars with the zoom box into form.
    explicit TMainCommands(TMainForm& form);
    TMainCommands(const TMainCommands&) = delete;
    TMainCommands& operator=(const TMainCommands&) = delete;

    // Enables the commands that wait for a graph window, or disables them.
    void EnableGraphCommands(bool enabled);

private:
    struct TMenuRow;
    struct TButtonRow;
    template <void (TGrafikMChildFrm::*Operation)()>
    static void GraphCommand(TMainForm& form, bool checked);
    void CreateMenus();
    void CreateToolbars();
    void CreateZoomBox();
    void SetUp(QAction* action, const char* shortCut, const char* tip, const char* status,
        int check, int group, bool graph, QHash<int, QActionGroup*>& groups);
    // Runs handler when action is triggered, through the error report, after giving
    // the action's partner (menu item or button of one command) its check mark.
    void Connect(QAction* action, THandler handler);
    // The zoom box stands in a level toolbar, its button in an upright one.
    void SwapZoomSlot(Qt::Orientation orientation);

    TMainForm& FForm;
    QList<QAction*> FGraphCommands;
    QHash<QAction*, THandler> FHandlers;
    QHash<QAction*, QAction*> FPartners;
};
