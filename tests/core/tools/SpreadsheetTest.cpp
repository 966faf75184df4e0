// An exported file opened in a real spreadsheet program: LibreOffice Calc,
// headless, converts it to a flat OpenDocument spreadsheet whose cells are
// then read back. LibreOffice is required (see RequireTool.h).

#include "support/Records.h"
#include "support/RequireTool.h"
#include "core/tools/CommaExport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace cw {
namespace {

struct Cell {
    QString type;    // office:value-type
    QString value;   // office:value, for numbers
    QString text;
};

// The cells of every row, with the blanks that <text:s/> stands for.
std::vector<std::vector<Cell>> readRows(const QByteArray& fods)
{
    std::vector<std::vector<Cell>> rows;
    QXmlStreamReader xml(fods);
    bool inText = false;   // inside a cell's paragraph
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            if (name == u"table-row") {
                rows.emplace_back();
            } else if (name == u"table-cell" && !rows.empty()) {
                const auto a = xml.attributes();
                rows.back().push_back({a.value(QStringLiteral("office:value-type")).toString(),
                                       a.value(QStringLiteral("office:value")).toString(), QString()});
            } else if (name == u"p" && !rows.empty() && !rows.back().empty()) {
                inText = true;
            } else if (name == u"s" && inText) {
                const QStringView c = xml.attributes().value(QStringLiteral("text:c"));
                rows.back().back().text += QString(c.isEmpty() ? 1 : c.toInt(), u' ');
            }
        } else if (xml.isEndElement() && name == u"p") {
            inText = false;
        } else if (xml.isCharacters() && inText) {
            rows.back().back().text += xml.text();
        }
    }
    return rows;
}

TEST(Spreadsheet, ExportOpensWithNumbersAsNumbers)
{
    CW_REQUIRE_TOOL(soffice, "soffice")
    int argc = 1;
    char name[] = "utilities_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    cwtest::pinLocale();

    cwtest::TempFolder folder;
    cwtest::writeBytes(QStringLiteral("1998CWK.DAT"),
                 cwtest::bytesOf({cwtest::entry("03-15-98", "FD", -125000, "Lunch"),
                                cwtest::entry("03-16-98", "A", 5000, QStringLiteral("say \"hi\" caf\u00e9")),
                                cwtest::entry("03-17-98", "FD", 10000000000, "Salary, March"),
                                cwtest::entry("03-18-98", "A", -1, "tiny"), cwtest::entry("03-19-98", "FD", 0, "")}));
    cwtest::writeBytes(QStringLiteral("tempcats.$$$"), encodeRecords(cwtest::selection({"FD", "A"})));
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
    const QByteArray fods = cwtest::readBytes(QStringLiteral("out/CWK_DATA.fods"));
    ASSERT_FALSE(fods.isEmpty()) << office.readAllStandardError().constData();

    // Date and code as text, the amount a number, the note text of 40 characters.
    QStringList rows;
    for (const std::vector<Cell>& r : readRows(fods)) {
        ASSERT_EQ(r.size(), 4u);
        EXPECT_EQ(r[3].text.size(), 40);
        rows << r[0].text + '|' + r[1].text + '|' + r[2].type + ':' + r[2].value + '|' + r[3].type + ':' + r[3].text.trimmed();
    }
    EXPECT_EQ(rows.join('\n').toStdString(), QStringLiteral("03-15-1998|FD|float:-12.5|string:Lunch\n"
                                                             "03-16-1998|A |float:0.5|string:say  hi  caf\u00e9\n"
                                                             "03-17-1998|FD|float:1000000|string:Salary, March\n"
                                                             "03-18-1998|A |float:-0.0001|string:tiny\n03-19-1998|FD|float:0|string:")
                                                  .toStdString());
}

} // namespace
} // namespace cw
