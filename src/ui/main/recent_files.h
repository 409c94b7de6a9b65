#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;

// The scene files opened or saved last, the latest first (at most MaxFiles),
// kept in a text file of one name a line and shown as numbered items of a menu
// before one of its items. Choosing an item hands its name to the opener.
class TRecentFiles {
public:
    static constexpr int MaxFiles = 4;
    using TOpener = std::function<void(const QString& fileName)>;

    TRecentFiles(QString file, QMenu* menu, QAction* before, TOpener open);
    TRecentFiles(const TRecentFiles&) = delete;
    TRecentFiles& operator=(const TRecentFiles&) = delete;

    const QString& File() const { return FFile; }
    QStringList Names() const;
    // Puts fileName first and shows the list anew. A list that cannot be written
    // is only a convenience lost: nothing is reported.
    void Used(const QString& fileName);
    // Shows the names of the file in the menu.
    void UpdateMenu();

private:
    QString FFile;
    QMenu* FMenu;
    QAction* FBefore;
    TOpener FOpen;
    QList<QAction*> FActions;
};
