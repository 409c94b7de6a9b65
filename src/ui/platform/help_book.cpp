#include "ui/platform/help_book.h"

#include "files/language.h"
#include "ui/platform/help_pages.h"

#include <QCollator>
#include <QLocale>
#include <QTextDocument>

#include <algorithm>
#include <optional>

namespace {

// Lower case under Turkish rules, then the dotless i taken as i, so that "isaret",
// "İşaret" and "IŞARET" meet whatever keyboard typed them.
QString folded(const QString& text)
{
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    QString result = turkish.toLower(text);
    result.replace(QChar(0x0131), QLatin1Char('i'));
    result.remove(QChar(0x0307)); // the combining dot some lower-casings leave
    return result;
}

} // namespace

namespace {

// One language's book: its pages, its index and its pages' texts folded for searching, each
// made when first asked for.
struct TBook {
    std::optional<QList<THelpPage>> Pages;
    std::optional<QList<THelpIndexEntry>> Index;
    std::optional<QStringList> Texts;
};

TBook& currentBook()
{
    static TBook books[2];
    return books[CurrentLanguage() == TLanguage::English ? 1 : 0];
}

} // namespace

const QList<THelpPage>& HelpPages()
{
    TBook& book = currentBook();
    if (!book.Pages)
        book.Pages = BuildHelpPages(CurrentLanguage());
    return *book.Pages;
}

const THelpPage* FindHelpPage(const QString& id)
{
    for (const THelpPage& page : HelpPages())
        if (page.Id == id)
            return &page;
    return nullptr;
}

const THelpPage* FindHelpContext(int context)
{
    if (context == 0)
        return nullptr;
    for (const THelpPage& page : HelpPages())
        if (page.Context == context)
            return &page;
    return nullptr;
}

const QList<THelpIndexEntry>& HelpIndex()
{
    TBook& book = currentBook();
    if (book.Index)
        return *book.Index;
    QList<THelpIndexEntry> entries;
    for (const THelpPage& page : HelpPages())
        for (const QString& keyword : page.Keywords)
            entries.append({ keyword, page.Id });
    QCollator collator(CurrentLanguage() == TLanguage::English
            ? QLocale(QLocale::English, QLocale::UnitedKingdom)
            : QLocale(QLocale::Turkish, QLocale::Turkey));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(),
        [&collator](const THelpIndexEntry& a, const THelpIndexEntry& b) {
            return collator.compare(a.Keyword, b.Keyword) < 0;
        });
    book.Index = std::move(entries);
    return *book.Index;
}

QString HelpPlainText(const THelpPage& page)
{
    QTextDocument document;
    document.setHtml(page.Html);
    return document.toPlainText();
}

QList<THelpIndexEntry> SearchHelp(const QString& text)
{
    const QString wanted = folded(text.trimmed());
    if (wanted.isEmpty())
        return HelpIndex();
    QList<THelpIndexEntry> starting;
    QList<THelpIndexEntry> containing;
    for (const THelpIndexEntry& entry : HelpIndex()) {
        const QString keyword = folded(entry.Keyword);
        if (keyword.startsWith(wanted))
            starting.append(entry);
        else if (keyword.contains(wanted))
            containing.append(entry);
    }
    if (!starting.isEmpty() || !containing.isEmpty())
        return starting + containing;
    // The pages' texts, folded once for every later search.
    TBook& book = currentBook();
    if (!book.Texts) {
        QStringList result;
        for (const THelpPage& page : HelpPages())
            result.append(folded(page.Title + QLatin1Char('\n') + HelpPlainText(page)));
        book.Texts = std::move(result);
    }
    const QStringList& texts = *book.Texts;
    QList<THelpIndexEntry> pages;
    for (qsizetype i = 0; i < HelpPages().size(); ++i)
        if (texts.at(i).contains(wanted))
            pages.append({ HelpPages().at(i).Title, HelpPages().at(i).Id });
    return pages;
}
