#include "files/ini_file.h"
#include "killed_child.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <random>

namespace {

// Every write gives all these keys the same number.
std::vector<TIniValue> generation(int n)
{
    return { { "Eksencikler", "Color", n }, { "Ekran", "AnimInterval", n },
        { "XYDuzlemi", "CizgiKalınlıgı", n }, { "Eğri Gezgini", "DockedTo", n },
        { "Window", "Width", n } };
}

} // namespace

// Kills a program that writes the settings file over and over, a few hundred
// times at varying moments: the file always holds one whole write, never less
// than the last one reported, and a start removes whatever a kill left beside it.
TEST(SettingsKill, AKilledWriteLeavesAWholeFileAndTheNextStartNoLitter)
{
    // In memory where the system has it: a kill, unlike a power cut, does not
    // depend on what reached the disk, and it keeps the test short.
    QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/velmo-kill-XXXXXX")
                                                : QDir::tempPath() + "/velmo-kill-XXXXXX");
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath("Norvadeks.ini");
    TIniFile(name).WriteIntegers(generation(0));
    std::mt19937 random(19);
    int latest = 0, litter = 0;
    constexpr int kills = KillRounds(300);
    for (int round = 0; round < kills; ++round) {
        SCOPED_TRACE(round);
        const int first = latest + 1;
        const std::vector<std::int32_t> done = RunAndKill(
            [&](const std::function<void(std::int32_t)>& report) {
                TIniFile ini(name);
                for (int n = first;; ++n) {
                    ini.WriteIntegers(generation(n));
                    report(n);
                }
            },
            1 + round % 3, static_cast<int>(random() % 800));
        ASSERT_FALSE(done.empty());

        const TIniFile ini(name);
        const int stored = ini.ReadInteger("Ekran", "AnimInterval", -1);
        EXPECT_GE(stored, done.back());
        EXPECT_LE(stored, done.back() + 1);
        for (const TIniValue& v : generation(stored))
            EXPECT_EQ(ini.ReadInteger(v.Section, v.Key, -1), stored) << v.Section << " " << v.Key;
        latest = std::max(stored, done.back());

        litter += static_cast<int>(QDir(dir.path()).entryList(QDir::Files).size()) - 1;
        // The next start, a minute later.
        ini.RemoveLeftovers(0);
        ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "Norvadeks.ini" });
    }
    RecordProperty("LeftoversRemoved", litter);
}
