#pragma once
// The category editor's work without its widgets: input checks, the
// questions it asks, and the changes to the year category file (kept in
// order of the upper-cased code) and to the entries of the year data file.
//
// A code typed or selected is compared with a stored two-character code as
// the field holds it: a one-character code equals the code and a blank ("A"
// and "A "). A text longer than two characters, or empty, equals no code.

#include "store/CategoryRecord.h"
#include "store/Env.h"
#include "store/Message.h"

#include <functional>
#include <optional>
#include <vector>

namespace cw {

// Upper-cases a code character by character (a character without a single
// upper-case partner is kept).
QString upperCode(const QString& code);

// The code as Save and Replace store it: trimmed, upper-cased, blank-filled
// to two characters ("a" -> "A ").
QString storedCategoryCode(const QString& typed);

// True when `text` equals the two-character `field` once blank-filled.
bool codeMatches(const std::array<char, 2>& field, const QString& text);

// "No category code!" for a blank code, then (when the name counts)
// "No category name!" for a blank name; title "Entry Aborted".
std::optional<Message> checkCategoryInput(const QString& code, const QString& name, bool nameCounts);

// The five-line warning before a code is used twice; `code` is the trimmed,
// upper-cased code typed, `selected` the selected category code.
Message duplicateWarning(const QString& code, const QString& selected);
// "Delete category Food ?", exclamation icon.
Message deleteCategoryQuestion(const QString& name);
// "Please select a category", title "Nothing to do!".
Message nothingSelectedMessage();
// "Category not found - nothing changed", title "Entry Aborted": Replace
// when no category carries the selected code.
Message categoryNotFoundMessage();
// The two questions before a deleted category's entries go.
Message deleteEntriesQuestion();
Message areYouSureQuestion();

// The category file's order: a stable sort by the upper-cased code,
// character by character on the Windows-1252 character codes; the stored
// codes keep their own case. Save and Replace sort in the same rewrite that
// stores the category.
void sortCategories(std::vector<CategoryRecord>& categories);

// The note of a re-code in progress, a work file of the working folder: the
// start finishes what it notes before the leftover work files go.
inline const QString kRecodeNoteName = QStringLiteral("recode.$$$");

class CategoryEditorLogic {
public:
    using Ask = std::function<bool(const Message&)>;

    CategoryEditorLogic(Env& env, QString categoryFile, QString dataFile);

    // Upper-cases `code` in the caller's variable and tells whether a stored
    // category carries it (blanks around the code do not count).
    Result<bool> CatExists(QString& code) const;

    // Every entry whose code equals `oldCode` gets `newCode`; the others stay
    // as they are. Returns how many changed; nothing is written for none.
    Result<qsizetype> ChangeRecCodes(const QString& oldCode, const QString& newCode) const;

    // Asks the two questions; after two Yes answers removes every entry whose
    // code equals `code`, through "tempfile.$$$". Returns how many went.
    Result<qsizetype> DeleteCatRecs(const QString& code, const Ask& ask) const;

    // Adds a category (code trimmed and upper-cased, name trimmed) and keeps
    // the file sorted: one rewrite.
    Status save(const QString& code, const QString& name) const;

    // Gives the first category carrying `selected` the new code and name,
    // keeps the file sorted, and re-codes the entries of `selected`. False
    // when no category carries `selected`: then neither file changes. When
    // the entries cannot be re-coded the category file is put back. A new
    // code is first noted in the re-code note (kRecodeNoteName), so that a
    // run killed between the two files is finished at the next start.
    Result<bool> replace(const QString& selected, const QString& code, const QString& name) const;

    // Removes the first category carrying `typedCode` (case-sensitive, blanks
    // as typed) through "tempkeys.$$$"; the file is rewritten even when none
    // does.
    Status remove(const QString& typedCode) const;

    // The re-code a killed run left unfinished, finished: the category file
    // as the note holds it and the entries re-coded. Nothing when there is
    // no note.
    static Status finishInterruptedRecode(Env& env);

private:
    Env& env_;
    QString categoryFile_;
    QString dataFile_;
};

} // namespace cw
