#include "CategoryEditorLogic.h"

#include "store/Blanks.h"
#include "store/FileNames.h"
#include "store/RecordFile.h"
#include "store/SafeWrite.h"
#include "store/Win1252.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace cw {
namespace {

using CodeField = std::array<char, 2>;

CodeField codeField(const QString& text)
{
    CodeField field;
    putFixedText(field.data(), qsizetype(field.size()), text);
    return field;
}

Message confirmQuestion(const QString& text, Message::Icon icon)
{
    return {text, QStringLiteral("Confirm"), icon};
}

} // namespace

QString upperCode(const QString& code)
{
    QString out = code;
    for (QChar& c : out) {
        const QChar upper = c.toUpper();
        if (win1252Holds(upper))
            c = upper;
    }
    return out;
}

QString storedCategoryCode(const QString& typed)
{
    const CodeField field = codeField(upperCode(trimBlanks(typed)));
    return fromWin1252(field.data(), qsizetype(field.size()));
}

bool codeMatches(const CodeField& field, const QString& text)
{
    if (text.isEmpty() || text.size() > qsizetype(field.size()))
        return false;
    return codeField(text) == field;
}

namespace {

// Gives the entries of `oldCode` the new code in the data file's bytes; how many changed.
qsizetype recodeEntries(QByteArray& bytes, const QString& oldCode, const QString& newCode)
{
    const CodeField replacement = codeField(newCode);
    constexpr int size = LedgerEntryCodec::kSize;
    const qsizetype n = recordCount<LedgerEntry>(bytes);
    qsizetype changed = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char* code = bytes.data() + i * size + LedgerEntryCodec::kCodeOffset;
        CodeField field;
        std::memcpy(field.data(), code, field.size());
        if (codeMatches(field, oldCode) && field != replacement) {
            std::memcpy(code, replacement.data(), replacement.size());
            ++changed;
        }
    }
    return changed;
}

} // namespace

std::optional<Message> checkCategoryInput(const QString& code, const QString& name, bool nameCounts)
{
    const QString title = QStringLiteral("Entry Aborted");
    if (trimBlanks(code).isEmpty())
        return Message{QStringLiteral("No category code!"), title, Message::Icon::Warning};
    if (nameCounts && trimBlanks(name).isEmpty())
        return Message{QStringLiteral("No category name!"), title, Message::Icon::Warning};
    return std::nullopt;
}

Message duplicateWarning(const QString& code, const QString& selected)
{
    const QStringList lines = {
        QStringLiteral("Category ") + code + QStringLiteral(" already exists!"),
        QStringLiteral("If you continue, records from this and"),
        selected + QStringLiteral(" will be mixed together, and you"),
        QStringLiteral("will not be able to separate them!"),
        QStringLiteral("Continue?"),
    };
    return confirmQuestion(lines.join(u'\n'), Message::Icon::Warning);
}

Message deleteCategoryQuestion(const QString& name)
{
    return confirmQuestion(QStringLiteral("Delete category ") + name + QStringLiteral(" ?"), Message::Icon::Warning);
}

Message nothingSelectedMessage()
{
    return {QStringLiteral("Please select a category"), QStringLiteral("Nothing to do!"), Message::Icon::Warning};
}

Message categoryNotFoundMessage()
{
    return {QStringLiteral("Category not found - nothing changed"), QStringLiteral("Entry Aborted"),
            Message::Icon::Warning};
}

Message deleteEntriesQuestion()
{
    return confirmQuestion(QStringLiteral("Category deleted. Delete records too?"), Message::Icon::Warning);
}

Message areYouSureQuestion() { return confirmQuestion(QStringLiteral("ARE YOU SURE?"), Message::Icon::Critical); }

void sortCategories(std::vector<CategoryRecord>& categories)
{
    struct Keyed {
        QByteArray key;
        CategoryRecord record;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(categories.size());
    for (const CategoryRecord& c : categories)
        keyed.push_back({toWin1252(upperCode(c.codeText())), c});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return std::lexicographical_compare(a.key.begin(), a.key.end(), b.key.begin(), b.key.end(),
                                            [](char x, char y) { return uchar(x) < uchar(y); });
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        categories[i] = keyed[i].record;
}

CategoryEditorLogic::CategoryEditorLogic(Env& env, QString categoryFile, QString dataFile)
    : env_(env), categoryFile_(std::move(categoryFile)), dataFile_(std::move(dataFile))
{
}

Result<bool> CategoryEditorLogic::CatExists(QString& code) const
{
    code = upperCode(code);
    Result<std::vector<CategoryRecord>> categories = readRecords<CategoryRecord>(env_, categoryFile_);
    if (!categories)
        return categories.status();
    const QString wanted = trimBlanks(code);
    return std::any_of(categories->begin(), categories->end(),
                       [&](const CategoryRecord& c) { return codeMatches(c.code, wanted); });
}

Result<qsizetype> CategoryEditorLogic::ChangeRecCodes(const QString& oldCode, const QString& newCode) const
{
    Result<QByteArray> bytes = readRecordFile(env_, dataFile_);
    if (!bytes)
        return bytes.status();
    const qsizetype changed = recodeEntries(*bytes, oldCode, newCode);
    if (changed == 0)
        return qsizetype(0);
    // In place: every other byte, a trailing partial record too, is kept.
    if (Status s = writeFileSafely(env_, resolveFileName(env_, dataFile_), *bytes); !s)
        return s;
    return changed;
}

Result<qsizetype> CategoryEditorLogic::DeleteCatRecs(const QString& code, const Ask& ask) const
{
    if (!ask(deleteEntriesQuestion()) || !ask(areYouSureQuestion()))
        return qsizetype(0);
    return rewriteKeeping<LedgerEntry>(env_, dataFile_, kCategoryEntriesWorkName,
                                       [&](const LedgerEntry& e) { return !codeMatches(e.code, code); });
}

Status CategoryEditorLogic::save(const QString& code, const QString& name) const
{
    Result<std::vector<CategoryRecord>> categories = readRecords<CategoryRecord>(env_, categoryFile_);
    if (!categories)
        return categories.status();
    CategoryRecord added;
    added.setCode(storedCategoryCode(code));
    added.setName(trimBlanks(name));
    categories->push_back(added);
    sortCategories(*categories);
    return writeRecords(env_, categoryFile_, *categories);
}

namespace {

// The re-code note: five lines (category file, data file, old code, new
// code, UTF-8; the size of the new category file), then the new category
// file's bytes and the old one's.
struct RecodeNote {
    QString categoryFile, dataFile, oldCode, newCode;
    QByteArray after, before;

    QByteArray encode() const
    {
        QByteArray out;
        for (const QString& line : {categoryFile, dataFile, oldCode, newCode})
            out += line.toUtf8() + '\n';
        return out + QByteArray::number(after.size()) + '\n' + after + before;
    }

    static std::optional<RecodeNote> decode(const QByteArray& bytes)
    {
        RecodeNote note;
        QString size;
        QString* lines[] = {&note.categoryFile, &note.dataFile, &note.oldCode, &note.newCode, &size};
        qsizetype at = 0;
        for (QString* line : lines) {
            const qsizetype end = bytes.indexOf('\n', at);
            if (end < 0)
                return std::nullopt;
            *line = QString::fromUtf8(bytes.mid(at, end - at));
            at = end + 1;
        }
        bool ok = false;
        const qsizetype afterSize = size.toLongLong(&ok);
        if (!ok || afterSize < 0 || afterSize > bytes.size() - at)
            return std::nullopt;
        note.after = bytes.mid(at, afterSize);
        note.before = bytes.mid(at + afterSize);
        return note;
    }
};

// Not flushed: a note that comes back after a power cut finds the pair
// whole and changes nothing, and the next flushed change of the folder
// takes the removal to the disk.
Status dropRecodeNote(Env& env) { return env.removeFile(kRecodeNoteName); }

} // namespace

Status CategoryEditorLogic::finishInterruptedRecode(Env& env)
{
    FileStat st;
    if (Status s = env.statFile(kRecodeNoteName, &st); !s || st.kind != FileStat::Kind::Regular)
        return s;
    QByteArray bytes;
    if (Status s = env.readFile(kRecodeNoteName, &bytes, false); !s)
        return s;
    const std::optional<RecodeNote> note = RecodeNote::decode(bytes);
    if (note && !note->categoryFile.isEmpty()) {
        const QString path = resolveFileName(env, note->categoryFile);
        Result<QByteArray> now = readRecordFile(env, path);
        if (!now)
            return now.status();
        // A category file that is neither the old nor the new one was
        // changed since: the note is stale.
        if (*now != note->after && *now != note->before)
            return dropRecodeNote(env);
        if (*now != note->after)
            if (Status s = writeFileSafely(env, path, note->after); !s)
                return s;
        const CategoryEditorLogic logic(env, note->categoryFile, note->dataFile);
        if (Result<qsizetype> recoded = logic.ChangeRecCodes(note->oldCode, note->newCode); !recoded)
            return recoded.status();
    }
    return dropRecodeNote(env);
}

Result<bool> CategoryEditorLogic::replace(const QString& selected, const QString& code, const QString& name) const
{
    // Both files must take the change, or neither is touched.
    if (Status s = checkWritable(env_, resolveFileName(env_, categoryFile_)); !s)
        return s;
    if (Status s = checkWritable(env_, resolveFileName(env_, dataFile_)); !s)
        return s;
    Result<QByteArray> before = readRecordFile(env_, categoryFile_);
    if (!before)
        return before.status();
    std::vector<CategoryRecord> categories = decodeRecords<CategoryRecord>(*before);
    const auto found = std::find_if(categories.begin(), categories.end(),
                                    [&](const CategoryRecord& c) { return codeMatches(c.code, selected); });
    if (found == categories.end())
        return false;
    const QString newCode = storedCategoryCode(code);
    found->setCode(newCode);
    found->setName(trimBlanks(name));
    sortCategories(categories);
    // Whole records only, as the record-at-a-time rewrite leaves them.
    QByteArray after = encodeRecords(categories);
    after.append(before->mid(after.size()));
    const QString path = resolveFileName(env_, categoryFile_);
    const bool newCodeGiven = !codeMatches(codeField(newCode), selected);
    if (newCodeGiven) {
        const RecodeNote note{categoryFile_, dataFile_, selected, newCode, after, *before};
        if (Status s = writeFileSafely(env_, kRecodeNoteName, note.encode()); !s) {
            dropRecodeNote(env_);   // nothing was changed yet
            return Status::ioError(path, s.reason());   // named by the file the user changes
        }
    }
    const Status written = writeFileSafely(env_, path, after);
    Result<qsizetype> recoded = written ? ChangeRecCodes(selected, newCode) : Result<qsizetype>(written);
    // Done: the note goes (one left behind is stale, and dropped at the next start).
    if (newCodeGiven && recoded)
        dropRecodeNote(env_);
    if (!recoded) {
        // Both files old or both new. A failure after a rename (the folder
        // flush) leaves that file's new contents in place, so the categories
        // go back to the old ones only while entries still carry the old code.
        Result<QByteArray> data = readRecordFile(env_, dataFile_);
        bool putBack = true;
        if (!data || recodeEntries(*data, selected, newCode) > 0)
            putBack = writeFileSafely(env_, path, *before).isOk();
        // A pair not yet made whole keeps its note: the next start finishes it.
        if (newCodeGiven && putBack)
            dropRecodeNote(env_);
        return recoded.status();
    }
    return true;
}

Status CategoryEditorLogic::remove(const QString& typedCode) const
{
    bool removed = false;
    Result<qsizetype> dropped =
        rewriteKeeping<CategoryRecord>(env_, categoryFile_, kCategoryDeleteWorkName, [&](const CategoryRecord& c) {
            if (removed || !codeMatches(c.code, typedCode))
                return true;
            removed = true;
            return false;
        });
    return dropped.status();
}

} // namespace cw
