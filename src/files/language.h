#pragma once

#include <QString>

class TIniFile;

// The languages the program speaks: Turkish, its own and the default, in which every text
// is written in the code, and English through Qt's translation files.
enum class TLanguage { Turkish, English };

// "tr" and "en"; the code of text (letter case aside), false for another.
QString LanguageCode(TLanguage language);
bool LanguageOfCode(const QString& text, TLanguage& language);

// The settings file's choice: section "Genel", key "Dil"; Turkish when the key is missing or
// names no language.
TLanguage ReadLanguage(const TIniFile& file);
// Writes the key (raises what TIniFile raises).
void WriteLanguage(TIniFile& file, TLanguage language);

// Installs the program's texts and Qt's own in language into the running application, in
// place of those installed before: for Turkish Qt's Turkish texts alone (the program's are the
// source texts), for English the program's English translation and Qt's own English. The
// formula engine's messages follow. Needs a QCoreApplication.
void InstallLanguage(TLanguage language);
TLanguage CurrentLanguage();
// Takes out what InstallLanguage installed: the program's texts and Qt's own as written in the
// code (Turkish and English), the formula engine's in Turkish.
void UninstallLanguage();
