#include "files/safe_file.h"

#include <QCoreApplication>
#include <QFileInfo>

TSafeFile::TSafeFile(const QString& fileName)
    : FFileName(fileName)
    , FDirect(QFileInfo::exists(fileName) && !QFileInfo(fileName).isFile()
          && !QFileInfo(fileName).isDir())
    , FSave(fileName)
    , FFile(fileName)
{
}

bool TSafeFile::Open()
{
    if (QFileInfo(FFileName).isDir()) {
        FError = QCoreApplication::translate("TOutputFile", "bir klasör");
        return false;
    }
    QFileDevice& device = FDirect ? static_cast<QFileDevice&>(FFile) : FSave;
    if (device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    FError = device.errorString();
    return false;
}

QIODevice& TSafeFile::Device()
{
    return FDirect ? static_cast<QIODevice&>(FFile) : FSave;
}

bool TSafeFile::Commit()
{
    if (FDirect) {
        const bool written = FFile.error() == QFileDevice::NoError && FFile.flush();
        if (!written)
            FError = FFile.errorString();
        FFile.close();
        return written;
    }
    if (FSave.error() != QFileDevice::NoError) {
        FError = FSave.errorString();
        FSave.cancelWriting();
        return false;
    }
    if (!FSave.commit()) {
        FError = FSave.errorString();
        return false;
    }
    return true;
}

QString TSafeFile::ErrorString() const { return FError; }
