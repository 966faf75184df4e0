#include "UndoHistory.h"

#include "store/Env.h"
#include "store/FileNames.h"
#include "store/RecordFile.h"
#include "store/SafeWrite.h"

namespace cw {
namespace {

int recordSizeOf(const QString& name)
{
    if (name.endsWith(QStringLiteral("CWK.DAT"), Qt::CaseInsensitive))
        return LedgerEntryCodec::kSize;
    if (name.endsWith(QStringLiteral("CATS.DAT"), Qt::CaseInsensitive))
        return CategoryRecordCodec::kSize;
    return 1;
}

// The file as it stands: whether it exists, and its bytes.
Status readNow(Env& env, const QString& name, bool* exists, FileContents* contents)
{
    FileStat stat;
    if (Status s = env.statFile(name, &stat); !s)
        return s;
    *exists = stat.kind != FileStat::Kind::Missing;
    if (!*exists) {
        *contents = FileContents();
        return Status::ok();
    }
    return env.mapFile(name, false, contents);
}

// Makes `file` hold `bytes`, or removes it when it is not to exist.
Status putInPlace(Env& env, const QString& file, bool exists, QByteArrayView bytes)
{
    if (!exists)
        return env.removeFile(file);
    return writeFileSafely(env, file, bytes);
}

} // namespace

UndoHistory::Held UndoHistory::hold(Env& env, const QStringList& files) const
{
    Held held;
    for (const QString& file : files) {
        Held::File f;
        f.name = resolveFileName(env, file);
        if (!readNow(env, f.name, &f.exists, &f.contents))
            held.unreadable = true;
        held.files.push_back(std::move(f));
    }
    return held;
}

void UndoHistory::keep(Env& env, Held held)
{
    Step step;
    for (Held::File& before : held.files) {
        bool exists = false;
        FileContents now;
        if (held.unreadable || !readNow(env, before.name, &exists, &now)) {
            forget();
            return;
        }
        if (exists == before.exists && now.view() == before.contents.view())
            continue;
        step.push_back(changeBetween(before.name, now.view(), exists, before.contents.view(), before.exists,
                                     recordSizeOf(before.name)));
    }
    if (step.empty())
        return;
    undo_.push_back(std::move(step));
    if (undo_.size() > size_t(kSteps))
        undo_.pop_front();
    redo_.clear();
    emit changed();
}

void UndoHistory::forget()
{
    if (undo_.empty() && redo_.empty())
        return;
    undo_.clear();
    redo_.clear();
    emit changed();
}

UndoHistory::Outcome UndoHistory::undo(Env& env) { return takeBack(env, undo_, redo_); }
UndoHistory::Outcome UndoHistory::redo(Env& env) { return takeBack(env, redo_, undo_); }

UndoHistory::Outcome UndoHistory::takeBack(Env& env, std::deque<Step>& from, std::deque<Step>& to)
{
    if (from.empty())
        return {};
    const Step& step = from.back();
    // Every file is read and checked before any is written.
    std::vector<FileContents> now(step.size());
    for (size_t i = 0; i < step.size(); ++i) {
        bool exists = false;
        if (Status s = readNow(env, step[i].file, &exists, &now[i]); !s)
            return {s, {}};
        if (!changeAppliesTo(step[i], now[i].view(), exists)) {
            Outcome refused{Status::ok(), step[i].file};
            from.pop_back();
            emit changed();
            return refused;
        }
    }
    Step back;
    for (size_t i = 0; i < step.size(); ++i) {
        const QByteArray other = applyChange(step[i], now[i].view());
        if (Status s = putInPlace(env, step[i].file, step[i].toExists, other); !s) {
            // The files already taken back are put as they were, an absent one removed again.
            for (size_t j = 0; j < i; ++j)
                putInPlace(env, step[j].file, step[j].fromExists, now[j].view());
            return {s, {}};
        }
        back.push_back(reverseChange(step[i], now[i].view(), other));
    }
    from.pop_back();
    to.push_back(std::move(back));
    emit changed();
    return {};
}

qsizetype UndoHistory::heldBytes() const
{
    qsizetype total = 0;
    for (const auto* stack : {&undo_, &redo_})
        for (const Step& step : *stack)
            for (const FileChange& c : step)
                total += c.payload.size();
    return total;
}

Message undoRefusedMessage(const QString& file, bool redo)
{
    return {(redo ? QStringLiteral("Redo not possible: ") : QStringLiteral("Undo not possible: ")) + file +
                QStringLiteral(" was changed since."),
            kProgramTitle, Message::Icon::Warning};
}

UndoScope::UndoScope(UndoHistory* history, Env& env, const QStringList& files) : history_(history), env_(env)
{
    if (history_)
        held_ = history_->hold(env_, files);
}

UndoScope::~UndoScope()
{
    if (history_)
        history_->keep(env_, std::move(held_));
}

} // namespace cw
