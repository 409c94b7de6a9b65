#pragma once

// A real full file system for the tests of writers: a small tmpfs mounted in a
// temporary folder when the tests run as root, otherwise a limit on the size of
// the files this process writes (RLIMIT_FSIZE, its signal ignored). Ready() is
// false when neither can be had.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

class TFullDisk {
public:
    TFullDisk()
    {
        if (geteuid() == 0
            && QProcess::execute("mount", { "-t", "tmpfs", "-o", "size=256k", "tmpfs", FDir.path() })
                == 0) {
            FMounted = true;
            FReady = true;
            return;
        }
        FReady = getrlimit(RLIMIT_FSIZE, &FSaved) == 0;
    }
    ~TFullDisk()
    {
        Empty();
        if (FMounted)
            QProcess::execute("umount", { FDir.path() });
    }
    TFullDisk(const TFullDisk&) = delete;
    TFullDisk& operator=(const TFullDisk&) = delete;

    bool Ready() const { return FReady; }
    QString FilePath(const QString& name) const { return FDir.filePath(name); }

    // No room for one more byte.
    void Fill()
    {
        if (FMounted) {
            QFile filler(FDir.filePath("filler"));
            filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            const QByteArray block(4096, 'x');
            while (filler.write(block) > 0) { }
            const QByteArray byte(1, 'x');
            while (filler.write(byte) > 0) { }
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = FSaved;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        FLimited = true;
    }
    void Empty()
    {
        if (FMounted)
            QFile::remove(FDir.filePath("filler"));
        if (FLimited) {
            setrlimit(RLIMIT_FSIZE, &FSaved);
            FLimited = false;
        }
    }

private:
    QTemporaryDir FDir;
    bool FMounted = false;
    bool FReady = false;
    bool FLimited = false;
    rlimit FSaved {};
};
