// The main window's scene files: opening them in new graph windows and the list
// of recent files in "Dosya".

#include "files/graph_settings.h"
#include "files/ini_file.h"
#include "files/scene_file.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/main/main_form.h"
#include "ui/platform/error_report.h"
#include "ui/platform/prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSaveFile>

void TMainForm::AcClick()
{
    const QStringList names = FOpenDialogRunner
        ? FOpenDialogRunner()
        : QFileDialog::getOpenFileNames(this, "Aç", QString(), "Velmo files(*.vlm)");
    OpenFiles(names);
}

void TMainForm::OpenFiles(const QStringList& fileNames)
{
    for (const QString& name : fileNames)
        Guarded([&] { OpenSceneFile(name); });
}

TGrafikMChildFrm* TMainForm::OpenSceneFile(const QString& fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    const int number = FreeWindowNumber();
    // A key the file lacks takes the value of a new window: its look comes from
    // the settings file.
    TScene defaults;
    defaults.Look = ReadGraphSettings(TIniFile(SettingsFile()), TGraphSettings {});
    const TSceneRead read = ReadSceneFile(path, defaults);
    if (!read.BadCurves.empty()) {
        QStringList faults;
        for (const TSceneCurveFault& fault : read.BadCurves)
            faults << QString::fromStdString(fault.Message);
        if (read.Scene.Curves.empty())
            throw ESceneFileError(faults.join('\n').toStdString());
        const QString question = faults.join('\n') + "\n\n"
            + QString("Dosyanın geri kalan %1 eğrisi açılsın mı?").arg(read.Scene.Curves.size());
        if (!AskYesNo(this, question))
            return nullptr;
    }
    FWindowSlots[static_cast<std::size_t>(number)] = 1;
    TGrafikMChildFrm* graph = CreateGraphWindow(path, number);
    try {
        graph->LoadScene(read.Scene);
    } catch (...) {
        // Nothing is half opened.
        graph->parentWidget()->close();
        throw;
    }
    graph->SetFileName(path);
    SceneFileUsed(path);
    ShowExplorer();
    if (ActiveGraphWindow() == graph)
        graph->FormActivate();
    return graph;
}

// ---- Recent files ---------------------------------------------------------------------

QString TMainForm::RecentFilesFile() const
{
    return QFileInfo(SettingsFile()).absolutePath() + "/SonDosyalar.txt";
}

QStringList TMainForm::RecentFiles() const
{
    QFile file(RecentFilesFile());
    QStringList names;
    if (file.size() > 64 * 1024 || !file.open(QIODevice::ReadOnly))
        return names;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (!line.trimmed().isEmpty() && names.size() < MaxRecentFiles && !names.contains(line))
            names << line;
    return names;
}

void TMainForm::SceneFileUsed(const QString& fileName)
{
    QStringList names = RecentFiles();
    names.removeAll(fileName);
    names.prepend(fileName);
    while (names.size() > MaxRecentFiles)
        names.removeLast();
    // A list that cannot be written is only a convenience lost; nothing is reported.
    QSaveFile file(RecentFilesFile());
    if (file.open(QIODevice::WriteOnly)) {
        file.write((names.join('\n') + '\n').toUtf8());
        file.commit();
    }
    UpdateRecentMenu();
}

void TMainForm::UpdateRecentMenu()
{
    for (QAction* action : FRecentActions) {
        Dosya->removeAction(action);
        action->deleteLater();
    }
    FRecentActions.clear();
    const QStringList names = RecentFiles();
    if (!names.isEmpty())
        FRecentActions << Dosya->insertSeparator(FExitSeparator);
    int n = 0;
    for (const QString& name : names) {
        auto* action = new QAction(QString("&%1 %2").arg(++n).arg(name), Dosya);
        action->setStatusTip(name);
        connect(action, &QAction::triggered, this,
            [this, name] { Guarded([&] { OpenSceneFile(name); }); });
        Dosya->insertAction(FExitSeparator, action);
        FRecentActions << action;
    }
}
