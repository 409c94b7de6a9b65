#pragma once

#include <QString>

// Where the program keeps its settings file and its curve library. A program
// run from a folder it may write to (its build folder, a copied folder) keeps
// them where it always has: the settings beside the executable, the library in
// the current folder. An installed program, whose folder belongs to the system,
// keeps them in the user's own configuration and data folders instead.

// True for an existing folder that the user may write to and whose permissions
// let someone write to it. The second test matters for the administrator, who
// passes every access check: a folder closed to everyone stays closed to the
// program as well.
bool FolderWritable(const QString& folder);

// Norvadeks.ini in programDirectory when the file exists there or the folder is
// writable; otherwise Norvadeks.ini in userConfigDirectory, which is created
// when missing so that the first write succeeds.
QString SettingsFileIn(const QString& programDirectory, const QString& userConfigDirectory);

// The same file for a reader that writes nothing: the folder is not created.
QString SettingsFileToReadIn(const QString& programDirectory, const QString& userConfigDirectory);

// The folder of CurvedLines.db and CLTypes.DB: currentDirectory when
// CurvedLines.db exists there or programDirectory is writable; otherwise
// userDataDirectory, created when missing (the tables are created on opening).
QString LibraryFolderIn(const QString& programDirectory, const QString& currentDirectory,
    const QString& userDataDirectory);

// The same with the user's standard folders (the application's configuration
// and data locations) and the current directory of the process.
QString SettingsFileLocation(const QString& programDirectory);
QString LibraryFolderLocation(const QString& programDirectory);
QString SettingsFileToRead(const QString& programDirectory);
