#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The program's help: pages in the language installed (Turkish or English), each
// with a name, an optional context number (the topic a window opens with its help
// button), a title, index keywords and its text in HTML. Links between pages are
// "velmo:<name>", the same names in both languages.
struct THelpPage {
    QString Id;
    int Context = 0; // 0: no window opens it directly
    QString Title;
    QStringList Keywords;
    QString Html;
};

struct THelpIndexEntry {
    QString Keyword;
    QString PageId;
};

// In the order of the contents; the first is the contents page itself.
const QList<THelpPage>& HelpPages();
const THelpPage* FindHelpPage(const QString& id);
const THelpPage* FindHelpContext(int context);

// The page that explains the help window itself.
inline constexpr const char* HelpOnHelpPage = "yardim";

// Every keyword of every page, in the alphabetical order of the language.
const QList<THelpIndexEntry>& HelpIndex();
// The index entries whose keyword contains text (letter case ignored, Turkish
// dotted and dotless i included), keywords that begin with it first; when no
// keyword matches, one entry per page whose title or text contains it, named
// after the page's title. An empty text gives the whole index.
QList<THelpIndexEntry> SearchHelp(const QString& text);

// The page's text without its markup, for searching.
QString HelpPlainText(const THelpPage& page);
