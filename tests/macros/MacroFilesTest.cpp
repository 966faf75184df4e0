#include "support/Ledgers.h"
#include "core/macros/MacroFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(MacroFiles, AnyLetterCaseSortedWithoutFolders)
{
    cwtest::Folder folder;
    for (const char* name : {"pay.mcr", "Bills.MCR", "a.Mcr", "notes.nts", "mcr", "x.mcr.bak"})
        folder.write(QString::fromLatin1(name), "x");
    QDir().mkpath(folder.path(QStringLiteral("folder.mcr")));
    const Result<QStringList> names = macroFileNames(*Env::posix(), folder.path(QString()));
    ASSERT_TRUE(names.isOk());
    EXPECT_EQ(*names, QStringList({"a.Mcr", "Bills.MCR", "pay.mcr"}));
    EXPECT_FALSE(macroFileNames(*Env::posix(), folder.path(QStringLiteral("none"))).isOk());
}

} // namespace
} // namespace cw
