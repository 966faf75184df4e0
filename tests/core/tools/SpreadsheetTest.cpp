// An exported file opened by LibreOffice Calc, headless, converted to a flat
// OpenDocument spreadsheet whose cells are read back (see RequireTool.h).

#include "support/Records.h"
#include "support/RequireTool.h"
#include "core/tools/CommaExport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace cw {
namespace {

using namespace cwtest;

// Each row of the flat spreadsheet, a cell as "type:value:text", with the
// blanks that <text:s/> stands for.
QList<QStringList> readRows(QString fods)
{
    static const QRegularExpression blanks(R"re(<text:s(?: text:c="(\d+)")?/>)re"), cell(
        R"re(<table:table-cell (?:office:value-type="(\w+)")?(?: office:value="([^"]*)")?[^>]*>\s*<text:p>(.*?)</text:p>)re");
    for (QRegularExpressionMatch b; (b = blanks.match(fods)).hasMatch();)
        fods.replace(b.capturedStart(), b.capturedLength(), QString(b.captured(1).isEmpty() ? 1 : b.captured(1).toInt(), u' '));
    QList<QStringList> rows;
    for (const QString& row : fods.split(QStringLiteral("<table:table-row")).mid(1)) {
        rows.append(QStringList());
        for (const QRegularExpressionMatch& m : cell.globalMatch(row))
            rows.last() << m.captured(1) + ':' + m.captured(2) + ':' + m.captured(3);
    }
    return rows;
}

TEST(Spreadsheet, ExportOpensWithNumbersAsNumbers)
{
    CW_REQUIRE_TOOL(soffice, "soffice")
    int argc = 1;
    char name[] = "spreadsheet_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    pinLocale();

    TempFolder folder;
    writeBytes(QStringLiteral("1998CWK.DAT"), bytesOf({entry("03-15-98", "FD", -125000, "Lunch"),
                                                       entry("03-16-98", "A", 5000, QStringLiteral("say \"hi\" caf\u00e9")),
                                                       entry("03-17-98", "FD", 10000000000, "Salary, March"),
                                                       entry("03-18-98", "A", -1, "tiny"), entry("03-19-98", "FD", 0, "")}));
    writeBytes(QStringLiteral("tempcats.$$$"), encodeRecords(selection({"FD", "A"})));
    const QString target = folder.path(QStringLiteral("CWK_DATA.TXT"));
    ASSERT_TRUE(commafile(*Env::posix(), target, folder.path("1998CWK.DAT"), folder.path("tempcats.$$$"), 1, 12, u'A').isOk());

    // Comma-separated, quoted by double quotes, Windows-1252, from line 1.
    QProcess office;
    office.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                           QStringLiteral("-env:UserInstallation=file://") + folder.path(QStringLiteral("profile")),
                           QStringLiteral("--infilter=Text - txt - csv (StarCalc):44,34,1,1"),
                           QStringLiteral("--convert-to"), QStringLiteral("fods"), QStringLiteral("--outdir"),
                           folder.path(QStringLiteral("out")), target});
    ASSERT_TRUE(office.waitForFinished(300000));
    const QByteArray fods = readBytes(QStringLiteral("out/CWK_DATA.fods"));
    ASSERT_FALSE(fods.isEmpty()) << office.readAllStandardError().constData();

    // Date and code as text, the amount a number, the note text of 40 characters.
    QStringList rows;
    for (const QStringList& r : readRows(QString::fromUtf8(fods))) {
        ASSERT_EQ(r.size(), 4);
        EXPECT_EQ(r[3].section(u':', 2).size(), 40);
        rows << r[0].section(u':', 2) + '|' + r[1].section(u':', 2) + '|' + r[2].section(u':', 0, 1) + '|' + r[3].section(u':', 0, 0) + ':'
                + r[3].section(u':', 2).trimmed();
    }
    EXPECT_EQ(rows.join('\n').toStdString(), QStringLiteral("03-15-1998|FD|float:-12.5|string:Lunch\n"
                                                             "03-16-1998|A |float:0.5|string:say  hi  caf\u00e9\n"
                                                             "03-17-1998|FD|float:1000000|string:Salary, March\n"
                                                             "03-18-1998|A |float:-0.0001|string:tiny\n03-19-1998|FD|float:0|string:")
                                                  .toStdString());
}

} // namespace
} // namespace cw
