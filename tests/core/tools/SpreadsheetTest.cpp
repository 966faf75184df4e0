// An exported file opened in a real spreadsheet program: LibreOffice Calc,
// headless, converts it to a flat OpenDocument spreadsheet whose cells are
// then read back. LibreOffice is required (see RequireTool.h).

#include "support/Records.h"
#include "support/TempFolder.h"
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
    std::vector<CategoryRecord> selection(3);
    selection[1].setCode(QStringLiteral("FD"));
    selection[2].setCode(QStringLiteral("A"));
    cwtest::writeBytes(QStringLiteral("tempcats.$$$"), encodeRecords(selection));
    const QString target = folder.path(QStringLiteral("CWK_DATA.TXT"));
    ASSERT_TRUE(commafile(*Env::posix(), target, folder.path(QStringLiteral("1998CWK.DAT")),
                          folder.path(QStringLiteral("tempcats.$$$")), 1, 12, u'A')
                    .isOk());

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

    const auto rows = readRows(fods);
    ASSERT_EQ(rows.size(), 5u);
    struct Expected {
        const char* date;
        const char* code;
        const char* value;
        QString note;
    };
    const Expected expected[] = {
        {"03-15-1998", "FD", "-12.5", QStringLiteral("Lunch")},
        {"03-16-1998", "A ", "0.5", QStringLiteral("say  hi  caf\u00e9")},
        {"03-17-1998", "FD", "1000000", QStringLiteral("Salary, March")},
        {"03-18-1998", "A ", "-0.0001", QStringLiteral("tiny")},
        {"03-19-1998", "FD", "0", QString()},
    };
    for (size_t r = 0; r < rows.size(); ++r) {
        SCOPED_TRACE(r);
        ASSERT_EQ(rows[r].size(), 4u);
        EXPECT_EQ(rows[r][0].text, QString::fromLatin1(expected[r].date));
        EXPECT_EQ(rows[r][1].text, QString::fromLatin1(expected[r].code));
        EXPECT_EQ(rows[r][2].type, QStringLiteral("float"));
        EXPECT_EQ(rows[r][2].value, QString::fromLatin1(expected[r].value));
        EXPECT_EQ(rows[r][3].type, QStringLiteral("string"));
        EXPECT_EQ(rows[r][3].text, expected[r].note.leftJustified(40));
    }
}

} // namespace
} // namespace cw
