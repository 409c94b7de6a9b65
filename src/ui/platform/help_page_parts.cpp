#include "ui/platform/help_page_parts.h"

#include "base/catalogue.h"
#include "curves/curve_types.h"
#include "engine/vocabulary.h"

#include <cmath>

namespace {

QString escaped(std::string_view text) { return QString::fromUtf8(text).toHtmlEscaped(); }

QString wordFormOf(std::size_t code)
{
    for (const TWordOperator& word : WordOperatorTable)
        if (word.Code == code)
            return escaped(word.Word);
    return {};
}

QString tableHead(std::initializer_list<const char*> headings)
{
    QString row = QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\"><tr>");
    for (const char* heading : headings)
        row += QStringLiteral("<th>") + QString::fromUtf8(heading) + QStringLiteral("</th>");
    return row + QStringLiteral("</tr>");
}

// An end of a free variable's range as the help writes it: π, 2π or a whole number with
// the typographic minus.
QString rangeEnd(long double value)
{
    if (value == Pi)
        return QStringLiteral("π");
    if (value == CurveTypeDetail::TwoPi)
        return QStringLiteral("2π");
    const long long whole = std::llround(value);
    return whole < 0 ? QStringLiteral("−%1").arg(-whole) : QString::number(whole);
}

} // namespace

namespace HelpPageParts {

QString u(const char* text) { return QString::fromUtf8(text); }

QString html(const char* body) { return QString::fromUtf8(body); }

THelpPage page(
    const char* id, int context, const char* title, const char* keywords, const QString& body)
{
    THelpPage result;
    result.Id = u(id);
    result.Context = context;
    result.Title = u(title);
    result.Keywords = u(keywords).split(u'|', Qt::SkipEmptyParts);
    result.Html = QStringLiteral("<h2>") + result.Title + QStringLiteral("</h2>") + body;
    return result;
}

QString Described(std::span<const char* const> descriptions, int code)
{
    if (code < 0 || code >= static_cast<int>(descriptions.size()))
        return {};
    return u(descriptions[static_cast<std::size_t>(code)]);
}

QString OperatorTableHtml(std::span<const char* const> descriptions, const char* symbol,
    const char* word, const char* operation, const char* precedence)
{
    QString rows;
    for (std::size_t code = 0; code < OperatorTable.size(); ++code)
        rows += QStringLiteral("<tr><td><tt>%1</tt></td><td><tt>%2</tt></td><td>%3</td>"
                               "<td align=\"center\">%4</td></tr>")
                    .arg(escaped(OperatorTable[code].Symbol), wordFormOf(code),
                        u(descriptions[code]))
                    .arg(OperatorTable[code].Precedence);
    return tableHead({ symbol, word, operation, precedence }) + rows + QStringLiteral("</table>");
}

QString FunctionTableHtml(
    std::span<const char* const> descriptions, const char* function, const char* computes)
{
    QString rows;
    for (std::size_t code = 0; code < FunctionTable.size(); ++code)
        rows += QStringLiteral("<tr><td><tt>%1(x)</tt></td><td>%2</td></tr>")
                    .arg(escaped(FunctionTable[code]), u(descriptions[code]));
    return tableHead({ function, computes }) + rows + QStringLiteral("</table>");
}

QString CurveTypeTableHtml(std::initializer_list<const char*> headings, const char* through,
    bool english)
{
    QString rows;
    for (const TCurveTypeRow& type : CurveTypes) {
        QStringList ranges;
        for (const TFreeVariable& variable : type.Variables)
            if (variable.Name != nullptr)
                ranges << QStringLiteral("%1: %2 %3 %4")
                              .arg(u(variable.Name).toLower(), rangeEnd(variable.Start),
                                  u(through), rangeEnd(variable.End));
        const char* englishCaption = english ? EnglishOf(type.HelpCaption) : nullptr;
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                    .arg(u(englishCaption != nullptr ? englishCaption : type.HelpCaption),
                        ranges.join(QStringLiteral(", ")), u(type.HelpFormulas),
                        u(type.HelpPoint));
    }
    return tableHead(headings) + QStringLiteral("\n") + rows + QStringLiteral("</table>");
}

QString ContentsLinks(const QList<THelpPage>& pages)
{
    QString links;
    for (const THelpPage& p : pages)
        links += QStringLiteral("<li><a href=\"velmo:%1\">%2</a></li>").arg(p.Id, p.Title);
    return QStringLiteral("<ul>") + links + QStringLiteral("</ul>");
}

}
