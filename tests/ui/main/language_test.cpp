#include "../language_guard.h"
#include "files/language.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/main_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

bool hasTurkishLetter(const QString& text)
{
    static const QString letters = QString::fromUtf8("çğıöşüÇĞİÖŞÜ");
    return std::any_of(text.begin(), text.end(), [](QChar c) { return letters.contains(c); });
}

// Every text a user reads on the window and everything in it: captions, hints, list
// items, tool window titles, menu items and toolbar buttons.
QStringList textsOf(const QWidget& window)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (!text.isEmpty())
            texts << text;
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets << const_cast<QWidget*>(&window);
    for (const QWidget* w : widgets) {
        add(w->toolTip());
        add(w->statusTip());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            add(b->text());
        if (const auto* l = qobject_cast<const QLabel*>(w))
            add(l->text());
        if (const auto* g = qobject_cast<const QGroupBox*>(w))
            add(g->title());
        if (const auto* d = qobject_cast<const QDockWidget*>(w))
            add(d->windowTitle());
        if (const auto* c = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(c->itemText(i));
        if (const auto* t = qobject_cast<const QTreeWidget*>(w))
            for (int i = 0; i < t->topLevelItemCount(); ++i)
                add(t->topLevelItem(i)->text(0));
    }
    for (const QAction* a : window.findChildren<QAction*>()) {
        add(a->text());
        add(a->toolTip());
        add(a->statusTip());
    }
    return texts;
}

} // namespace

// The main window in English: menus, toolbars, the explorer, the operator palette, the
// parameters and a graph window's menu, nothing left in Turkish but the name of the
// language itself; Turkish again gives the texts of the code.
TEST(MainFormLanguage, EveryTextOfTheWindowsInEnglish)
{
    TLanguageGuard guard;
    InstallLanguage(TLanguage::English);
    QTemporaryDir dir;
    {
        TMainForm m(dir.path());
        m.show();
        m.YeniPencereClick();
        QApplication::processEvents();
        QStringList turkish;
        for (const QString& text : textsOf(m))
            if (hasTurkishLetter(text) && text != QString::fromUtf8("Türkçe"))
                turkish << text;
        turkish.removeDuplicates();
        EXPECT_TRUE(turkish.isEmpty()) << turkish.join('\n').toStdString();
        EXPECT_EQ(m.menuBar()->actions().first()->text(), "&File");
        EXPECT_EQ(m.CurvedLineExplorerToolW->windowTitle(), "Curve Explorer");
    }
    UninstallLanguage();
    TMainForm m(dir.path());
    EXPECT_EQ(m.menuBar()->actions().first()->text(), "&Dosya");
    EXPECT_EQ(m.CurvedLineExplorerToolW->windowTitle(), QString::fromUtf8("Eğri Gezgini"));
}
