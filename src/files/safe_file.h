#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>

// An output file written whole or not at all. A regular file (or a new one) is
// written beside the old one without Qt's buffer, so that a full disk fails the
// very write that meets it, and replaces the old file only once every byte is
// written; on any failure the old file stays as it was. An output that exists and
// is no regular file (a FIFO, a device such as /dev/stdout) is written into
// directly and never replaced; a folder is refused.
class TSafeFile {
public:
    explicit TSafeFile(const QString& fileName);
    TSafeFile(const TSafeFile&) = delete;
    TSafeFile& operator=(const TSafeFile&) = delete;

    bool Open();
    QIODevice& Device();
    // False when a write failed or the new file could not take the old one's place.
    bool Commit();
    // Why Open or Commit failed, in the platform's words.
    QString ErrorString() const;

private:
    QString FFileName;
    bool FDirect;
    QSaveFile FSave;
    QFile FFile;
    QString FError;
};
