#pragma once
// An Env for tests: counts every real call to the disk and, at a chosen call,
// either fails it (an I/O error) or ends the process at once (SIGKILL), as a
// crash or power cut would.

#include "store/Env.h"

#include <csignal>
#include <unistd.h>

namespace cwtest {

class FaultEnv : public cw::EnvWrapper {
public:
    enum class Mode { Count, Fail, Kill };

    FaultEnv(Mode mode = Mode::Count, int at = -1) : EnvWrapper(cw::Env::posix()), mode_(mode), at_(at) {}

    int calls() const { return calls_; }

    cw::Status readFile(const QString& p, QByteArray* o, bool c) override
    {
        if (auto s = step(p); !s) return s;
        return EnvWrapper::readFile(p, o, c);
    }
    cw::Status readFileInChunks(const QString& p, bool c, const ChunkSink& sink) override
    {
        if (auto s = step(p); !s) return s;
        return EnvWrapper::readFileInChunks(p, c, sink);
    }
    cw::Status newWritableFile(const QString& p, std::unique_ptr<cw::WritableFile>* o) override
    {
        if (auto s = step(p); !s) return s;
        cw::Status s = EnvWrapper::newWritableFile(p, o);
        if (s) *o = std::make_unique<File>(this, p, std::move(*o));
        return s;
    }
    cw::Status newAppendableFile(const QString& p, std::unique_ptr<cw::WritableFile>* o) override
    {
        if (auto s = step(p); !s) return s;
        cw::Status s = EnvWrapper::newAppendableFile(p, o);
        if (s) *o = std::make_unique<File>(this, p, std::move(*o));
        return s;
    }
    cw::Status renameFile(const QString& f, const QString& t) override
    {
        if (auto s = step(t); !s) return s;
        return EnvWrapper::renameFile(f, t);
    }
    cw::Status removeFile(const QString& p) override
    {
        if (auto s = step(p); !s) return s;
        return EnvWrapper::removeFile(p);
    }
    cw::Status syncDir(const QString& d) override
    {
        if (auto s = step(d); !s) return s;
        return EnvWrapper::syncDir(d);
    }

    // One real call: counted, and failed or killed when it is the chosen one.
    cw::Status step(const QString& file)
    {
        const int n = calls_++;
        if (n != at_)
            return cw::Status::ok();
        if (mode_ == Mode::Kill)
            ::kill(::getpid(), SIGKILL);
        if (mode_ == Mode::Fail)
            return cw::Status::ioError(file, QStringLiteral("Input/output error (injected)"));
        return cw::Status::ok();
    }

private:
    class File : public cw::WritableFile {
    public:
        File(FaultEnv* env, QString path, std::unique_ptr<cw::WritableFile> inner)
            : env_(env), path_(std::move(path)), inner_(std::move(inner)) {}
        cw::Status append(QByteArrayView d) override
        {
            if (auto s = env_->step(path_); !s) return s;
            return inner_->append(d);
        }
        cw::Status sync() override
        {
            if (auto s = env_->step(path_); !s) return s;
            return inner_->sync();
        }
        cw::Status close() override
        {
            if (auto s = env_->step(path_); !s) { inner_->close(); return s; }
            return inner_->close();
        }
        cw::Status setPermissions(unsigned mode) override { return inner_->setPermissions(mode); }

    private:
        FaultEnv* env_;
        QString path_;
        std::unique_ptr<cw::WritableFile> inner_;
    };

    Mode mode_;
    int at_;
    int calls_ = 0;
};

} // namespace cwtest
