#include "ui/library/library_files.h"

#include "curves/curve_types.h"
#include "ui/library/library_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QUrl>

namespace {

constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;
constexpr int sqliteCantOpen = 14;

// Empty texts stay empty strings, never NULL: the key columns are NOT NULL.
const char curvedLinesSchema[]
    = "CREATE TABLE CurvedLines ("
      " Type INTEGER NOT NULL CHECK (Type BETWEEN -32768 AND 32767),"
      " FunctionX TEXT NOT NULL DEFAULT '' CHECK (length(FunctionX) <= 100),"
      " FunctionY TEXT NOT NULL DEFAULT '' CHECK (length(FunctionY) <= 100),"
      " FunctionZ TEXT NOT NULL DEFAULT '' CHECK (length(FunctionZ) <= 100),"
      " Comment TEXT NOT NULL DEFAULT '' CHECK (length(Comment) <= 200),"
      " PRIMARY KEY (Type, FunctionX, FunctionY, FunctionZ))";

const char clTypesSchema[]
    = "CREATE TABLE cltypes.CLTypes ("
      " Type INTEGER PRIMARY KEY CHECK (Type BETWEEN -32768 AND 32767),"
      " TypeName TEXT NOT NULL DEFAULT '' CHECK (length(TypeName) <= 30),"
      " TypeVariables TEXT NOT NULL DEFAULT '' CHECK (length(TypeVariables) <= 30))";

[[noreturn]] void fail(TLibraryFault fault, const QString& file, const QString& detail)
{
    const QString name = QDir::toNativeSeparators(file);
    QString text;
    switch (fault) {
    case lfCorrupt:
        text = QCoreApplication::translate(
            "TLibraryFiles", "Eğri kütüphanesi dosyası bozuk ya da bir kütüphane dosyası değil: %1")
                   .arg(name);
        break;
    case lfUnreadable:
        text
            = QCoreApplication::translate("TLibraryFiles", "Eğri kütüphanesi dosyası açılamadı: %1")
                  .arg(name);
        break;
    default:
        text = QCoreApplication::translate(
            "TLibraryFiles", "Eğri kütüphanesi dosyası kullanılamıyor: %1")
                   .arg(name);
        break;
    }
    if (!detail.isEmpty())
        text += QLatin1Char('\n') + detail;
    throw ECurveTableError(text, fault, file);
}

// The fault an engine error stands for when it meets file.
[[noreturn]] void failWith(const QSqlError& error, const QString& file)
{
    const int code = EngineCode(error);
    const TLibraryFault fault = code == sqliteCorrupt || code == sqliteNotADatabase ? lfCorrupt
        : code == sqliteCantOpen                                                    ? lfUnreadable
                                                                                    : lfEngine;
    fail(fault, file, EngineMessage(error));
}

// What can be told from outside the engine: a folder or a device in the file's
// place, a file that cannot be read, a file that does not begin as a database.
void checkFile(const QString& file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return;
    if (!info.isFile())
        fail(lfUnreadable, file,
            QCoreApplication::translate("TLibraryFiles", "Bu ad bir dosyanın değil."));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        fail(lfUnreadable, file, f.errorString());
    if (f.size() == 0)
        return; // an empty file becomes a new library
    static const QByteArray header("SQLite format 3\0", 16);
    if (f.read(16) != header)
        fail(lfCorrupt, file, {});
}

void exec(QSqlQuery& q, const QString& sql, const QString& file)
{
    if (!q.exec(sql))
        failWith(q.lastError(), file);
}

// quick_check reads every page of the file: a damaged page shows here and not in
// the middle of an edit.
void checkIntegrity(QSqlQuery& q, const QString& schema, const QString& file)
{
    exec(q, QStringLiteral("PRAGMA %1.quick_check").arg(schema), file);
    QStringList problems;
    while (q.next())
        problems.append(q.value(0).toString());
    q.finish();
    if (problems != QStringList { QStringLiteral("ok") })
        fail(lfCorrupt, file, problems.mid(0, 3).join(QLatin1Char('\n')));
}

bool tableExists(QSqlQuery& q, const QString& schema, const QString& table, const QString& file)
{
    exec(q,
        QStringLiteral("SELECT count(*) FROM %1.sqlite_master WHERE type = 'table' AND name = '%2'")
            .arg(schema, table),
        file);
    const bool exists = q.next() && q.value(0).toInt() > 0;
    q.finish();
    return exists;
}

void checkColumns(QSqlQuery& q, const QString& schema, const QString& table,
    const QStringList& expected, const QString& file)
{
    exec(q, QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, table), file);
    QStringList columns;
    while (q.next())
        columns.append(q.value(1).toString());
    q.finish();
    for (const QString& column : expected)
        if (!columns.contains(column, Qt::CaseInsensitive))
            fail(lfCorrupt, file,
                QCoreApplication::translate("TLibraryFiles", "%1 tablosunda %2 alanı yok.")
                    .arg(table, column));
}

// Writes the rows of the coordinate systems of the explorer's type list that the type
// table lacks (all of them into a new one); a row the table holds stays as it is.
void seedTypes(QSqlQuery& q, const QString& file)
{
    for (const TCurveTypeRow& t : CurveTypes) {
        if (!q.prepare(QStringLiteral("INSERT INTO cltypes.CLTypes (Type, TypeName, TypeVariables) "
                                      "SELECT ?, ?, ? WHERE NOT EXISTS "
                                      "(SELECT 1 FROM cltypes.CLTypes WHERE Type = ?)")))
            failWith(q.lastError(), file);
        q.addBindValue(int(t.Code));
        q.addBindValue(QString::fromUtf8(t.LibraryName));
        q.addBindValue(QString::fromUtf8(t.LibraryVariables));
        q.addBindValue(int(t.Code));
        if (!q.exec())
            failWith(q.lastError(), file);
    }
}

// A type table written before the program knew some of its types gains their rows, in one
// transaction. A table that cannot be written (a read-only file) is left as it was: the
// library still works with the types it names.
void addMissingTypes(QSqlQuery& q, const QString& file)
{
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM cltypes.CLTypes WHERE Type >= 0 AND Type < %1")
                    .arg(CurveTypeCount))
        || !q.next() || q.value(0).toInt() >= CurveTypeCount)
        return;
    q.finish();
    if (!q.exec(QStringLiteral("BEGIN")))
        return;
    try {
        seedTypes(q, file);
        exec(q, QStringLiteral("COMMIT"), file);
    } catch (const ECurveTableError&) {
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

// Creates a missing table in one transaction, so a half-made file never remains.
// The transaction is deferred: its first statement writes, and so locks and
// journals only the file it writes to. A write lock on both attached files would
// make the commit write a super-journal beside the library, which a kill leaves.
void createTable(QSqlQuery& q, const QString& schema, bool seed, const QString& file)
{
    exec(q, QStringLiteral("BEGIN"), file);
    try {
        exec(q,
            QString::fromLatin1(
                schema == QLatin1String("main") ? curvedLinesSchema : clTypesSchema),
            file);
        if (seed)
            seedTypes(q, file);
        exec(q, QStringLiteral("COMMIT"), file);
    } catch (...) {
        q.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

// What a kill can leave that the engine itself does not remove: a journal cut off
// before it became hot, which the engine ignores until the next write, and a
// super-journal whose transaction had ended (earlier versions wrote one with every
// post). The reads of both files have rolled back any hot journal, and while this
// connection holds the write locks of both no other one is writing: whatever is
// left beside them is stale. When another connection is writing, it is left for
// the next open.
void removeLitter(QSqlQuery& q, const QString& curvesFile, const QString& typesFile)
{
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return;
    for (const QString& file : { curvesFile, typesFile })
        if (QFileInfo(file + QStringLiteral("-journal")).isFile())
            QFile::remove(file + QStringLiteral("-journal"));
    // The engine names a super-journal after the main file: "-mj" and nine hex digits.
    const QFileInfo curves(curvesFile);
    const QRegularExpression superJournal(
        QStringLiteral("^%1-mj[0-9A-F]{9}$").arg(QRegularExpression::escape(curves.fileName())));
    const QDir dir = curves.absoluteDir();
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        if (superJournal.match(name).hasMatch())
            QFile::remove(dir.filePath(name));
    // Nothing was written; a commit with both files locked would itself write a
    // super-journal.
    q.exec(QStringLiteral("ROLLBACK"));
}

// Attaches CLTypes.DB under its schema name, by URI so that it can be read-only.
void attach(QSqlQuery& q, const QString& typesFile, bool readOnly)
{
    if (!q.prepare(QStringLiteral("ATTACH DATABASE ? AS %1").arg(QLatin1String(CLTypesSchema))))
        failWith(q.lastError(), typesFile);
    QString uri = QUrl::fromLocalFile(typesFile).toString(QUrl::FullyEncoded);
    if (readOnly)
        uri += QStringLiteral("?mode=ro");
    q.addBindValue(uri);
    if (!q.exec())
        failWith(q.lastError(), typesFile);
}

} // namespace

QString EngineMessage(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    return text;
}

int EngineCode(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xFF) : -1;
}

QSqlDatabase OpenLibraryDatabase(
    const QString& connectionName, const QString& folder, int busyTimeout)
{
    const QDir dir(folder);
    const QString curvesFile = dir.absoluteFilePath(QString::fromLatin1(CurvedLinesFileName));
    const QString typesFile = dir.absoluteFilePath(QString::fromLatin1(CLTypesFileName));
    checkFile(curvesFile);
    checkFile(typesFile);

    try {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(curvesFile);
        // URI names let CLTypes.DB be attached read-only below.
        db.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1;QSQLITE_OPEN_URI").arg(busyTimeout));
        if (!db.open())
            failWith(db.lastError(), curvesFile);

        QSqlQuery q(db);
        // A hot journal left by a killed program is rolled back by the first read,
        // before quick_check looks at the pages.
        exec(q, QStringLiteral("PRAGMA main.synchronous = FULL"), curvesFile);
        checkIntegrity(q, QStringLiteral("main"), curvesFile);
        if (tableExists(q, QStringLiteral("main"), QStringLiteral("CurvedLines"), curvesFile))
            checkColumns(q, QStringLiteral("main"), QStringLiteral("CurvedLines"),
                { QStringLiteral("Type"), QStringLiteral("FunctionX"), QStringLiteral("FunctionY"),
                    QStringLiteral("FunctionZ"), QStringLiteral("Comment") },
                curvesFile);
        else
            createTable(q, QStringLiteral("main"), false, curvesFile);

        attach(q, typesFile, false);
        const QString schema = QString::fromLatin1(CLTypesSchema);
        exec(q, QStringLiteral("PRAGMA %1.synchronous = FULL").arg(schema), typesFile);
        checkIntegrity(q, schema, typesFile);
        if (tableExists(q, schema, QStringLiteral("CLTypes"), typesFile)) {
            checkColumns(q, schema, QStringLiteral("CLTypes"),
                { QStringLiteral("Type"), QStringLiteral("TypeName"),
                    QStringLiteral("TypeVariables") },
                typesFile);
            addMissingTypes(q, typesFile);
        } else
            createTable(q, schema, true, typesFile);
        removeLitter(q, curvesFile, typesFile);
        // The program only reads CLTypes.DB. Attached read-only, it takes no part in
        // the library's write transactions: a post locks and journals CurvedLines.db
        // alone, and its commit needs no super-journal.
        exec(q, QStringLiteral("DETACH DATABASE %1").arg(schema), typesFile);
        attach(q, typesFile, true);
        return db;
    } catch (...) {
        CloseLibraryDatabase(connectionName);
        throw;
    }
}

void CloseLibraryDatabase(const QString& connectionName) noexcept
{
    try {
        if (!QSqlDatabase::contains(connectionName))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connectionName);
    } catch (...) {
    }
}

QString SetLibraryFileAside(const QString& fileName)
{
    QString target = fileName + QStringLiteral(".bozuk");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = fileName + QStringLiteral(".bozuk%1").arg(n);
    if (!QFile::rename(fileName, target))
        throw ECurveTableError(
            QCoreApplication::translate("TLibraryFiles", "Bozuk dosya kenara alınamadı: %1")
                .arg(QDir::toNativeSeparators(fileName)),
            lfUnreadable, fileName);
    // A journal left beside the faulty file belongs to it and must not be played
    // into the new one.
    for (const char* suffix : { "-journal", "-wal", "-shm" }) {
        const QString side = fileName + QLatin1String(suffix);
        if (QFileInfo::exists(side))
            QFile::rename(side, target + QLatin1String(suffix));
    }
    return target;
}
