#pragma once
// The words of a PDF with their positions, from `pdftotext -bbox` (plain
// text output drops leading empty lines and indents), grouped into the text
// rows of each page. Positions are in points from the page's top left.

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTextDocumentFragment>

#include <algorithm>

namespace cwtest {

struct PdfWord {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

// One text row: the words at one height, left to right.
struct PdfRow {
    double y = 0;
    QList<PdfWord> words;
    double x() const { return words.first().xMin; }
    QString text() const
    {
        QStringList t;
        for (const PdfWord& w : words)
            t << w.text;
        return t.join(u' ');
    }
};

using PdfPage = QList<PdfRow>;

// Runs `pdftotext -bbox FILE -`; empty when it fails.
inline QList<PdfPage> pdfRows(const QString& pdftotext, const QString& pdf)
{
    QProcess tool;
    tool.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());

    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re"));
    QList<QList<PdfWord>> pages;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page "))
            pages.append(QList<PdfWord>());
        else if (!pages.isEmpty())
            pages.last().append(PdfWord{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                                        m.captured(4).toDouble(), QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText()});
    }

    QList<PdfPage> out;
    for (QList<PdfWord>& words : pages) {
        std::ranges::sort(words, {}, [](const PdfWord& w) { return std::pair(w.yMin, w.xMin); });
        PdfPage page;
        for (const PdfWord& w : words) {
            if (page.isEmpty() || w.yMin - page.last().y > 0.5)
                page.append(PdfRow{w.yMin, {}});
            page.last().words.append(w);
        }
        for (PdfRow& row : page)
            std::ranges::sort(row.words, {}, &PdfWord::xMin);
        out.append(page);
    }
    return out;
}

} // namespace cwtest
