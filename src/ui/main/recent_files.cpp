#include "ui/main/recent_files.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSaveFile>

#include <utility>

TRecentFiles::TRecentFiles(QString file, QMenu* menu, QAction* before, TOpener open)
    : FFile(std::move(file))
    , FMenu(menu)
    , FBefore(before)
    , FOpen(std::move(open))
{
}

QStringList TRecentFiles::Names() const
{
    QFile file(FFile);
    QStringList names;
    if (file.size() > 64 * 1024 || !file.open(QIODevice::ReadOnly))
        return names;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (!line.trimmed().isEmpty() && names.size() < MaxFiles && !names.contains(line))
            names << line;
    return names;
}

void TRecentFiles::Used(const QString& fileName)
{
    QStringList names = Names();
    names.removeAll(fileName);
    names.prepend(fileName);
    while (names.size() > MaxFiles)
        names.removeLast();
    QSaveFile file(FFile);
    if (file.open(QIODevice::WriteOnly)) {
        file.write((names.join('\n') + '\n').toUtf8());
        file.commit();
    }
    UpdateMenu();
}

void TRecentFiles::UpdateMenu()
{
    for (QAction* action : FActions) {
        FMenu->removeAction(action);
        action->deleteLater();
    }
    FActions.clear();
    const QStringList names = Names();
    if (!names.isEmpty())
        FActions << FMenu->insertSeparator(FBefore);
    int n = 0;
    for (const QString& name : names) {
        auto* action = new QAction(QString("&%1 %2").arg(++n).arg(name), FMenu);
        action->setStatusTip(name);
        QObject::connect(action, &QAction::triggered, FMenu, [this, name] { FOpen(name); });
        FMenu->insertAction(FBefore, action);
        FActions << action;
    }
}
