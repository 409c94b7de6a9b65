#include "library_test_support.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSet>
#include <QThread>

#include <cstdio>

namespace {

const char folderVariable[] = "VELMO_LIBRARY_KILL_FOLDER";

} // namespace

// The child of PostedRowsSurviveAKill: posts rows until it is killed, printing
// the number of each row whose post has returned. Runs only when started so.
TEST(LibraryKill, DISABLED_PostLoopChild)
{
    const QString folder = qEnvironmentVariable(folderVariable);
    if (folder.isEmpty())
        return;
    TCurveTable table(folder);
    table.Open();
    for (int i = table.RecordCount();; ++i) {
        postRow(table, i % 7, QStringLiteral("cos(%1*t)").arg(i), QStringLiteral("sin(t)"),
            QStringLiteral("t"), QString(150, QLatin1Char('a' + i % 26)));
        std::printf("POSTED %d\n", i);
        std::fflush(stdout);
    }
}

TEST(LibraryKill, PostedRowsSurviveAKill)
{
    QTemporaryDir dir;
    QSet<int> posted;
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(folderVariable), dir.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--gtest_also_run_disabled_tests"),
                QStringLiteral("--gtest_filter=LibraryKill.DISABLED_PostLoopChild") });
        ASSERT_TRUE(child.waitForStarted(10000));

        // Killed after a varying number of posts and a varying pause, so that the
        // kill falls on different steps of a post.
        const int wanted = 5 + round * 7;
        int seen = 0;
        QByteArray output;
        QDeadlineTimer deadline(30000);
        while (seen < wanted && !deadline.hasExpired() && child.state() == QProcess::Running) {
            child.waitForReadyRead(100);
            output += child.readAllStandardOutput();
            seen = static_cast<int>(output.count("POSTED "));
        }
        ASSERT_GE(seen, wanted) << child.readAllStandardError().toStdString();
        QThread::usleep(static_cast<unsigned long>(round * 1700));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));
        output += child.readAllStandardOutput();

        for (const QByteArray& line : output.split('\n'))
            if (line.startsWith("POSTED "))
                posted.insert(line.mid(7).toInt());

        TRawConnection raw(curvesFile(dir), QStringLiteral("after-kill"));
        EXPECT_EQ(raw.Column("PRAGMA integrity_check"), QStringList { "ok" });
        const QStringList stored = raw.Column("SELECT FunctionX FROM CurvedLines");
        QSet<int> present;
        for (const QString& fx : stored)
            present.insert(fx.mid(4, fx.indexOf(QLatin1Char('*')) - 4).toInt());
        for (int i : posted)
            EXPECT_TRUE(present.contains(i)) << "row " << i << " was posted and is gone";
        // At most the row whose post each kill cut short is there unreported.
        EXPECT_LE(present.size(), posted.size() + round + 1);
    }
}
