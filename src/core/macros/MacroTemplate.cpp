#include "MacroTemplate.h"

#include <memory>

namespace cw {
namespace {

constexpr const char* kTemplateLines[] = {
    "'Use this template as a base for new Coinwick macro files.",
    "",
    "'Macro files are plain ASCII text files which can be created with the",
    "'Windows Notepad program, or other text editors.",
    "",
    "'Macro files are used to automate the input of recurring transactions - all",
    "'those various deductions from your payroll check being a fine example.",
    "'Instead of having to input single entries for federal tax, state tax,",
    "'social security, etc. every payday, create a macro file that does it for",
    "'you.",
    "",
    "'Blank lines, and lines which begin with  '  (remarks) are ignored.",
    "",
    "'Macro format:",
    "",
    "'A single macro file may contain as many entries as you wish. There are",
    "'three items that you must include in the macro file for each entry:",
    "",
    "'1) the two-character category code",
    "'2) the amount of the transaction",
    "'3) the note",
    "",
    "'These items must be specified one after the other, each on a single line.",
    "",
    "'In the example immediately below, pretend that the beginning  '  and",
    "'everything after and including  <- does not exist.",
    "",
    "'************ begin example entry **********************************",
    "'ft <- category code being used for federal income tax",
    "'-100.00 <- the usual dollar amount for this (note minus sign)",
    "'payroll deduction <- a note about it",
    "'************ end example entry ************************************",
    "",
    "'Each set of three sequential lines in the macro file which are not either",
    "'blank or begining with  '  will be read into the current data file as",
    "'an entry.",
    "",
    "'Type in your actual macro file lines in between the two strings of",
    "'stars below.",
    "",
    "'************* begin actual macro lines ****************************",
    "'(type here...)",
    "",
    "'************* end actual macro lines ******************************",
    "",
    "'I'd recommend leaving all the remarks in place for future reference.",
    "",
    "'You may create as many macro files as you wish, and each one may contain",
    "'as many entries as you wish.",
};

static_assert(std::size(kTemplateLines) == 49);

} // namespace

QByteArray macroTemplateBytes()
{
    QByteArray out;
    for (const char* line : kTemplateLines) {
        out.append(line);
        out.append("\r\n");
    }
    return out;
}

QString newMacroFileName(const QString& typed) { return typed.toUpper() + QStringLiteral(".MCR"); }

Status appendMacroTemplate(Env& env, const QString& path)
{
    std::unique_ptr<WritableFile> file;
    Status s = env.newAppendableFile(path, &file);
    if (s)
        s = file->append(macroTemplateBytes());
    if (s)
        s = file->sync();
    if (file) {
        const Status closed = file->close();
        if (s)
            s = closed;
    }
    return s;
}

} // namespace cw
