#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// The two files of the curve library, kept side by side in one folder.
inline constexpr char CurvedLinesFileName[] = "CurvedLines.db";
inline constexpr char CLTypesFileName[] = "CLTypes.DB";
// The schema name under which CLTypes.DB is attached to a connection.
inline constexpr char CLTypesSchema[] = "cltypes";

// Opens CurvedLines.db of folder as a new connection of that name with CLTypes.DB
// attached read-only, creating either file (and its table, the types seeded) when it is
// missing or empty. Commits are synchronous (FULL) in the rollback journal; a
// write waits busyTimeout ms for another connection's lock. Raises
// ECurveTableError: lfUnreadable when a file cannot be opened or created,
// lfCorrupt when it is not a sound library file (it is left untouched); the
// connection is then removed again.
QSqlDatabase OpenLibraryDatabase(
    const QString& connectionName, const QString& folder, int busyTimeout);

// Closes and removes the connection; nothing when it does not exist.
void CloseLibraryDatabase(const QString& connectionName) noexcept;

// Renames a faulty library file, with its journal, to the first free name of
// "<file>.bozuk", "<file>.bozuk2", ... so that a new file can take its place;
// returns the new name. Raises ECurveTableError when the rename fails.
QString SetLibraryFileAside(const QString& fileName);

// The engine's own text of an error (the driver's when the engine gave none).
QString EngineMessage(const QSqlError& error);
// The primary result code of the engine (SQLITE_BUSY is 5, ...), -1 when unknown.
int EngineCode(const QSqlError& error);
