#pragma once

#include "ui/library/curve_table.h"
#include "ui/library/library_prompts.h"
#include "ui/platform/error_report.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A connection of the test's own to a library file, outside the table layer.
class TRawConnection {
public:
    explicit TRawConnection(const QString& file, const QString& name = QStringLiteral("raw"))
        : FName(name)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FName);
        db.setDatabaseName(file);
        db.open();
    }
    ~TRawConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(FName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(FName);
    }
    QSqlDatabase Db() const { return QSqlDatabase::database(FName, false); }
    // Runs sql; the error text, empty on success.
    QString Exec(const QString& sql) const
    {
        QSqlQuery q(Db());
        return q.exec(sql) ? QString() : q.lastError().databaseText();
    }
    // The first column of every row of sql.
    QStringList Column(const QString& sql) const
    {
        QSqlQuery q(Db());
        QStringList values;
        if (!q.exec(sql))
            return { QStringLiteral("error: ") + q.lastError().databaseText() };
        while (q.next())
            values.append(q.value(0).toString());
        return values;
    }

private:
    QString FName;
};

inline QString curvesFile(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("CurvedLines.db"));
}
inline QString typesFile(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("CLTypes.DB"));
}

// The rows of CurvedLines.db read straight from the file, as "Type|fx|fy|fz|comment".
inline QStringList storedRows(const QTemporaryDir& dir)
{
    TRawConnection raw(curvesFile(dir), QStringLiteral("rows"));
    return raw.Column(QStringLiteral(
        "SELECT Type || '|' || FunctionX || '|' || FunctionY || '|' || FunctionZ || '|' || Comment "
        "FROM CurvedLines ORDER BY Type, FunctionX, FunctionY, FunctionZ"));
}

inline QByteArray fileBytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline void writeFile(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Posts one new row through the table layer.
inline void postRow(TCurveTable& table, int type, const QString& fx, const QString& fy,
    const QString& fz, const QString& comment = {})
{
    table.Insert();
    table.SetFieldValue(u"Type", type);
    table.SetFieldValue(u"FunctionX", fx);
    table.SetFieldValue(u"FunctionY", fy);
    table.SetFieldValue(u"FunctionZ", fz);
    if (!comment.isEmpty())
        table.SetFieldValue(u"Comment", comment);
    table.Post();
}

// The texts reported through the default error report, and the library's
// messages and questions, answered from a list (OK when it runs out).
struct TRecordedPrompts {
    QStringList Errors;
    QStringList Messages;
    QStringList Questions; // "title: text"
    QList<bool> Answers;
    std::function<void()> BeforeAnswer;

    TScopedErrorSink ErrorSink { [this](const QString& m) { Errors.append(m); } };
    TScopedLibraryPrompts Prompts { TLibraryPrompts {
        [this](QWidget*, const QString& text) { Messages.append(text); },
        [this](QWidget*, const QString& title, const QString& text) {
            Questions.append(title + QStringLiteral(": ") + text);
            if (BeforeAnswer)
                BeforeAnswer();
            return Answers.isEmpty() ? true : Answers.takeFirst();
        } } };
};

// Readable failures: gtest prints QString and QStringList as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << "{ ";
    for (const QString& s : list)
        *os << '"' << s.toStdString() << "\" ";
    *os << '}';
}
