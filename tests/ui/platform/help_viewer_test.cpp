#include "engine/vocabulary.h"
#include "ui/platform/help_book.h"
#include "ui/platform/help_page_parts.h"
#include "ui/platform/help_viewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

QStringList keywordPages(const QString& text)
{
    QStringList ids;
    for (const THelpIndexEntry& entry : SearchHelp(text))
        ids.append(entry.PageId);
    return ids;
}

} // namespace

TEST(HelpBook, EveryContextHasItsPage)
{
    struct TContext {
        int Number;
        const char* Page;
        const char* Title;
    };
    const TContext contexts[] = {
        { 1, "ana_pencere", "Ana Pencere" },
        { 4, "egri_gezgini", "Eğri Gezgini" },
        { 5, "sayisal", "Sayısal Değerler" },
        { 6, "palet", "Operatör Seçim" },
        { 7, "hesaplayici", "Fonksiyon Hesaplayıcısı" },
        { 8, "bakis", "Bakış Yönü" },
        { 9, "buyukluk", "Büyüklük" },
        { 10, "ozellikler", "Tüm Özellikler" },
        { 11, "kutuphane", "Eğri Kayıt (Eğri Kütüphanesi)" },
        { 12, "duvar_kagidi", "Duvar Kağıdı" },
    };
    EXPECT_EQ(hcMainWindow, 1);
    EXPECT_EQ(hcOperatorPalette, 6);
    EXPECT_EQ(hcCalculator, 7);
    THelpViewer viewer;
    for (const TContext& context : contexts) {
        SCOPED_TRACE(context.Number);
        const THelpPage* page = FindHelpContext(context.Number);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->Id, qs(context.Page));
        viewer.ShowContext(context.Number);
        EXPECT_EQ(viewer.CurrentPage(), qs(context.Page));
        EXPECT_TRUE(viewer.Browser()->toPlainText().startsWith(qs(context.Title)));
        EXPECT_EQ(viewer.ContentsList()->currentItem()->text(), qs(context.Title));
        EXPECT_TRUE(viewer.isVisible());
    }
    // A number without a page, and 0, show the contents.
    for (int number : { 0, 2, 3, 13, -1 }) {
        SCOPED_TRACE(number);
        EXPECT_EQ(FindHelpContext(number), nullptr);
        viewer.ShowContext(hcCalculator);
        viewer.ShowContext(number);
        EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("icindekiler"));
    }
    viewer.Close();
    EXPECT_FALSE(viewer.isVisible());
}

// Links between pages and the contents must never lead nowhere; names are unique.
TEST(HelpBook, PagesAndLinksAreWhole)
{
    QSet<QString> ids;
    QSet<int> contexts;
    for (const THelpPage& page : HelpPages()) {
        SCOPED_TRACE(page.Id.toStdString());
        EXPECT_FALSE(ids.contains(page.Id));
        ids.insert(page.Id);
        if (page.Context != 0) {
            EXPECT_FALSE(contexts.contains(page.Context));
            contexts.insert(page.Context);
        }
        EXPECT_FALSE(page.Title.isEmpty());
        EXPECT_FALSE(page.Keywords.isEmpty());
    }
    EXPECT_EQ(HelpPages().first().Id, QStringLiteral("icindekiler"));
    ASSERT_NE(FindHelpPage(qs(HelpOnHelpPage)), nullptr);
    const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (const THelpPage& page : HelpPages()) {
        for (const QRegularExpressionMatch& match : link.globalMatch(page.Html)) {
            const QString target = match.captured(1);
            SCOPED_TRACE((page.Id + " -> " + target).toStdString());
            ASSERT_TRUE(target.startsWith(QStringLiteral("velmo:")));
            EXPECT_NE(FindHelpPage(target.mid(6)), nullptr);
            ++links;
        }
    }
    // The contents page links every other page.
    EXPECT_GE(links, HelpPages().size() - 1);
    // The index is in Turkish alphabetical order: "çizim" after "c..." and before "d...".
    const QList<THelpIndexEntry>& index = HelpIndex();
    qsizetype cizim = -1;
    qsizetype last_c = -1;
    qsizetype first_d = -1;
    for (qsizetype i = 0; i < index.size(); ++i) {
        const QString k = index.at(i).Keyword.toLower();
        if (k.startsWith(u'ç') && cizim < 0)
            cizim = i;
        if (k.startsWith(u'c'))
            last_c = i;
        if (k.startsWith(u'd') && first_d < 0)
            first_d = i;
    }
    EXPECT_LT(last_c, cizim);
    EXPECT_LT(cizim, first_d);
}

// The language pages list the vocabulary from its own tables.
TEST(HelpBook, LanguagePagesNameTheWholeVocabulary)
{
    const QString operators = HelpPlainText(*FindHelpPage(QStringLiteral("operatorler")));
    for (const TOperatorInfo& info : OperatorTable)
        EXPECT_TRUE(operators.contains(QString::fromUtf8(info.Symbol))) << info.Symbol;
    for (const TWordOperator& word : WordOperatorTable)
        EXPECT_TRUE(operators.contains(QString::fromUtf8(word.Word))) << word.Word;
    const QString functions = HelpPlainText(*FindHelpPage(QStringLiteral("fonksiyonlar")));
    for (std::string_view name : FunctionTable)
        EXPECT_TRUE(functions.contains(QString::fromUtf8(name) + QStringLiteral("(x)"))) << name;
    EXPECT_TRUE(functions.contains(QStringLiteral("pi")));
    const QString systems = HelpPlainText(*FindHelpPage(QStringLiteral("koordinat")));
    for (const char* name : { "XY Düzleminde", "XZ Düzleminde", "YZ Düzleminde", "XYZ Uzayında",
             "Küresel Sistemde", "Kutupsal Koordinatlarda", "Silindirik Koordinatlarda" })
        EXPECT_TRUE(systems.contains(qs(name))) << name;
}

TEST(HelpBook, KeywordSearchFindsPages)
{
    EXPECT_EQ(keywordPages(QStringLiteral("kutupsal")).value(0), QStringLiteral("koordinat"));
    EXPECT_TRUE(keywordPages(QStringLiteral("SGN")).contains(QStringLiteral("fonksiyonlar")));
    // Turkish capitals and the dotless i.
    EXPECT_TRUE(keywordPages(qs("IZGARA")).contains(QStringLiteral("ozellikler")));
    EXPECT_TRUE(keywordPages(qs("eksi İşareti")).contains(QStringLiteral("formul")));
    // Keywords that begin with the text come before those that only contain it.
    const QList<THelpIndexEntry> hits = SearchHelp(QStringLiteral("düzlem"));
    ASSERT_FALSE(hits.isEmpty());
    EXPECT_TRUE(hits.first().Keyword.startsWith(qs("düzlem")));
    // No keyword: the pages whose text holds the word, under their titles.
    const QList<THelpIndexEntry> helix = SearchHelp(QStringLiteral("helis"));
    ASSERT_EQ(helix.size(), 1);
    EXPECT_EQ(helix.first().PageId, QStringLiteral("koordinat"));
    EXPECT_EQ(helix.first().Keyword, QStringLiteral("Koordinat Sistemleri"));
    EXPECT_TRUE(SearchHelp(QStringLiteral("qqqzzz")).isEmpty());
    EXPECT_EQ(SearchHelp(QString()).size(), HelpIndex().size());
}

TEST(HelpViewer, SearchContentsHistoryAndHelpOnHelp)
{
    THelpViewer viewer;
    viewer.ShowKeywordSearch(QStringLiteral("kutupsal"));
    EXPECT_EQ(viewer.Tabs()->currentIndex(), 1);
    EXPECT_EQ(viewer.KeywordEdit()->text(), QStringLiteral("kutupsal"));
    ASSERT_GT(viewer.KeywordList()->count(), 0);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(viewer.KeywordEdit(), &enter);
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("koordinat"));

    // Typing narrows the list; clicking an entry opens its page.
    viewer.KeywordEdit()->setText(QStringLiteral("hesapla"));
    ASSERT_GT(viewer.KeywordList()->count(), 0);
    emit viewer.KeywordList()->itemClicked(viewer.KeywordList()->item(0));
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("hesaplayici"));

    viewer.ShowContents();
    EXPECT_EQ(viewer.Tabs()->currentIndex(), 0);
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("icindekiler"));
    EXPECT_EQ(viewer.ContentsList()->count(), HelpPages().size());
    emit viewer.ContentsList()->itemClicked(viewer.ContentsList()->item(2));
    EXPECT_EQ(viewer.CurrentPage(), HelpPages().at(2).Id);

    viewer.ShowHelpOnHelp();
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("yardim"));
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains(QStringLiteral("Dizin")));
    viewer.Browser()->backward();
    EXPECT_EQ(viewer.CurrentPage(), HelpPages().at(2).Id);
    viewer.Browser()->forward();
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("yardim"));
    // A link inside a page.
    viewer.Browser()->setSource(QUrl(QStringLiteral("velmo:palet")));
    EXPECT_TRUE(viewer.Browser()->toPlainText().startsWith(qs("Operatör Seçim")));
    EXPECT_FALSE(viewer.ShowPage(QStringLiteral("yok_boyle")));
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("palet"));
}

TEST(HelpViewer, OneWindowForTheProgram)
{
    THelpViewer& first = HelpViewer();
    EXPECT_EQ(&first, &HelpViewer());
    first.ShowContext(hcOperatorPalette);
    EXPECT_EQ(HelpViewer().CurrentPage(), QStringLiteral("palet"));
    EXPECT_EQ(first.windowTitle(), qs("Velmo Yardım"));
    EXPECT_TRUE(first.isWindow());
    CloseHelpViewer();
    CloseHelpViewer(); // nothing left to close
    EXPECT_EQ(HelpViewer().CurrentPage(), QStringLiteral("icindekiler"));
    CloseHelpViewer();
}

// The table of coordinate systems comes from the curve types' table and reads as the page
// always did, in both languages (line breaks between tags aside).
TEST(HelpPages, CoordinateSystemsTableFromTheCurveTypes)
{
    const auto joined = [](QString html) {
        return html.replace(QRegularExpression(QStringLiteral(">\\s+<")), QStringLiteral("><"));
    };
    EXPECT_EQ(joined(HelpPageParts::CurveTypeTableHtml(
                  { "Çizim tipi", "Değişken ve aralık", "Yazdığınız", "Nokta" }, "ile", false)),
        joined(QString::fromUtf8(R"(<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Çizim tipi</th><th>Değişken ve aralık</th><th>Yazdığınız</th><th>Nokta</th></tr>
<tr><td>XY Düzleminde</td><td>x: −10 ile 10</td><td>fy(x)</td><td>(x, fy, 0)</td></tr>
<tr><td>XZ Düzleminde</td><td>x: −10 ile 10</td><td>fz(x)</td><td>(x, 0, fz)</td></tr>
<tr><td>YZ Düzleminde</td><td>y: −10 ile 10</td><td>fz(y)</td><td>(0, y, fz)</td></tr>
<tr><td>XYZ Uzayında</td><td>x: −10 ile 10</td><td>fy(x), fz(x)</td><td>(x, fy, fz)</td></tr>
<tr><td>Küresel Sistemde</td><td>a: 0 ile π, b: 0 ile 2π</td><td>fx, fy, fz (a, b)</td>
<td>(fx, fy, fz)</td></tr>
<tr><td>Kutupsal Koordinatlarda</td><td>a: 0 ile 2π</td><td>R(a)</td>
<td>(R·cos a, R·sin a, 0)</td></tr>
<tr><td>Silindirik Koordinatlarda</td><td>t: −10 ile 10</td><td>fx(t), fy(t), fz(t)</td>
<td>(fx, fy, fz)</td></tr>
<tr><td>XYZ Yüzey</td><td>x: −10 ile 10, y: −10 ile 10</td><td>fz(x, y)</td>
<td>(x, y, fz)</td></tr>
<tr><td>Parametrik Yüzey</td><td>u: 0 ile 2π, v: 0 ile 2π</td><td>fx, fy, fz (u, v)</td>
<td>(fx, fy, fz)</td></tr>
</table>)")));
    EXPECT_EQ(joined(HelpPageParts::CurveTypeTableHtml(
                  { "Drawing type", "Variable and range", "You write", "Point" }, "to", true)),
        joined(QString::fromUtf8(R"(<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Drawing type</th><th>Variable and range</th><th>You write</th><th>Point</th></tr>
<tr><td>In the XY plane</td><td>x: −10 to 10</td><td>fy(x)</td><td>(x, fy, 0)</td></tr>
<tr><td>In the XZ plane</td><td>x: −10 to 10</td><td>fz(x)</td><td>(x, 0, fz)</td></tr>
<tr><td>In the YZ plane</td><td>y: −10 to 10</td><td>fz(y)</td><td>(0, y, fz)</td></tr>
<tr><td>In XYZ space</td><td>x: −10 to 10</td><td>fy(x), fz(x)</td><td>(x, fy, fz)</td></tr>
<tr><td>Spherical</td><td>a: 0 to π, b: 0 to 2π</td><td>fx, fy, fz (a, b)</td>
<td>(fx, fy, fz)</td></tr>
<tr><td>In polar coordinates</td><td>a: 0 to 2π</td><td>R(a)</td>
<td>(R·cos a, R·sin a, 0)</td></tr>
<tr><td>In cylindrical coordinates</td><td>t: −10 to 10</td><td>fx(t), fy(t), fz(t)</td>
<td>(fx, fy, fz)</td></tr>
<tr><td>XYZ Surface</td><td>x: −10 to 10, y: −10 to 10</td><td>fz(x, y)</td>
<td>(x, y, fz)</td></tr>
<tr><td>Parametric Surface</td><td>u: 0 to 2π, v: 0 to 2π</td><td>fx, fy, fz (u, v)</td>
<td>(fx, fy, fz)</td></tr>
</table>)")));
}
