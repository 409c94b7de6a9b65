#include "files/language.h"

#include "base/catalogue.h"
#include "files/ini_file.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
constexpr const char* Section = "Genel";
constexpr const char* Key = "Dil";

TLanguage current = TLanguage::Turkish;
// Owned by the application; replaced when another language is installed.
QTranslator* programTexts = nullptr;
QTranslator* qtTexts = nullptr;

void drop(QTranslator*& translator)
{
    if (translator == nullptr)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

QTranslator* install(const QString& fileName, const QString& directory)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(fileName, directory)
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
}

QString LanguageCode(TLanguage language)
{
    return language == TLanguage::English ? QStringLiteral("en") : QStringLiteral("tr");
}

bool LanguageOfCode(const QString& text, TLanguage& language)
{
    const QString code = text.trimmed().toLower();
    if (code == "tr")
        language = TLanguage::Turkish;
    else if (code == "en")
        language = TLanguage::English;
    else
        return false;
    return true;
}

TLanguage ReadLanguage(const TIniFile& file)
{
    TLanguage language = TLanguage::Turkish;
    LanguageOfCode(QString::fromStdString(file.ReadString(Section, Key, "tr")), language);
    return language;
}

void WriteLanguage(TIniFile& file, TLanguage language)
{
    file.WriteString(Section, Key, LanguageCode(language).toStdString());
}

void InstallLanguage(TLanguage language)
{
    drop(programTexts);
    drop(qtTexts);
    if (language == TLanguage::Turkish) {
        // The program's texts are Turkish in the code; Qt's own buttons and dialogs follow.
        qtTexts = install(
            QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    } else {
        programTexts = install(QStringLiteral("velmo_en"), QStringLiteral(":/i18n"));
    }
    SetTextLanguage(
        language == TLanguage::English ? TTextLanguage::English : TTextLanguage::Turkish);
    current = language;
}

TLanguage CurrentLanguage() { return current; }

void UninstallLanguage()
{
    drop(programTexts);
    drop(qtTexts);
    SetTextLanguage(TTextLanguage::Turkish);
    current = TLanguage::Turkish;
}
