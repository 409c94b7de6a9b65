#include "ui/platform/help_page_parts.h"

#include "engine/vocabulary.h"

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

QString ContentsLinks(const QList<THelpPage>& pages)
{
    QString links;
    for (const THelpPage& p : pages)
        links += QStringLiteral("<li><a href=\"velmo:%1\">%2</a></li>").arg(p.Id, p.Title);
    return QStringLiteral("<ul>") + links + QStringLiteral("</ul>");
}

}
