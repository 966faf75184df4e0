#pragma once
// The fault-injecting Env: every disk call is logged; a rule fails a call (with
// its reason) or kills the process (SIGKILL) as a crash would. A failed append
// writes half its bytes first, as a writer cut off mid-write.

#include "store/Env.h"

#include <QFileInfo>
#include <algorithm>
#include <csignal>
#include <functional>
#include <optional>
#include <unistd.h>
#include <vector>

namespace cwtest {

class FaultEnv : public cw::EnvWrapper {
public:
    enum class Kind { Read, Create, Append, Write, Sync, Close, Rename, Remove, SyncDir };
    struct Call {
        int index;
        Kind kind;
        QString path;   // the target of a rename
        bool failed = false;
        QString from = {};   // the source of a rename
    };
    // The reason a call fails, or nullopt for a call that goes through.
    using Rule = std::function<std::optional<QString>(const Call&)>;

    enum class Mode { Count, Fail, Kill };
    // Count only, or fail / kill the call numbered `at` (from 0).
    FaultEnv(Mode mode = Mode::Count, int at = -1) : FaultEnv(ruleFor(mode, at)) {}
    explicit FaultEnv(Rule rule) : EnvWrapper(cw::Env::posix()), rule_(std::move(rule)) {}

    // Rules: every call of `kind` to a file of that name fails.
    static Rule failing(Kind kind, const QString& name, const QString& reason = QStringLiteral("Input/output error"))
    {
        return [=](const Call& c) -> std::optional<QString> {
            if (c.kind == kind && QFileInfo(c.path).fileName() == QFileInfo(name).fileName())
                return reason;
            return std::nullopt;
        };
    }

    int calls() const { return int(log.size()); }
    int count(Kind kind) const { return int(std::count_if(log.begin(), log.end(), [kind](const Call& c) { return c.kind == kind; })); }
    std::vector<Call> log;

    cw::Status readFile(const QString& p, QByteArray* o, bool c) override
    {
        if (auto s = step(Kind::Read, p); !s) return s;
        return EnvWrapper::readFile(p, o, c);
    }
    cw::Status readFileInChunks(const QString& p, bool c, const ChunkSink& sink) override
    {
        if (auto s = step(Kind::Read, p); !s) return s;
        return EnvWrapper::readFileInChunks(p, c, sink);
    }
    cw::Status newWritableFile(const QString& p, std::unique_ptr<cw::WritableFile>* o) override
    {
        if (auto s = step(Kind::Create, p); !s) return s;
        cw::Status s = EnvWrapper::newWritableFile(p, o);
        if (s) *o = std::make_unique<File>(this, p, std::move(*o));
        return s;
    }
    cw::Status newAppendableFile(const QString& p, std::unique_ptr<cw::WritableFile>* o) override
    {
        if (auto s = step(Kind::Create, p); !s) return s;
        cw::Status s = EnvWrapper::newAppendableFile(p, o);
        if (s) *o = std::make_unique<File>(this, p, std::move(*o));
        return s;
    }
    cw::Status renameFile(const QString& f, const QString& t) override
    {
        auto s = step(Kind::Rename, t);
        log.back().from = f;
        if (!s) return s;
        return EnvWrapper::renameFile(f, t);
    }
    cw::Status removeFile(const QString& p) override
    {
        if (auto s = step(Kind::Remove, p); !s) return s;
        cw::Status s = EnvWrapper::removeFile(p);
        if (!s)
            log.back().failed = true;
        return s;
    }
    cw::Status syncDir(const QString& d) override
    {
        if (auto s = step(Kind::SyncDir, d); !s) return s;
        return EnvWrapper::syncDir(d);
    }

    // One real call: logged, then failed or killed when the rule says so.
    cw::Status step(Kind kind, const QString& file)
    {
        log.push_back({int(log.size()), kind, file});
        const std::optional<QString> reason = rule_ ? rule_(log.back()) : std::nullopt;
        if (!reason)
            return cw::Status::ok();
        log.back().failed = true;
        return cw::Status::ioError(file, *reason);
    }

private:
    static Rule ruleFor(Mode mode, int at)
    {
        if (mode == Mode::Count)
            return {};
        return [mode, at](const Call& c) -> std::optional<QString> {
            if (c.index != at)
                return std::nullopt;
            if (mode == Mode::Kill)
                ::kill(::getpid(), SIGKILL);
            return QStringLiteral("Input/output error (injected)");
        };
    }

    class File : public cw::WritableFile {
    public:
        File(FaultEnv* env, QString path, std::unique_ptr<cw::WritableFile> inner)
            : env_(env), path_(std::move(path)), inner_(std::move(inner)) {}
        cw::Status append(QByteArrayView d) override
        {
            if (auto s = env_->step(Kind::Append, path_); !s) {
                inner_->append(d.first(d.size() / 2));
                return s;
            }
            return inner_->append(d);
        }
        cw::Status sync() override
        {
            if (auto s = env_->step(Kind::Sync, path_); !s) return s;
            return inner_->sync();
        }
        cw::Status close() override
        {
            if (auto s = env_->step(Kind::Close, path_); !s) { inner_->close(); return s; }
            return inner_->close();
        }
        cw::Status setPermissions(unsigned mode) override { return inner_->setPermissions(mode); }

    private:
        FaultEnv* env_;
        QString path_;
        std::unique_ptr<cw::WritableFile> inner_;
    };

    Rule rule_;
};

} // namespace cwtest
