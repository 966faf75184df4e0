// Macro files read: the template, lines and their classes, entries and their
// fields.

#include "core/macros/MacroReader.h"
#include "core/macros/MacroTemplate.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

QByteArray data(std::initializer_list<const char*> lines, const char* end = "\r\n")
{
    QByteArray out;
    for (const char* l : lines)
        out.append(l).append(end);
    return out;
}

QString text(const std::array<char, 2>& a) { return QString::fromLatin1(a.data(), 2); }
QString text(const std::array<char, 40>& a) { return QString::fromLatin1(a.data(), 40); }

TEST(MacroTemplate, FortyNineLinesEndedByCrLf)
{
    const QByteArray t = macroTemplateBytes();
    EXPECT_EQ(t.count("\r\n"), 49);
    EXPECT_EQ(t.count('\n'), 49);
    EXPECT_TRUE(t.startsWith("'Use this template as a base for new Coinwick macro files.\r\n\r\n'Macro files"));
    EXPECT_TRUE(t.endsWith("'You may create as many macro files as you wish, and each one may contain\r\n"
                           "'as many entries as you wish.\r\n"));
    EXPECT_TRUE(t.contains("\r\n'Blank lines, and lines which begin with  '  (remarks) are ignored.\r\n"));
    EXPECT_TRUE(t.contains("\r\n'************* begin actual macro lines ****************************\r\n"
                           "'(type here...)\r\n\r\n'************* end actual macro lines ******************************\r\n"));
    EXPECT_EQ(t.size(), 1906);
    EXPECT_TRUE(macroLineRecords(t).isEmpty());   // nothing in it is a data line
    // A new file's name is upper-cased as typed.
    EXPECT_EQ(newMacroFileName("payday") + '|' + newMacroFileName("pay.mcr"), "PAYDAY.MCR|PAY.MCR.MCR");
}

TEST(MacroLines, ClassesLineEndsAndEightyByteRecords)
{
    for (const auto& [line, kind] : {std::pair("'remark", MacroLineClass::Remark), {" 'not a remark", MacroLineClass::Data},
                                     {"", MacroLineClass::Blank}, {"   ", MacroLineClass::Data}})
        EXPECT_EQ(classifyMacroLine(line), kind) << line;

    EXPECT_EQ(splitMacroLines("a\r\nb\nc\rd\r\n\r\ne"), (std::vector<QByteArrayView>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(splitMacroLines("x\r\n").size(), 1u);
    const QByteArray longLine(100, 'x');
    const QByteArray records = macroLineRecords(data({"'remark", "FT", "", "   ", longLine.constData()}));
    ASSERT_EQ(records.size(), 3 * 80);
    EXPECT_EQ(records.left(80), QByteArray("FT") + QByteArray(78, ' '));
    EXPECT_EQ(records.mid(80, 80), QByteArray(80, ' '));
    EXPECT_EQ(records.mid(160), QByteArray(80, 'x'));
}

TEST(MacroEntries, TheTemplateExampleCompleteEntriesOnlyAndTheirFields)
{
    const QByteArray file = data({"'begin", "FT", "'amount next", "-100.00 <- the usual dollar amount", "",
                                  "payroll deduction"});
    const auto entries = readMacroEntries(macroLineRecords(file));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(text(entries[0].code), QStringLiteral("FT"));
    EXPECT_EQ(entries[0].amount, Money(-1000000));
    EXPECT_EQ(text(entries[0].note), QStringLiteral("payroll deduction").leftJustified(40));
    auto count = [](std::initializer_list<const char*> lines) {
        return readMacroEntries(macroLineRecords(data(lines, "\n"))).size();
    };
    EXPECT_EQ(count({}) + count({"FT"}) + count({"FT", "1"}), 0u);
    EXPECT_EQ(count({"FT", "1", "a", "AB"}) + count({"FT", "1", "a", "AB", "2"}), 2u);
    EXPECT_EQ(count({"FT", "1", "a", "AB", "2", "b"}), 2u);
    // The fields; in Windows-1252 upper case e acute gets its capital, sharp s has none.
    const QByteArray note = "  leading blanks kept and cut after forty characters";
    const auto fields = readMacroEntries(macroLineRecords(
        data({"  ft  ", "  $12.00", note.constData(), "abc", "1,250.00", "x", "   ", "   ", "y", "\xe9\xdf", "5", "z"})));
    ASSERT_EQ(fields.size(), 4u);
    QStringList shown;
    for (const MacroEntry& e : fields)
        shown << text(e.code) + ':' + QString::number(e.amount.value_or(-1)) + ':' + e.amountText;
    EXPECT_EQ(shown.join(u'|').toLatin1().toStdString(), "FT:0:$12.00|AB:10000:1,250.00|  :0:|\xc9\xdf:50000:5");
    EXPECT_EQ(QByteArray(fields[0].note.data(), 40), note.left(40));
}

} // namespace
} // namespace cw
