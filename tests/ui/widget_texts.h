#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

// Every text a user reads on a window and everything in it, in the order the widgets are
// found: captions, hints, list items, tabs, table heads, tool window titles, menu items and
// toolbar buttons. The same window built in another language gives its texts in the same
// order.
inline QStringList WidgetTexts(const QWidget& window)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) { texts << text; };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&window));
    for (const QWidget* w : widgets) {
        add(w->windowTitle());
        add(w->toolTip());
        add(w->statusTip());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            add(b->text());
        if (const auto* l = qobject_cast<const QLabel*>(w))
            add(l->text());
        if (const auto* g = qobject_cast<const QGroupBox*>(w))
            add(g->title());
        if (const auto* c = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(c->itemText(i));
        if (const auto* t = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                add(t->tabText(i));
        if (const auto* t = qobject_cast<const QTableWidget*>(w))
            for (int i = 0; i < t->columnCount(); ++i)
                add(t->horizontalHeaderItem(i) != nullptr ? t->horizontalHeaderItem(i)->text()
                                                          : QString());
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

// The texts that read the same in Turkish and in English although they are words: a text
// left out of the translation. Names, symbols, numbers and the texts that are the same in
// both languages on purpose (allowed) do not count.
inline QStringList UntranslatedTexts(
    const QStringList& turkish, const QStringList& english, const QSet<QString>& allowed)
{
    static const QRegularExpression word("[A-Za-zçğıöşüÇĞİÖŞÜ]{3,}");
    QStringList same;
    if (turkish.size() != english.size())
        return { "the window differs in shape between the languages" };
    for (qsizetype i = 0; i < turkish.size(); ++i) {
        const QString& t = turkish[i];
        if (t == english[i] && word.match(t).hasMatch() && !allowed.contains(t)
            && !same.contains(t))
            same << t;
    }
    return same;
}
