#include "ui/library/curve_table.h"

#include "ui/library/library_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <atomic>

namespace {

constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;

QString newConnectionName()
{
    static std::atomic<int> counter { 0 };
    return QStringLiteral("velmo-library-%1").arg(++counter);
}

// Qt binds a null QString as NULL, which the NOT NULL key columns refuse.
QString notNull(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

// The engine counts characters of UTF-8 text; so does the check before it.
int characterCount(const QString& text) { return static_cast<int>(text.toUcs4().size()); }

[[noreturn]] void failWrite(const QSqlError& error)
{
    QString text = QCoreApplication::translate("TCurveTable", "Kayıt yazılamadı: %1")
                       .arg(EngineMessage(error));
    const int code = EngineCode(error);
    if (code == sqliteBusy || code == sqliteLocked)
        text += QCoreApplication::translate("TCurveTable",
            "\nKütüphane başka bir pencerede ya da programda yazılıyor; "
            "biraz sonra yeniden deneyin.");
    throw ECurveTableError(text);
}

[[noreturn]] void failRead(const QSqlError& error)
{
    throw ECurveTableError(
        QCoreApplication::translate("TCurveTable", "Eğri kütüphanesi okunamadı: %1")
            .arg(EngineMessage(error)));
}

// One write to the library: BEGIN IMMEDIATE takes the write lock at once (or gives
// up after the busy timeout), and anything short of a successful Commit rolls back.
class TWriteTransaction {
public:
    explicit TWriteTransaction(QSqlDatabase db)
        : FQuery(db)
    {
        if (!FQuery.exec(QStringLiteral("BEGIN IMMEDIATE")))
            failWrite(FQuery.lastError());
        FOpen = true;
    }
    ~TWriteTransaction()
    {
        if (FOpen)
            FQuery.exec(QStringLiteral("ROLLBACK"));
    }
    TWriteTransaction(const TWriteTransaction&) = delete;
    TWriteTransaction& operator=(const TWriteTransaction&) = delete;

    void Commit()
    {
        if (!FQuery.exec(QStringLiteral("COMMIT")))
            failWrite(FQuery.lastError()); // still open: the destructor rolls back
        FOpen = false;
    }

private:
    QSqlQuery FQuery;
    bool FOpen = false;
};

void bindKey(QSqlQuery& q, const TCurveKey& key)
{
    q.addBindValue(key.Type);
    q.addBindValue(notNull(key.FunctionX));
    q.addBindValue(notNull(key.FunctionY));
    q.addBindValue(notNull(key.FunctionZ));
}

} // namespace

TCurveKey KeyOf(const TCurveRow& row)
{
    return { row.Type.value_or(0), row.FunctionX, row.FunctionY, row.FunctionZ };
}

int TCurveTable::CompareKeys(const TCurveKey& a, const TCurveKey& b)
{
    if (a.Type != b.Type)
        return a.Type < b.Type ? -1 : 1;
    // The engine orders texts by their UTF-8 bytes.
    for (auto [x, y] : { std::pair { &a.FunctionX, &b.FunctionX },
             std::pair { &a.FunctionY, &b.FunctionY }, std::pair { &a.FunctionZ, &b.FunctionZ } }) {
        const int c = x->toUtf8().compare(y->toUtf8());
        if (c != 0)
            return c < 0 ? -1 : 1;
    }
    return 0;
}

TCurveTable::TCurveTable(QString folder, QObject* parent)
    : QObject(parent)
    , FFolder(std::move(folder))
    , FConnectionName(newConnectionName())
{
}

TCurveTable::~TCurveTable() { CloseConnection(); }

QString TCurveTable::Folder() const { return FFolder.isEmpty() ? QDir::currentPath() : FFolder; }

void TCurveTable::Open()
{
    if (Active())
        return;
    OpenLibraryDatabase(FConnectionName, Folder(), FBusyTimeout);
    try {
        ReadTypes();
        ReadRows(std::nullopt);
    } catch (...) {
        CloseConnection();
        FRows.clear();
        FRecNo = -1;
        throw;
    }
    FModified = false;
    SetState(dsBrowse);
    emit DataChange(-1);
    emit AfterScroll();
}

void TCurveTable::Close()
{
    if (!Active())
        return;
    CloseConnection();
    FRows.clear();
    FTypes.clear();
    FRecNo = -1;
    FModified = false;
    SetState(dsInactive);
    emit DataChange(-1);
    emit AfterScroll();
}

void TCurveTable::CloseConnection() noexcept
{
    CloseLibraryDatabase(FConnectionName);
    FState = dsInactive;
}

void TCurveTable::Refresh()
{
    CheckActive();
    CheckBrowseMode();
    ReadTypes();
    ReadRows(CurrentKey());
    emit DataChange(-1);
    emit AfterScroll();
}

void TCurveTable::CheckActive() const
{
    if (!Active())
        throw ECurveTableError(
            QCoreApplication::translate("TCurveTable", "Eğri kütüphanesi açık değil."));
}

void TCurveTable::SetState(TDataSetState state)
{
    if (FState == state)
        return;
    FState = state;
    emit StateChange();
}

std::optional<TCurveKey> TCurveTable::CurrentKey() const
{
    if (FRecNo < 0)
        return std::nullopt;
    return KeyOf(FRows[FRecNo]);
}

void TCurveTable::ReadTypes()
{
    QSqlQuery q(QSqlDatabase::database(FConnectionName, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Type, TypeName, TypeVariables FROM %1.CLTypes ORDER BY Type")
                    .arg(QLatin1String(CLTypesSchema))))
        failRead(q.lastError());
    QList<TCurveTypeName> types;
    while (q.next())
        types.append({ q.value(0).toInt(), q.value(1).toString(), q.value(2).toString() });
    if (q.lastError().isValid())
        failRead(q.lastError());
    FTypes = std::move(types);
}

void TCurveTable::ReadRows(const std::optional<TCurveKey>& key)
{
    QSqlQuery q(QSqlDatabase::database(FConnectionName, false));
    q.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT Type, FunctionX, FunctionY, FunctionZ, Comment "
                                 "FROM CurvedLines");
    if (FRange)
        sql += QStringLiteral(" WHERE Type BETWEEN ? AND ?");
    sql += QStringLiteral(" ORDER BY Type, FunctionX, FunctionY, FunctionZ");
    if (!q.prepare(sql))
        failRead(q.lastError());
    if (FRange) {
        q.addBindValue(FRange->first);
        q.addBindValue(FRange->second);
    }
    if (!q.exec())
        failRead(q.lastError());
    QList<TCurveRow> rows;
    while (q.next())
        rows.append({ q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(),
            q.value(3).toString(), q.value(4).toString() });
    if (q.lastError().isValid())
        failRead(q.lastError());
    // The whole range is in memory: no statement holds a read lock on the file.
    q.finish();

    FRows = std::move(rows);
    FRecNo = FRows.isEmpty() ? -1 : 0;
    if (key && !FRows.isEmpty()) {
        const auto at = std::lower_bound(
            FRows.cbegin(), FRows.cend(), *key, [](const TCurveRow& row, const TCurveKey& k) {
                return CompareKeys(KeyOf(row), k) < 0;
            });
        FRecNo = at == FRows.cend() ? static_cast<int>(FRows.size()) - 1
                                    : static_cast<int>(at - FRows.cbegin());
    }
}

void TCurveTable::MoveTo(int index)
{
    CheckActive();
    if (FRows.isEmpty())
        return;
    index = std::clamp(index, 0, static_cast<int>(FRows.size()) - 1);
    if (index == FRecNo)
        return;
    if (FState == dsEdit || FState == dsInsert) {
        // The post re-reads the rows in key order, where the row asked for may
        // stand elsewhere: it is found again by its key.
        const TCurveKey target = KeyOf(FRows[index]);
        Post();
        for (index = 0; index < static_cast<int>(FRows.size()); ++index)
            if (CompareKeys(KeyOf(FRows[index]), target) == 0)
                break;
        if (index == static_cast<int>(FRows.size()) || index == FRecNo)
            return;
    }
    FRecNo = index;
    emit AfterScroll();
}

// The navigator's moves post first and then move from where the posted row stands.
void TCurveTable::First()
{
    CheckBrowseMode();
    MoveTo(0);
}

void TCurveTable::Prior()
{
    CheckBrowseMode();
    MoveTo(FRecNo - 1);
}

void TCurveTable::Next()
{
    CheckBrowseMode();
    MoveTo(FRecNo + 1);
}

void TCurveTable::Last()
{
    CheckBrowseMode();
    MoveTo(static_cast<int>(FRows.size()) - 1);
}

void TCurveTable::Insert()
{
    CheckActive();
    CheckBrowseMode();
    const int at = std::max(FRecNo, 0);
    FRows.insert(at,
        TCurveRow { std::nullopt, QStringLiteral(""), QStringLiteral(""), QStringLiteral(""),
            QStringLiteral("") });
    FRecNo = at;
    FModified = false;
    SetState(dsInsert);
    emit DataChange(-1);
    emit AfterScroll();
}

void TCurveTable::Edit()
{
    CheckActive();
    if (FState == dsEdit || FState == dsInsert)
        return;
    if (FRecNo < 0) {
        Insert();
        return;
    }
    FOriginal = FRows[FRecNo];
    FModified = false;
    SetState(dsEdit);
    emit DataChange(FRecNo);
}

void TCurveTable::CheckRow(const TCurveRow& row) const
{
    if (!row.Type)
        throw ECurveTableError(
            QCoreApplication::translate("TCurveTable", "Eğri Türü alanına bir değer girilmeli."),
            lfInput);
    const struct {
        const QString* Text;
        const char* Label;
        int Size;
    } fields[] = {
        { &row.FunctionX, "FunctionX", FormulaSize },
        { &row.FunctionY, "FunctionY", FormulaSize },
        { &row.FunctionZ, "FunctionZ", FormulaSize },
        { &row.Comment, QT_TRANSLATE_NOOP("TCurveTable", "Açıklama"), CommentSize },
    };
    for (const auto& f : fields) {
        const int length = characterCount(*f.Text);
        if (length > f.Size)
            throw ECurveTableError(QCoreApplication::translate("TCurveTable",
                                       "%1 alanına en çok %2 karakter yazılabilir; "
                                       "yazılan metin %3 karakter. Metni kısaltıp "
                                       "yeniden kaydedin.")
                                       .arg(QCoreApplication::translate("TCurveTable", f.Label))
                                       .arg(f.Size)
                                       .arg(length),
                lfInput);
    }
}

void TCurveTable::Post()
{
    CheckActive();
    if (FState != dsEdit && FState != dsInsert)
        return;
    const TCurveRow row = FRows[FRecNo];
    CheckRow(row);
    if (FState == dsEdit && !FModified) {
        // Nothing to write; leaving edit state is all there is.
        SetState(dsBrowse);
        emit DataChange(FRecNo);
        return;
    }

    QSqlDatabase db = QSqlDatabase::database(FConnectionName, false);
    {
        TWriteTransaction transaction(db);
        QSqlQuery q(db);
        if (FState == dsInsert) {
            if (!q.prepare(QStringLiteral("INSERT INTO CurvedLines "
                                          "(Type, FunctionX, FunctionY, FunctionZ, Comment) "
                                          "VALUES (?, ?, ?, ?, ?)")))
                failWrite(q.lastError());
            bindKey(q, KeyOf(row));
            q.addBindValue(notNull(row.Comment));
        } else {
            if (!q.prepare(QStringLiteral(
                    "UPDATE CurvedLines SET Type = ?, FunctionX = ?, FunctionY = ?, FunctionZ = ?, "
                    "Comment = ? WHERE Type = ? AND FunctionX = ? AND FunctionY = ? AND FunctionZ "
                    "= ?")))
                failWrite(q.lastError());
            bindKey(q, KeyOf(row));
            q.addBindValue(notNull(row.Comment));
            bindKey(q, KeyOf(FOriginal));
        }
        if (!q.exec())
            failWrite(q.lastError());
        if (q.numRowsAffected() != 1)
            throw ECurveTableError(QCoreApplication::translate("TCurveTable",
                "Kayıt yazılamadı: kayıt bu arada başka bir "
                "pencerede değiştirilmiş ya da silinmiş."));
        q.finish();
        transaction.Commit();
    }

    FModified = false;
    SetState(dsBrowse);
    ReadRows(KeyOf(row));
    emit DataChange(-1);
    emit AfterScroll();
}

void TCurveTable::Cancel()
{
    if (FState == dsInsert) {
        FRows.removeAt(FRecNo);
        FRecNo = std::min(FRecNo, static_cast<int>(FRows.size()) - 1);
        FModified = false;
        SetState(dsBrowse);
        emit DataChange(-1);
        emit AfterScroll();
    } else if (FState == dsEdit) {
        FRows[FRecNo] = FOriginal;
        FModified = false;
        SetState(dsBrowse);
        emit DataChange(FRecNo);
    }
}

void TCurveTable::Delete()
{
    CheckActive();
    if (FState == dsInsert) {
        Cancel();
        return;
    }
    Cancel();
    if (FRecNo < 0)
        return;
    const TCurveKey key = KeyOf(FRows[FRecNo]);
    const int at = FRecNo;
    QSqlDatabase db = QSqlDatabase::database(FConnectionName, false);
    {
        TWriteTransaction transaction(db);
        QSqlQuery q(db);
        if (!q.prepare(QStringLiteral("DELETE FROM CurvedLines WHERE Type = ? AND FunctionX = ? "
                                      "AND FunctionY = ? AND FunctionZ = ?")))
            failWrite(q.lastError());
        bindKey(q, key);
        if (!q.exec())
            failWrite(q.lastError());
        q.finish();
        transaction.Commit();
    }
    ReadRows(std::nullopt);
    FRecNo = std::min(at, static_cast<int>(FRows.size()) - 1);
    emit DataChange(-1);
    emit AfterScroll();
}

void TCurveTable::CheckBrowseMode()
{
    if (FState == dsEdit || FState == dsInsert)
        Post();
}

TCurveTable::TField TCurveTable::FieldIndex(QStringView name)
{
    static const QString names[]
        = { QStringLiteral("Type"), QStringLiteral("FunctionX"), QStringLiteral("FunctionY"),
              QStringLiteral("FunctionZ"), QStringLiteral("Comment"), QStringLiteral("aaaa") };
    for (int i = 0; i < 6; ++i)
        if (name.compare(names[i], Qt::CaseInsensitive) == 0)
            return static_cast<TField>(i);
    throw ECurveTableError(
        QCoreApplication::translate("TCurveTable", "%1 alanı bulunamadı.").arg(name));
}

QVariant TCurveTable::FieldValue(QStringView name) const
{
    const TField field = FieldIndex(name);
    if (FRecNo < 0)
        return {};
    const TCurveRow& row = FRows[FRecNo];
    switch (field) {
    case fType:
        return row.Type ? QVariant(*row.Type) : QVariant();
    case fFunctionX:
        return row.FunctionX;
    case fFunctionY:
        return row.FunctionY;
    case fFunctionZ:
        return row.FunctionZ;
    case fComment:
        return row.Comment;
    case fLookup:
        return LookupTypeName(row.Type);
    }
    return {};
}

int TCurveTable::FieldAsInteger(QStringView name) const { return FieldValue(name).toInt(); }

QString TCurveTable::FieldAsString(QStringView name) const
{
    const QVariant value = FieldValue(name);
    return value.isNull() ? QString() : value.toString();
}

void TCurveTable::SetFieldValue(QStringView name, const QVariant& value)
{
    const TField field = FieldIndex(name);
    if (FState != dsEdit && FState != dsInsert)
        throw ECurveTableError(QCoreApplication::translate("TCurveTable",
            "Kayıt düzenlenmiyor: önce Kayıt ekle ya da "
            "düzenlemeye başlayın."));
    if (field == fLookup)
        throw ECurveTableError(
            QCoreApplication::translate("TCurveTable", "Eğri Türü alanı Type alanından okunur."));
    TCurveRow& row = FRows[FRecNo];
    if (field == fType) {
        std::optional<int> type;
        if (!value.isNull()) {
            bool ok = false;
            const int v = value.toInt(&ok);
            if (!ok || v < -32768 || v > 32767)
                throw ECurveTableError(
                    QCoreApplication::translate("TCurveTable", "'%1' geçerli bir tür değil.")
                        .arg(value.toString()),
                    lfInput);
            type = v;
        }
        if (type == row.Type)
            return;
        row.Type = type;
        FModified = true;
        emit DataChange(FRecNo);
        emit TypeChange();
        return;
    }
    QString* text = field == fFunctionX ? &row.FunctionX
        : field == fFunctionY           ? &row.FunctionY
        : field == fFunctionZ           ? &row.FunctionZ
                                        : &row.Comment;
    const QString newText = notNull(value.toString());
    if (newText == *text)
        return;
    *text = newText;
    FModified = true;
    emit DataChange(FRecNo);
}

bool TCurveTable::FindKey(const TCurveKey& key)
{
    CheckActive();
    CheckBrowseMode();
    for (int i = 0; i < static_cast<int>(FRows.size()); ++i)
        if (CompareKeys(KeyOf(FRows[i]), key) == 0) {
            MoveTo(i);
            return true;
        }
    return false;
}

void TCurveTable::FindNearest(const TCurveKey& key)
{
    CheckActive();
    CheckBrowseMode();
    if (FRows.isEmpty())
        return;
    const auto at = std::lower_bound(FRows.cbegin(), FRows.cend(), key,
        [](const TCurveRow& row, const TCurveKey& k) { return CompareKeys(KeyOf(row), k) < 0; });
    MoveTo(at == FRows.cend() ? static_cast<int>(FRows.size()) - 1
                              : static_cast<int>(at - FRows.cbegin()));
}

void TCurveTable::SetRange(int low, int high)
{
    CheckActive();
    CheckBrowseMode();
    FRange = std::pair { low, high };
    ReadRows(std::nullopt);
    emit DataChange(-1);
    emit AfterScroll();
}

void TCurveTable::CancelRange()
{
    CheckActive();
    CheckBrowseMode();
    FRange.reset();
    ReadRows(CurrentKey());
    emit DataChange(-1);
    emit AfterScroll();
}

QString TCurveTable::LookupTypeName(std::optional<int> type) const
{
    if (!type)
        return {};
    for (const TCurveTypeName& t : FTypes)
        if (t.Type == *type)
            return t.TypeName;
    return {};
}
