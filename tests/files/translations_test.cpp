// The program's texts reach the user in the language chosen: every Turkish text of the
// code goes through the translation (tr, translate, the no-op markers of tables, or the
// model layers' catalogue), and the English translation file is finished.

#include "base/catalogue.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <set>

namespace {

const QString SourceDir = QStringLiteral(VELMO_SOURCE_DIR);

// Folders whose texts are not translated yet; each leaves this list once it is. The test
// fails for a listed folder that has nothing left, so the list only shrinks.
const std::set<QString> NotYetTranslated = {};

// Files whose Turkish texts are not translated one by one: the help pages, whole pages of
// each language, and the catalogue itself.
const std::set<QString> WholeTexts = {
    "src/ui/platform/help_pages.cpp",
    "src/ui/platform/help_pages_en.cpp",
    "src/base/catalogue.cpp",
};

// Texts of the code that are no user's texts: keys of the settings file.
const std::set<std::pair<QString, QString>> NotShown = {
    { "src/files/graph_settings.cpp", QString::fromUtf8("CizgiKalınlıgı") },
    { "src/ui/main/main_form.cpp", QString::fromUtf8("Araç-Durum Çubukları") },
    { "src/ui/main/main_form.cpp", QString::fromUtf8("Eğri Gezgini") },
};

const QString TurkishLetters = QString::fromUtf8("çğıöşüÇĞİÖŞÜ");

bool hasTurkishLetter(const QString& text)
{
    for (const QChar c : text)
        if (TurkishLetters.contains(c))
            return true;
    return false;
}

struct TLiteral {
    QString Text; // adjacent literals joined, escapes left as written
    qsizetype Start; // where the first of them starts
    int Line;
};

// The string literals of a C++ source, comments and character literals skipped, adjacent
// literals joined (the compiler joins them too), raw literals included.
std::vector<TLiteral> literalsOf(const QString& code)
{
    std::vector<TLiteral> literals;
    qsizetype i = 0;
    int line = 1;
    bool joining = false;
    const auto n = code.size();
    while (i < n) {
        const QChar c = code[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c == '/' && i + 1 < n && code[i + 1] == '/') {
            while (i < n && code[i] != '\n')
                ++i;
        } else if (c == '/' && i + 1 < n && code[i + 1] == '*') {
            const qsizetype end = code.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            line += static_cast<int>(QStringView(code).mid(i, stop - i).count('\n'));
            i = stop;
        } else if (c == '\'') {
            ++i;
            while (i < n && code[i] != '\'') {
                if (code[i] == '\\')
                    ++i;
                ++i;
            }
            ++i;
            joining = false;
        } else if (c == '"') {
            const bool raw = i > 0 && code[i - 1] == 'R';
            const qsizetype start = i;
            QString text;
            if (raw) {
                const qsizetype open = code.indexOf('(', i);
                const QString closing = ')' + code.mid(i + 1, open - i - 1) + '"';
                const qsizetype end = code.indexOf(closing, open);
                text = code.mid(open + 1, end - open - 1);
                i = end + closing.size();
            } else {
                ++i;
                while (i < n && code[i] != '"') {
                    if (code[i] == '\\')
                        text += code[i++];
                    text += code[i++];
                }
                ++i;
            }
            if (joining && !literals.empty())
                literals.back().Text += text;
            else
                literals.push_back({ text, start, line });
            line += static_cast<int>(text.count('\n'));
            joining = true;
            continue;
        } else {
            if (!c.isSpace())
                joining = false;
            ++i;
        }
    }
    return literals;
}

// The name of the call whose parentheses hold the text at position, or empty.
QString enclosingCall(const QString& code, qsizetype position)
{
    int depth = 0;
    for (qsizetype i = position - 1; i >= 0; --i) {
        const QChar c = code[i];
        if (c == ')' || c == ']' || c == '}') {
            ++depth;
        } else if (c == '(' || c == '[' || c == '{') {
            if (depth > 0) {
                --depth;
                continue;
            }
            if (c != '(')
                return {};
            qsizetype end = i;
            while (end > 0 && code[end - 1].isSpace())
                --end;
            qsizetype begin = end;
            while (begin > 0 && (code[begin - 1].isLetterOrNumber() || code[begin - 1] == '_'))
                --begin;
            return code.mid(begin, end - begin);
        } else if (c == ';') {
            return {};
        }
    }
    return {};
}

bool translated(const QString& code, const TLiteral& literal)
{
    static const std::set<QString> calls = { "tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP",
        "QT_TRANSLATE_NOOP3", "Localized" };
    if (calls.count(enclosingCall(code, literal.Start)) != 0)
        return true;
    // A constant of the model layers names a text of the catalogue.
    const QByteArray text = literal.Text.toUtf8().replace("\\\"", "\"");
    return EnglishOf(std::string_view(text.constData(), text.size())) != nullptr;
}

QString readText(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(Translations, EveryTurkishTextOfTheCodeIsTranslatable)
{
    std::set<QString> foldersLeft;
    QStringList untranslated;
    QDirIterator files(
        SourceDir + "/src", { "*.cpp", "*.h" }, QDir::Files, QDirIterator::Subdirectories);
    int scanned = 0;
    while (files.hasNext()) {
        const QString path = QDir(SourceDir).relativeFilePath(files.next());
        if (WholeTexts.count(path) != 0)
            continue;
        const QString code = readText(SourceDir + '/' + path);
        ++scanned;
        for (const TLiteral& literal : literalsOf(code)) {
            if (!hasTurkishLetter(literal.Text) || translated(code, literal)
                || NotShown.count({ path, literal.Text }) != 0)
                continue;
            QString folder = path.section('/', 0, 1);
            if (folder == "src/ui")
                folder = path.section('/', 0, 2);
            if (NotYetTranslated.count(folder) != 0)
                foldersLeft.insert(folder);
            else
                untranslated << QStringLiteral("%1:%2: \"%3\"")
                                    .arg(path)
                                    .arg(literal.Line)
                                    .arg(literal.Text.left(60));
        }
    }
    EXPECT_GT(scanned, 100) << "the sources were not found under " << SourceDir.toStdString();
    EXPECT_TRUE(untranslated.isEmpty()) << "texts shown without translation:\n"
                                        << untranslated.join('\n').toStdString();
    for (const QString& folder : NotYetTranslated)
        EXPECT_EQ(foldersLeft.count(folder), 1u)
            << folder.toStdString() << " is translated: take it off the list";
}

TEST(Translations, TheScanFindsTextsOutsideTheTranslation)
{
    const QString code = QString::fromUtf8(R"code(
        // "Yorumdaki ölçü" is a comment.
        label->setText("Açık");
        label->setText(tr("Kapalı"));
        const char* rows[] = { QT_TRANSLATE_NOOP("TForm", "Görünür"
                                                          " ve açık") };
        QString s = QStringLiteral("İki " "parça");
        throw Error(FormatText(Localized("Bilinmeyen eğri tipi (%d)"), type));
    char c = '"';
    QString t = R"x(Ham "metin" ğ)x";
    )code");
    QStringList shown;
    for (const TLiteral& literal : literalsOf(code))
        if (hasTurkishLetter(literal.Text) && !translated(code, literal))
            shown << literal.Text;
    EXPECT_EQ(shown,
        QStringList({ QString::fromUtf8("Açık"), QString::fromUtf8("İki parça"),
            QString::fromUtf8("Ham \"metin\" ğ") }));
}

TEST(Translations, TheEnglishFileIsFinished)
{
    QFile file(SourceDir + "/translations/velmo_en.ts");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    int messages = 0;
    QStringList faults;
    // Qt's places (%1, %2) may move; the places a message's parts fill in order (%s, %d)
    // keep their order.
    static const QRegularExpression places("%[0-9]+|%[sd]");
    const auto placesOf = [](const QString& text) {
        QStringList numbered;
        QStringList ordered;
        for (const auto& match : places.globalMatch(text))
            (match.captured().back().isDigit() ? numbered : ordered) << match.captured();
        numbered.sort();
        return numbered + ordered;
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value("type").toString();
            const QString translation = xml.readElementText();
            ++messages;
            const QString where = context + ": " + source;
            if (!type.isEmpty())
                faults << type + " - " + where;
            else if (translation.isEmpty())
                faults << "empty - " + where;
            else if (placesOf(translation) != placesOf(source))
                faults << "places differ - " + where;
            else if (source.contains('&') != translation.contains('&'))
                faults << "short-cut letter - " + where;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 300);
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}
