#include "curves/curve_types.h"
#include "library_test_support.h"
#include "ui/library/library_files.h"

#include <QFileInfo>

#include <algorithm>
#include <tuple>

TEST(LibraryFiles, CreatedOnFirstUseWithTheirConstraints)
{
    QTemporaryDir dir;
    {
        TCurveTable table(dir.path());
        table.Open();
        EXPECT_EQ(table.State(), dsBrowse);
        EXPECT_TRUE(table.IsEmpty());
        ASSERT_EQ(static_cast<int>(table.Types().size()), CurveTypeCount);
        for (int t = 0; t < CurveTypeCount; ++t) {
            EXPECT_EQ(table.Types()[t].Type, t);
            EXPECT_FALSE(table.Types()[t].TypeName.isEmpty());
            EXPECT_LE(table.Types()[t].TypeName.size(), TCurveTable::TypeNameSize);
            EXPECT_LE(table.Types()[t].TypeVariables.size(), TCurveTable::TypeNameSize);
        }
        EXPECT_EQ(table.LookupTypeName(5), QStringLiteral("Kutupsal Koordinat Eğrisi"));
        EXPECT_EQ(table.LookupTypeName(8), QStringLiteral("Parametrik Yüzey"));
        EXPECT_EQ(table.LookupTypeName(9), QString());
    }
    ASSERT_TRUE(QFileInfo(curvesFile(dir)).isFile());
    ASSERT_TRUE(QFileInfo(typesFile(dir)).isFile());

    TRawConnection raw(curvesFile(dir));
    const QString ok;
    EXPECT_EQ(raw.Exec("INSERT INTO CurvedLines VALUES (0, 'X', 'x', '0', '')"), ok);
    EXPECT_EQ(raw.Exec("INSERT INTO CurvedLines VALUES (0, 'X', 'x', '0', 'again')"),
        QStringLiteral("UNIQUE constraint failed: CurvedLines.Type, CurvedLines.FunctionX, "
                       "CurvedLines.FunctionY, CurvedLines.FunctionZ"));
    EXPECT_EQ(raw.Exec("INSERT INTO CurvedLines VALUES (NULL, 'X', 'x*x', '0', '')"),
        QStringLiteral("NOT NULL constraint failed: CurvedLines.Type"));
    EXPECT_EQ(raw.Exec("INSERT INTO CurvedLines VALUES (40000, 'X', 'x*x', '0', '')").left(24),
        QStringLiteral("CHECK constraint failed:"));
    const QString longText(101, QLatin1Char('x'));
    EXPECT_EQ(
        raw.Exec("INSERT INTO CurvedLines VALUES (1, '" + longText + "', '0', 'x', '')").left(24),
        QStringLiteral("CHECK constraint failed:"));
    EXPECT_EQ(
        raw.Exec("INSERT INTO CurvedLines VALUES (1, 'X', '0', 'x', '" + QString(201, 'c') + "')")
            .left(24),
        QStringLiteral("CHECK constraint failed:"));
    EXPECT_EQ(raw.Column("SELECT count(*) FROM CurvedLines"), QStringList { "1" });

    TRawConnection types(typesFile(dir), QStringLiteral("types"));
    EXPECT_EQ(types.Column("SELECT Type FROM CLTypes ORDER BY Type"),
        QStringList({ "0", "1", "2", "3", "4", "5", "6", "7", "8" }));
}

TEST(LibraryFiles, AnOldTypeTableGainsTheNewTypes)
{
    // A type table of the seven types of old, one of them renamed by its user.
    QTemporaryDir dir;
    {
        TCurveTable table(dir.path());
        table.Open();
    }
    {
        TRawConnection types(typesFile(dir), QStringLiteral("types"));
        EXPECT_EQ(types.Exec("DELETE FROM CLTypes WHERE Type >= 7"), QString());
        EXPECT_EQ(types.Exec("UPDATE CLTypes SET TypeName = 'Benim' WHERE Type = 4"), QString());
    }
    TCurveTable table(dir.path());
    table.Open();
    ASSERT_EQ(static_cast<int>(table.Types().size()), CurveTypeCount);
    EXPECT_EQ(table.LookupTypeName(7), QStringLiteral("XYZ Yüzey"));
    EXPECT_EQ(table.LookupTypeName(4), QStringLiteral("Benim"));
}

TEST(CurveTable, KeyOrderSearchesRangesAndFields)
{
    QTemporaryDir dir;
    TCurveTable table(dir.path());
    table.Open();
    const QList<TCurveKey> keys = {
        { 5, "R*cos(a)", "R*sin(a)", "2" },
        { 0, "X", "sin(x)", "0" },
        { 5, "R*cos(a)", "R*sin(a)", "1+cos(a)" },
        { 6, "cos(t)", "sin(t)", "t" },
        { 0, "X", "Sin(x)", "0" },
        { 0, "X", "ğ*x", "0" },
        { 3, "X", "x", "x*x" },
    };
    for (const TCurveKey& k : keys)
        postRow(table, k.Type, k.FunctionX, k.FunctionY, k.FunctionZ);
    ASSERT_EQ(table.RecordCount(), keys.size());

    // The order of the primary index, worked out here on the UTF-8 bytes.
    QList<TCurveKey> sorted = keys;
    std::sort(sorted.begin(), sorted.end(), [](const TCurveKey& a, const TCurveKey& b) {
        return std::tuple(a.Type, a.FunctionX.toUtf8(), a.FunctionY.toUtf8(), a.FunctionZ.toUtf8())
            < std::tuple(b.Type, b.FunctionX.toUtf8(), b.FunctionY.toUtf8(), b.FunctionZ.toUtf8());
    });
    QStringList expected;
    for (const TCurveKey& k : sorted) {
        expected.append(
            QStringLiteral("%1|%2|%3|%4|").arg(k.Type).arg(k.FunctionX, k.FunctionY, k.FunctionZ));
    }
    EXPECT_EQ(storedRows(dir), expected);
    for (int i = 0; i < table.RecordCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(TCurveTable::CompareKeys(KeyOf(table.Rows(i)), sorted[i]), 0);
    }

    EXPECT_TRUE(table.FindKey({ 6, "cos(t)", "sin(t)", "t" }));
    EXPECT_EQ(table.RecNo(), 6);
    EXPECT_EQ(table.FieldAsInteger(u"type"), 6);
    EXPECT_EQ(table.FieldAsString(u"FUNCTIONX"), QStringLiteral("cos(t)"));
    EXPECT_EQ(table.FieldAsString(u"aaaa"), QStringLiteral("Silindirik Koordinat Eğrisi"));
    EXPECT_EQ(table.FieldAsString(u"Comment"), QString());
    EXPECT_FALSE(table.FindKey({ 6, "cos(t)", "sin(t)", "T" }));
    EXPECT_EQ(table.RecNo(), 6);
    EXPECT_THROW(table.FieldValue(u"Renk"), ECurveTableError);

    const struct {
        TCurveKey Key;
        int Row;
    } nearest[] = {
        { { 0, "", "", "" }, 0 },
        { { 0, "X", "sin(x)", "0" }, 1 },
        { { 1, "", "", "" }, 3 },
        { { 5, "R*cos(a)", "R*sin(a)", "1" }, 4 },
        { { 9, "", "", "" }, 6 },
    };
    for (const auto& n : nearest) {
        SCOPED_TRACE(n.Row);
        table.FindNearest(n.Key);
        EXPECT_EQ(table.RecNo(), n.Row);
    }

    table.SetRange(5, 5);
    ASSERT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.RecNo(), 0);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(table.Rows(i).Type, 5);
    table.FindNearest({ 0, "", "", "" });
    EXPECT_EQ(table.RecNo(), 0);
    table.SetRange(0, 8);
    EXPECT_EQ(table.RecordCount(), 7);
    table.SetRange(1, 2);
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(table.RecNo(), -1);
    EXPECT_TRUE(table.FieldValue(u"Type").isNull());
    table.CancelRange();
    EXPECT_EQ(table.RecordCount(), 7);
}

TEST(CurveTable, EditsCancelsAndDeletes)
{
    QTemporaryDir dir;
    TCurveTable table(dir.path());
    table.Open();
    postRow(table, 0, "X", "x", "0");
    postRow(table, 0, "X", "x*x", "0", "parabol");

    table.FindKey({ 0, "X", "x", "0" });
    table.Edit();
    EXPECT_EQ(table.State(), dsEdit);
    EXPECT_FALSE(table.Modified());
    EXPECT_THROW(table.SetFieldValue(u"aaaa", "ad"), ECurveTableError);
    table.SetFieldValue(u"Comment", QStringLiteral("doğru"));
    EXPECT_TRUE(table.Modified());
    table.Cancel();
    EXPECT_EQ(table.State(), dsBrowse);
    EXPECT_EQ(table.FieldAsString(u"Comment"), QString());

    // Changing a key field moves the row to its new place in the order.
    table.Edit();
    table.SetFieldValue(u"FunctionY", QStringLiteral("x*x*x"));
    table.Post();
    EXPECT_EQ(table.FieldAsString(u"FunctionY"), QStringLiteral("x*x*x"));
    EXPECT_EQ(table.RecNo(), 1);
    EXPECT_EQ(storedRows(dir), QStringList({ "0|X|x*x|0|parabol", "0|X|x*x*x|0|" }));

    table.Insert();
    EXPECT_EQ(table.RecordCount(), 3);
    EXPECT_EQ(table.State(), dsInsert);
    EXPECT_THROW(table.SetFieldValue(u"Type", QStringLiteral("beş")), ECurveTableError);
    table.Cancel();
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.RecNo(), 1);

    table.First();
    table.Delete();
    EXPECT_EQ(storedRows(dir), QStringList({ "0|X|x*x*x|0|" }));
    EXPECT_EQ(table.RecNo(), 0);
    EXPECT_THROW(table.SetFieldValue(u"Comment", "no edit"), ECurveTableError);
}

TEST(CurveTable, OverlongTextsAndMissingTypeAreRefusedNotCut)
{
    QTemporaryDir dir;
    TCurveTable table(dir.path());
    table.Open();
    const QString fits = QString(99, QLatin1Char('x')) + QStringLiteral("ğ");
    postRow(
        table, 3, QStringLiteral("X"), fits, QStringLiteral("x"), QString(200, QLatin1Char('c')));
    EXPECT_EQ(storedRows(dir),
        QStringList { QStringLiteral("3|X|%1|x|%2").arg(fits, QString(200, QLatin1Char('c'))) });

    const struct {
        const char16_t* Field;
        QString Text;
        QString Message;
    } rows[] = {
        { u"FunctionX", QString(101, 'x'),
            QStringLiteral("FunctionX alanına en çok 100 karakter yazılabilir; yazılan metin 101 "
                           "karakter. Metni kısaltıp yeniden kaydedin.") },
        { u"FunctionZ", QString(100, QChar(0x011F)) + QStringLiteral("+1"),
            QStringLiteral("FunctionZ alanına en çok 100 karakter yazılabilir; yazılan metin 102 "
                           "karakter. Metni kısaltıp yeniden kaydedin.") },
        { u"Comment", QString(201, 'c'),
            QStringLiteral("Açıklama alanına en çok 200 karakter yazılabilir; yazılan metin 201 "
                           "karakter. Metni kısaltıp yeniden kaydedin.") },
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(QString::fromUtf16(r.Field).toStdString());
        table.Insert();
        table.SetFieldValue(u"Type", 4);
        table.SetFieldValue(r.Field, r.Text);
        try {
            table.Post();
            ADD_FAILURE() << "posted";
        } catch (const ECurveTableError& e) {
            EXPECT_EQ(QString::fromStdString(e.Message()), r.Message);
            EXPECT_EQ(e.Fault(), lfInput);
        }
        EXPECT_EQ(table.State(), dsInsert);
        EXPECT_EQ(table.FieldAsString(r.Field), r.Text);
        table.Cancel();
    }
    table.Insert();
    table.SetFieldValue(u"FunctionX", QStringLiteral("cos(a)"));
    try {
        table.Post();
        ADD_FAILURE() << "posted";
    } catch (const ECurveTableError& e) {
        EXPECT_EQ(QString::fromStdString(e.Message()),
            QStringLiteral("Eğri Türü alanına bir değer girilmeli."));
    }
    table.Cancel();
    EXPECT_EQ(storedRows(dir).size(), 1);
}

// Every failure of a post: the engine's message, the user's row untouched in
// edit or insert state, nothing written; once the cause is gone the same row posts.
TEST(CurveTable, FailedPostKeepsTheEditAndWritesNothing)
{
    const struct {
        const char* Name;
        QString Message;
        // Sets the failure up for the table; returns the cure.
        std::function<std::function<void()>(TCurveTable&, const QTemporaryDir&)> Arrange;
    } cases[] = {
        { "key violation",
            QStringLiteral("Kayıt yazılamadı: UNIQUE constraint failed: CurvedLines.Type, "
                           "CurvedLines.FunctionX, CurvedLines.FunctionY, CurvedLines.FunctionZ"),
            [](TCurveTable& table, const QTemporaryDir&) -> std::function<void()> {
                table.FindKey({ 0, "X", "x*x", "0" });
                table.Edit();
                table.SetFieldValue(u"FunctionY", QStringLiteral("x"));
                table.SetFieldValue(u"Comment", QStringLiteral("yeni"));
                return [&table] { table.SetFieldValue(u"FunctionY", QStringLiteral("2*x")); };
            } },
        { "locked by another connection",
            QStringLiteral(
                "Kayıt yazılamadı: database is locked\nKütüphane başka bir pencerede ya da "
                "programda yazılıyor; biraz sonra yeniden deneyin."),
            [](TCurveTable& table, const QTemporaryDir& dir) -> std::function<void()> {
                auto other = std::make_shared<TRawConnection>(curvesFile(dir), "other");
                EXPECT_EQ(other->Exec("BEGIN IMMEDIATE"), QString());
                table.Insert();
                table.SetFieldValue(u"Type", 1);
                table.SetFieldValue(u"FunctionX", QStringLiteral("X"));
                table.SetFieldValue(u"FunctionY", QStringLiteral("0"));
                table.SetFieldValue(u"FunctionZ", QStringLiteral("x*x"));
                return [other]() mutable {
                    EXPECT_EQ(other->Exec("ROLLBACK"), QString());
                    other.reset();
                };
            } },
        { "read-only database",
            QStringLiteral("Kayıt yazılamadı: attempt to write a readonly database"),
            [](TCurveTable& table, const QTemporaryDir&) -> std::function<void()> {
                QSqlQuery(QSqlDatabase::database(table.ConnectionName()))
                    .exec(QStringLiteral("PRAGMA query_only = 1"));
                table.Insert();
                table.SetFieldValue(u"Type", 2);
                table.SetFieldValue(u"FunctionX", QStringLiteral("0"));
                table.SetFieldValue(u"FunctionY", QStringLiteral("Y"));
                table.SetFieldValue(u"FunctionZ", QStringLiteral("y"));
                return [&table] {
                    QSqlQuery(QSqlDatabase::database(table.ConnectionName()))
                        .exec(QStringLiteral("PRAGMA query_only = 0"));
                };
            } },
        { "full disk", QStringLiteral("Kayıt yazılamadı: database or disk is full"),
            [](TCurveTable& table, const QTemporaryDir&) -> std::function<void()> {
                // The engine's page limit stands for the disk: no page can be added.
                QSqlQuery q(QSqlDatabase::database(table.ConnectionName()));
                q.exec(QStringLiteral("PRAGMA page_count"));
                q.next();
                const int pages = q.value(0).toInt();
                q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
                q.finish(); // an unfinished statement would hold a read lock
                table.Insert();
                table.SetFieldValue(u"Type", 4);
                for (const char16_t* f : { u"FunctionX", u"FunctionY", u"FunctionZ" })
                    table.SetFieldValue(f, QString(100, QLatin1Char('a')));
                table.SetFieldValue(u"Comment", QString(200, QLatin1Char('c')));
                // Fill the last page with rows of the test's own first.
                TRawConnection filler(table.Folder() + QStringLiteral("/CurvedLines.db"), "filler");
                filler.Exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
                for (int i = 0; i < 40; ++i)
                    filler.Exec(
                        QStringLiteral("INSERT INTO CurvedLines VALUES (6, 'f%1', '', '', '%2')")
                            .arg(i)
                            .arg(QString(150, QLatin1Char('z'))));
                return [&table] {
                    QSqlQuery(QSqlDatabase::database(table.ConnectionName()))
                        .exec(QStringLiteral("PRAGMA max_page_count = 100000"));
                };
            } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir dir;
        TCurveTable table(dir.path());
        table.SetBusyTimeout(200);
        table.Open();
        postRow(table, 0, "X", "x", "0");
        postRow(table, 0, "X", "x*x", "0");
        const auto cure = c.Arrange(table, dir);
        const TDataSetState state = table.State();
        const TCurveRow edited = table.Rows(table.RecNo());
        const QStringList before = storedRows(dir);
        try {
            table.Post();
            ADD_FAILURE() << "posted";
        } catch (const ECurveTableError& e) {
            EXPECT_EQ(QString::fromStdString(e.Message()), c.Message);
        }
        EXPECT_EQ(table.State(), state);
        EXPECT_TRUE(table.Modified());
        const TCurveRow& now = table.Rows(table.RecNo());
        EXPECT_EQ(now.Type, edited.Type);
        EXPECT_EQ(now.FunctionX, edited.FunctionX);
        EXPECT_EQ(now.FunctionY, edited.FunctionY);
        EXPECT_EQ(now.FunctionZ, edited.FunctionZ);
        EXPECT_EQ(now.Comment, edited.Comment);
        EXPECT_EQ(storedRows(dir), before);

        cure();
        const TCurveKey key = KeyOf(table.Rows(table.RecNo()));
        ASSERT_NO_THROW(table.Post());
        EXPECT_EQ(table.State(), dsBrowse);
        EXPECT_EQ(TCurveTable::CompareKeys(KeyOf(table.Rows(table.RecNo())), key), 0);
        EXPECT_EQ(storedRows(dir).size(), before.size() + (state == dsInsert ? 1 : 0));
        TRawConnection check(curvesFile(dir), "check");
        EXPECT_EQ(check.Column("PRAGMA integrity_check"), QStringList { "ok" });
    }
}

TEST(CurveTable, MovingRefreshingAndRangesPostFirstAndStopOnFailure)
{
    QTemporaryDir dir;
    TCurveTable table(dir.path());
    table.Open();
    postRow(table, 0, "X", "x", "0");
    postRow(table, 0, "X", "x*x", "0");
    postRow(table, 5, "R*cos(a)", "R*sin(a)", "1");

    // A good edit is posted by the move, and the move still lands on the row asked
    // for even though the edited row took another place.
    table.First();
    table.Edit();
    table.SetFieldValue(u"FunctionY", QStringLiteral("x^3"));
    table.MoveTo(1);
    EXPECT_EQ(table.State(), dsBrowse);
    EXPECT_EQ(table.FieldAsString(u"FunctionY"), QStringLiteral("x*x"));
    EXPECT_TRUE(storedRows(dir).contains(QStringLiteral("0|X|x^3|0|")));

    table.Edit();
    table.SetFieldValue(u"FunctionY", QStringLiteral("x^3"));
    const QStringList before = storedRows(dir);
    const int at = table.RecNo();
    for (const auto& [name, step] :
        std::initializer_list<std::pair<const char*, std::function<void()>>> {
            { "Next", [&] { table.Next(); } },
            { "First", [&] { table.First(); } },
            { "Refresh", [&] { table.Refresh(); } },
            { "SetRange", [&] { table.SetRange(5, 5); } },
            { "FindNearest",
                [&] {
                    table.FindNearest({ 5, "", "", "" });
                } },
            { "Insert", [&] { table.Insert(); } },
        }) {
        SCOPED_TRACE(name);
        EXPECT_THROW(step(), ECurveTableError);
        EXPECT_EQ(table.State(), dsEdit);
        EXPECT_EQ(table.RecNo(), at);
        EXPECT_EQ(table.FieldAsString(u"FunctionY"), QStringLiteral("x^3"));
        EXPECT_EQ(table.RecordCount(), 3);
    }
    EXPECT_EQ(storedRows(dir), before);
}

TEST(CurveTable, EachTableHasItsOwnConnectionAndRefreshSeesTheOther)
{
    QTemporaryDir dir;
    TCurveTable a(dir.path());
    TCurveTable b(dir.path());
    a.Open();
    b.Open();
    EXPECT_NE(a.ConnectionName(), b.ConnectionName());
    EXPECT_TRUE(QSqlDatabase::contains(a.ConnectionName()));
    postRow(b, 6, "cos(t)", "sin(t)", "t");
    EXPECT_TRUE(a.IsEmpty());
    a.Refresh();
    ASSERT_EQ(a.RecordCount(), 1);
    EXPECT_EQ(a.FieldAsString(u"FunctionZ"), QStringLiteral("t"));

    // The other deleted the row this one edits: nothing is written, the edit stays.
    a.Edit();
    a.SetFieldValue(u"Comment", QStringLiteral("sarmal"));
    b.Delete();
    EXPECT_THROW(a.Post(), ECurveTableError);
    EXPECT_EQ(a.State(), dsEdit);
    EXPECT_TRUE(storedRows(dir).isEmpty());
    a.Close();
    EXPECT_FALSE(QSqlDatabase::contains(a.ConnectionName()));
}

TEST(LibraryFiles, BadFilesAreReportedAndLeftAlone)
{
    const QByteArray garbage
        = QByteArray("OLD TABLE FILE\x01\x02\x03 not a database").repeated(40);
    const struct {
        const char* Name;
        std::function<void(const QTemporaryDir&)> Arrange;
        TLibraryFault Fault;
        const char* File;
    } cases[] = {
        { "garbage library", [&](const QTemporaryDir& d) { writeFile(curvesFile(d), garbage); },
            lfCorrupt, "CurvedLines.db" },
        { "garbage types", [&](const QTemporaryDir& d) { writeFile(typesFile(d), garbage); },
            lfCorrupt, "CLTypes.DB" },
        { "folder in the file's place",
            [](const QTemporaryDir& d) { QDir(d.path()).mkdir(QStringLiteral("CurvedLines.db")); },
            lfUnreadable, "CurvedLines.db" },
        { "another database",
            [](const QTemporaryDir& d) {
                TRawConnection raw(curvesFile(d));
                raw.Exec("CREATE TABLE CurvedLines (Type INTEGER, FunctionX TEXT)");
            },
            lfCorrupt, "CurvedLines.db" },
        { "damaged pages",
            [](const QTemporaryDir& d) {
                {
                    TCurveTable table(d.path());
                    table.Open();
                    for (int i = 0; i < 150; ++i)
                        postRow(table, 6, QStringLiteral("cos(%1*t)").arg(i), "sin(t)", "t",
                            QString(180, QLatin1Char('a' + i % 26)));
                }
                QFile f(curvesFile(d));
                ASSERT_TRUE(f.open(QIODevice::ReadWrite));
                ASSERT_GT(f.size(), 4 * 4096);
                f.seek(2 * 4096);
                f.write(QByteArray(4096, '\xA5'));
            },
            lfCorrupt, "CurvedLines.db" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir dir;
        c.Arrange(dir);
        const QString file = dir.filePath(QString::fromLatin1(c.File));
        const QByteArray bytes = fileBytes(file);
        TCurveTable table(dir.path());
        try {
            table.Open();
            ADD_FAILURE() << "opened";
        } catch (const ECurveTableError& e) {
            EXPECT_EQ(e.Fault(), c.Fault);
            EXPECT_EQ(e.FileName(), file);
            const QString message = QString::fromStdString(e.Message());
            EXPECT_TRUE(message.startsWith(c.Fault == lfCorrupt
                    ? QStringLiteral(
                        "Eğri kütüphanesi dosyası bozuk ya da bir kütüphane dosyası değil: ")
                    : QStringLiteral("Eğri kütüphanesi dosyası açılamadı: ")))
                << message.toStdString();
            EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file)));
        }
        EXPECT_FALSE(table.Active());
        EXPECT_FALSE(QSqlDatabase::contains(table.ConnectionName()));
        EXPECT_EQ(fileBytes(file), bytes);
    }
}

TEST(LibraryFiles, ACorruptFileIsReplacedOnlyWhenTheUserAgrees)
{
    QTemporaryDir dir;
    const QByteArray garbage("this is not a library file at all, just some bytes.....");
    writeFile(curvesFile(dir), garbage);
    {
        TRecordedPrompts prompts;
        prompts.Answers = { false };
        TCurveTable table(dir.path());
        EXPECT_FALSE(OpenLibraryTable(table, nullptr));
        ASSERT_EQ(prompts.Questions.size(), 1);
        EXPECT_TRUE(prompts.Questions[0].startsWith(
            QStringLiteral("Eğri Kütüphanesi: Eğri kütüphanesi dosyası bozuk ya da bir kütüphane "
                           "dosyası değil: ")));
        EXPECT_TRUE(prompts.Errors.isEmpty());
        EXPECT_EQ(fileBytes(curvesFile(dir)), garbage);
        EXPECT_FALSE(QFileInfo::exists(curvesFile(dir) + ".bozuk"));
    }
    {
        TRecordedPrompts prompts;
        prompts.Answers = { true };
        TCurveTable table(dir.path());
        ASSERT_TRUE(OpenLibraryTable(table, nullptr));
        EXPECT_EQ(prompts.Questions.size(), 1);
        EXPECT_EQ(fileBytes(curvesFile(dir) + ".bozuk"), garbage);
        EXPECT_TRUE(table.IsEmpty());
        postRow(table, 0, "X", "x", "0");
    }
    EXPECT_EQ(storedRows(dir), QStringList { "0|X|x|0|" });

    // Other faults are only told.
    QTemporaryDir other;
    QDir(other.path()).mkdir(QStringLiteral("CLTypes.DB"));
    TRecordedPrompts prompts;
    TCurveTable table(other.path());
    EXPECT_FALSE(OpenLibraryTable(table, nullptr));
    EXPECT_TRUE(prompts.Questions.isEmpty());
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(
        prompts.Errors[0].startsWith(QStringLiteral("Eğri kütüphanesi dosyası açılamadı: ")));
}

TEST(LibraryFiles, APostLocksOnlyTheCurveFileAndAnOpenClearsWhatAKillLeft)
{
    QTemporaryDir dir;
    TCurveTable table(dir.path());
    table.SetBusyTimeout(200);
    table.Open();
    {
        // Another program writes CLTypes.DB: posts and deletes go on regardless,
        // since they neither lock nor journal it (and so write no super-journal).
        TRawConnection types(typesFile(dir), "types-writer");
        ASSERT_EQ(types.Exec("BEGIN IMMEDIATE"), QString());
        ASSERT_NO_THROW(postRow(table, 0, "X", "x", "0"));
        ASSERT_NO_THROW(postRow(table, 0, "X", "x*x", "0"));
        ASSERT_NO_THROW(table.Delete());
        types.Exec("ROLLBACK");
    }
    EXPECT_EQ(storedRows(dir).size(), 1);
    // The type names are still there to read.
    table.Refresh();
    EXPECT_EQ(table.LookupTypeName(5), "Kutupsal Koordinat Eğrisi");
    table.Close();

    // A journal cut off before it became hot and a super-journal of a finished
    // transaction: what a kill leaves that the engine never removes itself. The next
    // open removes them, and nothing of another name.
    const QByteArray before = fileBytes(curvesFile(dir));
    writeFile(curvesFile(dir) + "-journal", QByteArray(512, '\0'));
    writeFile(typesFile(dir) + "-journal", QByteArray());
    writeFile(curvesFile(dir) + "-mj0A1B2C93F", "stale");
    for (const char* other : { "CurvedLines.db-mj0A1B2C93", "CurvedLines.db-mjzzzzzzzzz",
             "CurvedLines.db.mj0A1B2C93F", "Other.db-mj0A1B2C93F", "CurvedLines.db-journal2" })
        writeFile(dir.filePath(other), "kept");
    table.Open();
    EXPECT_EQ(table.RecordCount(), 1);
    QStringList names = QDir(dir.path()).entryList(QDir::Files);
    names.sort();
    EXPECT_EQ(names.join(' ').toStdString(),
        "CLTypes.DB CurvedLines.db CurvedLines.db-journal2 CurvedLines.db-mj0A1B2C93 "
        "CurvedLines.db-mjzzzzzzzzz CurvedLines.db.mj0A1B2C93F Other.db-mj0A1B2C93F");
    EXPECT_EQ(fileBytes(curvesFile(dir)), before);
}
