#pragma once

#include "ui/platform/hook.h"

#include <QString>

#include <functional>
#include <utility>

class QWidget;

// The answers to "Kaydedilsin mi?".
enum class TSaveAnswer { Save, Discard, Cancel };

// How the windows ask before work is lost: a question with "Evet" and "Hayır",
// and the save question with "Kaydet", "Kaydetme" and "Vazgeç". Tests replace
// them to answer without a box.
struct TPrompts {
    std::function<bool(QWidget* owner, const QString& text)> YesNo;
    std::function<TSaveAnswer(QWidget* owner, const QString& text)> SaveChanges;
};

// Replaces the prompts and returns those in use before; an empty member stands
// for the message box.
TPrompts SetPrompts(TPrompts prompts);

// True for "Evet".
bool AskYesNo(QWidget* owner, const QString& text);
TSaveAnswer AskSaveChanges(QWidget* owner, const QString& text);
// Before an existing file is replaced: true for "Evet".
bool AskReplaceFile(QWidget* owner, const QString& fileName);

using TScopedPrompts = TScopedHook<TPrompts>;
