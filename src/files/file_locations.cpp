#include "files/file_locations.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr char SettingsName[] = "Norvadeks.ini";
constexpr char LibraryName[] = "CurvedLines.db";

QString inFolder(const QString& folder, const char* name)
{
    return QDir(folder).filePath(QString::fromLatin1(name));
}

// The folder itself, created when missing; a folder that cannot be made is
// returned all the same, and the first write reports it.
QString made(const QString& folder)
{
    QDir().mkpath(folder);
    return folder;
}

} // namespace

bool FolderWritable(const QString& folder)
{
    const QFileInfo info(folder);
    constexpr auto anyWrite
        = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isDir() && info.isWritable() && (info.permissions() & anyWrite) != 0;
}

QString SettingsFileIn(const QString& programDirectory, const QString& userConfigDirectory)
{
    const QString file = SettingsFileToReadIn(programDirectory, userConfigDirectory);
    if (file != inFolder(programDirectory, SettingsName))
        made(userConfigDirectory);
    return file;
}

QString SettingsFileToReadIn(const QString& programDirectory, const QString& userConfigDirectory)
{
    const QString beside = inFolder(programDirectory, SettingsName);
    if (QFileInfo::exists(beside) || FolderWritable(programDirectory))
        return beside;
    return inFolder(userConfigDirectory, SettingsName);
}

QString LibraryFolderIn(const QString& programDirectory, const QString& currentDirectory,
    const QString& userDataDirectory)
{
    if (QFileInfo::exists(inFolder(currentDirectory, LibraryName))
        || FolderWritable(programDirectory))
        return currentDirectory;
    return made(userDataDirectory);
}

QString SettingsFileLocation(const QString& programDirectory)
{
    return SettingsFileIn(
        programDirectory, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString SettingsFileToRead(const QString& programDirectory)
{
    return SettingsFileToReadIn(
        programDirectory, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString LibraryFolderLocation(const QString& programDirectory)
{
    return LibraryFolderIn(programDirectory, QDir::currentPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
