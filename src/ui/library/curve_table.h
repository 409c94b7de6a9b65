#pragma once

#include "ui/library/library_error.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

enum TDataSetState : std::uint8_t { dsInactive, dsBrowse, dsEdit, dsInsert };

// The primary key of a stored curve, in the order the table is sorted by.
struct TCurveKey {
    int Type = 0;
    QString FunctionX;
    QString FunctionY;
    QString FunctionZ;
};

// One row of CurvedLines.db; Type is empty only in a row being inserted.
struct TCurveRow {
    std::optional<int> Type;
    QString FunctionX;
    QString FunctionY;
    QString FunctionZ;
    QString Comment;
};

// One row of CLTypes.DB.
struct TCurveTypeName {
    int Type = 0;
    QString TypeName;
    QString TypeVariables;
};

// The stored curves of the library, as one window sees them: the rows of the
// current range in key order, read in full and held in memory, one current row,
// and at most one row being edited or inserted in place. Every table object has a
// database connection of its own. A post writes the edited row in one checked
// transaction; when it fails nothing is written and the row stays as the user
// left it, still in edit or insert state. Moving, refreshing and changing the
// range post a pending edit first and stop when that post fails.
//
// Fields by name, without regard to case: Type, FunctionX, FunctionY, FunctionZ,
// Comment and the read-only lookup field aaaa (the TypeName of the row's type).
class TCurveTable : public QObject {
    Q_OBJECT

public:
    static constexpr int FormulaSize = 100; // characters of FunctionX, FunctionY, FunctionZ
    static constexpr int CommentSize = 200;
    static constexpr int TypeNameSize = 30;
    static constexpr int DefaultBusyTimeout = 3000; // ms a write waits for another's lock

    // An empty folder stands for the current directory at the time of Open.
    explicit TCurveTable(QString folder = {}, QObject* parent = nullptr);
    ~TCurveTable() override;

    QString Folder() const;
    const QString& ConnectionName() const { return FConnectionName; }
    int BusyTimeout() const { return FBusyTimeout; }
    // Takes effect at the next Open.
    void SetBusyTimeout(int milliseconds) { FBusyTimeout = milliseconds; }

    // Opens or creates the two files and reads both tables; raises ECurveTableError
    // (lfUnreadable or lfCorrupt naming the file, lfEngine otherwise) and stays closed.
    void Open();
    // Drops an unposted edit: callers that must keep it post first.
    void Close();
    bool Active() const { return FState != dsInactive; }
    // Posts a pending edit, then re-reads both tables and stays on the current key
    // (or the nearest row when it is gone).
    void Refresh();

    TDataSetState State() const { return FState; }
    // True in edit or insert state once a field has been set.
    bool Modified() const { return FModified; }

    // Rows in grid order, the row being inserted included.
    int RecordCount() const { return static_cast<int>(FRows.size()); }
    const TCurveRow& Rows(int index) const { return FRows.at(index); }
    // The current row, -1 when there is none.
    int RecNo() const { return FRecNo; }
    bool IsEmpty() const { return FRows.isEmpty(); }

    void First();
    void Prior();
    void Next();
    void Last();
    void MoveTo(int index);

    // A blank row before the current one.
    void Insert();
    // Edit state on the current row (insert state on an empty table).
    void Edit();
    // Raises ECurveTableError lfInput for a missing Type or a text longer than
    // its field (nothing written), lfEngine with the engine's message otherwise.
    void Post();
    void Cancel();
    void Delete();
    // Posts when a row is being edited or inserted.
    void CheckBrowseMode();

    // The value of a field of the current row; null without a current row.
    // Raises for an unknown name.
    QVariant FieldValue(QStringView name) const;
    int FieldAsInteger(QStringView name) const;
    QString FieldAsString(QStringView name) const;
    // Sets a field of the row being edited or inserted (raises in browse state).
    // A new value of Type is followed by TypeChange.
    void SetFieldValue(QStringView name, const QVariant& value);

    // Moves to the row with exactly this key; false (and no move) when there is none.
    bool FindKey(const TCurveKey& key);
    // Moves to the first row whose key is not below key, or to the last row.
    void FindNearest(const TCurveKey& key);
    // Shows only the rows whose Type lies in low..high, from the first of them.
    void SetRange(int low, int high);
    void CancelRange();

    const QList<TCurveTypeName>& Types() const { return FTypes; }
    // The TypeName of a type, empty for a type CLTypes.DB does not name.
    QString LookupTypeName(std::optional<int> type) const;

    // The key order of the table (the order of its primary index).
    static int CompareKeys(const TCurveKey& a, const TCurveKey& b);

signals:
    void StateChange();
    // After every move to another row (and after Open, Refresh, a post or a cancel
    // of an insert, which may change what the current row is).
    void AfterScroll();
    // After Type of the edited row took a new value.
    void TypeChange();
    // Row row shows new values; -1 for rows added, removed or re-read.
    void DataChange(int row);

private:
    enum TField { fType, fFunctionX, fFunctionY, fFunctionZ, fComment, fLookup };
    static TField FieldIndex(QStringView name);

    void CheckActive() const;
    void CheckRow(const TCurveRow& row) const;
    void ReadTypes();
    // Re-reads the rows of the range and moves to key (nearest), or to the first row.
    void ReadRows(const std::optional<TCurveKey>& key);
    void SetState(TDataSetState state);
    void CloseConnection() noexcept;
    std::optional<TCurveKey> CurrentKey() const;

    QString FFolder;
    QString FConnectionName;
    int FBusyTimeout = DefaultBusyTimeout;
    TDataSetState FState = dsInactive;
    bool FModified = false;
    QList<TCurveRow> FRows;
    int FRecNo = -1;
    TCurveRow FOriginal; // the current row as stored, while it is edited
    std::optional<std::pair<int, int>> FRange;
    QList<TCurveTypeName> FTypes;
};

// The key of a row (Type read as 0 when empty).
TCurveKey KeyOf(const TCurveRow& row);
