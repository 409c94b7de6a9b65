#include "fuzz_target.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

int VelmoFuzz_engine(const std::uint8_t* data, std::size_t size);
int VelmoFuzz_curves(const std::uint8_t* data, std::size_t size);
int VelmoFuzz_settings(const std::uint8_t* data, std::size_t size);
int VelmoFuzz_bitmap(const std::uint8_t* data, std::size_t size);
int VelmoFuzz_scene(const std::uint8_t* data, std::size_t size);

namespace {

using TTarget = int (*)(const std::uint8_t*, std::size_t);

// Runs every file below folder through target; a finding ends the program with
// its message. Returns the number of files.
int replay(const QString& folder, TTarget target)
{
    int count = 0;
    QDirIterator files(folder, QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        const QString name = files.next();
        if (QFileInfo(name).fileName().startsWith(QLatin1Char('.')))
            continue;
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(name.toStdString());
        std::fprintf(stderr, "replaying %s\n", qPrintable(name));
        target(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size()));
        ++count;
    }
    return count;
}

struct TCase {
    const char* Name;
    TTarget Target;
};

const TCase targets[] = { { "engine", VelmoFuzz_engine }, { "curves", VelmoFuzz_curves },
    { "settings", VelmoFuzz_settings }, { "bitmap", VelmoFuzz_bitmap }, { "scene", VelmoFuzz_scene } };

} // namespace

// The inputs of findings that were fixed: each once crashed, hung or broke a
// promise that its target checks.
TEST(FuzzRegressions, FixedFindingsStayFixed)
{
    for (const TCase& t : targets) {
        SCOPED_TRACE(t.Name);
        replay(QStringLiteral(VELMO_FUZZ_REGRESSIONS "/") + QLatin1String(t.Name), t.Target);
    }
}

// The seed corpora, so that the targets themselves build and run in every test run.
TEST(FuzzRegressions, CorpusReplays)
{
    for (const TCase& t : targets) {
        SCOPED_TRACE(t.Name);
        EXPECT_GT(
            replay(QStringLiteral(VELMO_FUZZ_CORPUS "/") + QLatin1String(t.Name), t.Target), 0);
    }
}
