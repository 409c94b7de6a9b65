#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

// The commands' own texts: written in Turkish, given in the language installed.
class TCommandText {
    Q_DECLARE_TR_FUNCTIONS(TCommandText)
};

// A text for the outputs, which take UTF-8.
inline std::string Said(const QString& text) { return text.toStdString(); }
