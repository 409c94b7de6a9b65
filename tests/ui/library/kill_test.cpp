#include "killed_child.h"
#include "library_test_support.h"

#include <QDir>
#include <QSet>

#include <random>

// Kills a program that posts rows to the library, a few hundred times at varying
// moments: every post that returned is in the file, the file stays sound, and
// once the library is opened again nothing is left beside its two files (no
// journal, no super-journal).
TEST(LibraryKill, PostedRowsSurviveAKillAndTheNextOpenLeavesNoLitter)
{
    // In memory where the system has it: a kill, unlike a power cut, does not
    // depend on what reached the disk, and it keeps the test short.
    QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/velmo-kill-XXXXXX")
                                                : QDir::tempPath() + "/velmo-kill-XXXXXX");
    ASSERT_TRUE(dir.isValid());
    {
        TCurveTable table(dir.path());
        table.Open();
    }
    std::mt19937 random(19);
    QSet<int> posted;
    int next = 0;
    constexpr int kills = KillRounds(300);
    for (int round = 0; round < kills; ++round) {
        SCOPED_TRACE(round);
        const int first = next;
        const std::vector<std::int32_t> done = RunAndKill(
            [&](const std::function<void(std::int32_t)>& report) {
                TCurveTable table(dir.path());
                table.Open();
                for (int i = first;; ++i) {
                    postRow(table, i % 7, QStringLiteral("cos(%1*t)").arg(i),
                        QStringLiteral("sin(t)"), QStringLiteral("t"),
                        QString(150, QLatin1Char('a' + i % 26)));
                    report(i);
                }
            },
            1 + round % 2, static_cast<int>(random() % 1500));
        ASSERT_FALSE(done.empty());
        for (const std::int32_t i : done)
            posted.insert(i);
        // A post cut short may or may not have reached the file; either way the
        // next round starts after it.
        next = done.back() + 2;

        // The next open rolls back what a kill left, and leaves the two files alone.
        {
            TCurveTable table(dir.path());
            table.Open();
        }
        ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files).join(' ').toStdString(),
            "CLTypes.DB CurvedLines.db");
    }

    TRawConnection raw(curvesFile(dir), QStringLiteral("after-kills"));
    EXPECT_EQ(raw.Column("PRAGMA integrity_check"), QStringList { "ok" });
    QSet<int> present;
    for (const QString& fx : raw.Column("SELECT FunctionX FROM CurvedLines"))
        present.insert(fx.mid(4, fx.indexOf(QLatin1Char('*')) - 4).toInt());
    for (int i : posted)
        EXPECT_TRUE(present.contains(i)) << "row " << i << " was posted and is gone";
    // At most the row whose post each kill cut short is there unreported.
    EXPECT_LE(present.size(), posted.size() + kills);
}
