#pragma once

#include "base/exception.h"

#include <QString>

#include <cstdint>
#include <utility>

// What went wrong with the library: a file that cannot be read or created, a file
// that is not a sound library, a refused value, or anything else the engine says.
enum TLibraryFault : std::uint8_t { lfEngine, lfUnreadable, lfCorrupt, lfInput };

class ECurveTableError : public Exception {
public:
    explicit ECurveTableError(
        const QString& message, TLibraryFault fault = lfEngine, QString fileName = {})
        : Exception(message.toStdString())
        , FFault(fault)
        , FFileName(std::move(fileName))
    {
    }

    TLibraryFault Fault() const { return FFault; }
    // The library file at fault, for lfUnreadable and lfCorrupt.
    const QString& FileName() const { return FFileName; }

private:
    TLibraryFault FFault;
    QString FFileName;
};
