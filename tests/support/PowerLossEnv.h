#pragma once
// An Env for tests that simulates a power cut. It keeps two states of every
// folder it touches, the way a journalling file system does:
//  - what the program sees: the folder's names and each file's bytes as
//    written so far, held in memory;
//  - what has reached the disk: a file's bytes only when it was flushed
//    (sync), a folder's names only when the folder was flushed (syncDir).
// The real folder on disk always holds the second state, so after cut() the
// test reads real files and sees exactly what a machine would after a power
// loss. Files are modelled as nodes so a rename moves the node, not its
// flushed bytes: a file renamed into place but never flushed comes back empty.

#include "store/Env.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <cerrno>
#include <map>
#include <memory>

namespace cwtest {

class PowerLossEnv : public cw::Env {
public:
    explicit PowerLossEnv(cw::Env* disk = cw::Env::posix()) : disk_(disk) {}

    // The power goes off once `calls` disk calls have been made: everything
    // not flushed is dropped, and every later call fails.
    void cutAfter(int calls) { cutAt_ = calls; }
    int calls() const { return calls_; }
    bool powerOff() const { return off_; }

    // Drops everything not yet flushed: each file's bytes go back to their
    // last sync, each folder's names to its last syncDir.
    void cut()
    {
        for (auto& [id, node] : nodes_)
            node.seen = node.flushed;
        for (auto& [key, f] : folders_)
            f.seen = f.flushed;
    }

    cw::Status readFile(const QString& path, QByteArray* out, bool createIfMissing) override
    {
        out->clear();
        if (auto s = step(path); !s) return s;
        auto [folder, name] = place(path);
        if (!folder->seen.contains(name)) {
            if (!createIfMissing)
                return cw::Status::fromErrno(path, ENOENT);
            folder->seen.insert(name, newNode());
        }
        *out = nodes_[folder->seen.value(name)].seen;
        return cw::Status::ok();
    }
    cw::Status readFileInChunks(const QString& path, bool createIfMissing, const ChunkSink& sink) override
    {
        return Env::readFileInChunks(path, createIfMissing, sink);   // one piece, through readFile
    }
    cw::Status newWritableFile(const QString& path, std::unique_ptr<cw::WritableFile>* out) override
    {
        return open(path, true, out);
    }
    cw::Status newAppendableFile(const QString& path, std::unique_ptr<cw::WritableFile>* out) override
    {
        return open(path, false, out);
    }
    cw::Status renameFile(const QString& from, const QString& to) override
    {
        if (auto s = step(to); !s) return s;
        auto [source, oldName] = place(from);
        if (!source->seen.contains(oldName))
            return cw::Status::fromErrno(to, ENOENT);
        const int id = source->seen.take(oldName);
        auto [target, newName] = place(to);
        target->seen.insert(newName, id);
        return cw::Status::ok();
    }
    cw::Status removeFile(const QString& path) override
    {
        if (auto s = step(path); !s) return s;
        auto [folder, name] = place(path);
        if (folder->seen.remove(name) == 0)
            return cw::Status::fromErrno(path, ENOENT);
        return cw::Status::ok();
    }
    cw::Status syncDir(const QString& dir) override
    {
        if (auto s = step(dir); !s) return s;
        const QString key = folderKey(dir.isEmpty() ? QStringLiteral(".") : dir);
        Folder& f = folder(key);
        for (auto it = f.flushed.cbegin(); it != f.flushed.cend(); ++it)
            if (!f.seen.contains(it.key()))
                disk_->removeFile(key + QLatin1Char('/') + it.key());
        for (auto it = f.seen.cbegin(); it != f.seen.cend(); ++it)
            if (f.flushed.value(it.key(), -1) != it.value())
                writeToDisk(key + QLatin1Char('/') + it.key(), nodes_[it.value()].flushed);
        f.flushed = f.seen;
        return cw::Status::ok();
    }
    cw::Status statFile(const QString& path, cw::FileStat* out) override
    {
        auto [folder, name] = place(path);
        *out = cw::FileStat();
        if (folder->seen.contains(name))
            *out = {cw::FileStat::Kind::Regular, 0600, nodes_[folder->seen.value(name)].seen.size()};
        else if (folder->subfolders.contains(name))
            out->kind = cw::FileStat::Kind::Folder;
        return cw::Status::ok();
    }
    cw::Status linkTarget(const QString& path, QString*) override
    {
        return cw::Status::ioError(path, QStringLiteral("No links in this model"));
    }
    bool fileExists(const QString& path) override
    {
        auto [folder, name] = place(path);
        return folder->seen.contains(name) || folder->subfolders.contains(name);
    }
    cw::Status listDir(const QString& dir, QStringList* names) override
    {
        Folder& f = folder(folderKey(dir.isEmpty() ? QStringLiteral(".") : dir));
        *names = f.seen.keys();
        for (const QString& sub : f.subfolders)
            names->append(sub);
        return cw::Status::ok();
    }

private:
    struct Node {
        QByteArray seen;
        QByteArray flushed;
    };
    struct Folder {
        QMap<QString, int> seen;      // name -> node
        QMap<QString, int> flushed;
        QSet<QString> subfolders;     // kept out of the model, always there
    };

    class File : public cw::WritableFile {
    public:
        File(PowerLossEnv* env, QString path, int node) : env_(env), path_(std::move(path)), node_(node) {}
        cw::Status append(QByteArrayView data) override
        {
            if (auto s = env_->step(path_); !s) return s;
            env_->nodes_[node_].seen.append(data);
            return cw::Status::ok();
        }
        cw::Status sync() override
        {
            if (auto s = env_->step(path_); !s) return s;
            env_->flushNode(node_);
            return cw::Status::ok();
        }
        cw::Status close() override { return env_->step(path_); }   // closing flushes nothing

    private:
        PowerLossEnv* env_;
        QString path_;
        int node_;
    };

    // One disk call: counted; the power goes off when the chosen count is reached.
    cw::Status step(const QString& file)
    {
        if (!off_ && cutAt_ >= 0 && calls_ >= cutAt_) {
            cut();
            off_ = true;
        }
        if (off_)
            return cw::Status::ioError(file, QStringLiteral("Input/output error (power off)"));
        ++calls_;
        return cw::Status::ok();
    }

    cw::Status open(const QString& path, bool truncate, std::unique_ptr<cw::WritableFile>* out)
    {
        if (auto s = step(path); !s) return s;
        auto [folder, name] = place(path);
        if (!folder->seen.contains(name))
            folder->seen.insert(name, newNode());
        const int id = folder->seen.value(name);
        if (truncate)
            nodes_[id].seen.clear();
        *out = std::make_unique<File>(this, path, id);
        return cw::Status::ok();
    }

    // A file's bytes reach the disk, under every name the disk already has for it.
    void flushNode(int id)
    {
        nodes_[id].flushed = nodes_[id].seen;
        for (const auto& [key, f] : folders_)
            for (auto n = f.flushed.cbegin(); n != f.flushed.cend(); ++n)
                if (n.value() == id)
                    writeToDisk(key + QLatin1Char('/') + n.key(), nodes_[id].flushed);
    }

    void writeToDisk(const QString& path, const QByteArray& bytes)
    {
        std::unique_ptr<cw::WritableFile> f;
        if (disk_->newWritableFile(path, &f)) {
            f->append(bytes);
            f->close();
        }
    }

    int newNode()
    {
        nodes_.emplace(nextNode_, Node{});
        return nextNode_++;
    }

    static QString folderKey(const QString& dir) { return QDir::cleanPath(QFileInfo(dir).absoluteFilePath()); }

    // The folder, read from the real disk the first time it is touched:
    // whatever is there then counts as flushed.
    Folder& folder(const QString& key)
    {
        auto it = folders_.find(key);
        if (it != folders_.end())
            return it->second;
        Folder f;
        QStringList names;
        disk_->listDir(key, &names);
        for (const QString& name : names) {
            const QString path = key + QLatin1Char('/') + name;
            if (QFileInfo(path).isDir()) {
                f.subfolders.insert(name);
                continue;
            }
            QByteArray bytes;
            if (!disk_->readFile(path, &bytes, false))
                continue;
            const int id = newNode();
            nodes_[id] = Node{bytes, bytes};
            f.seen.insert(name, id);
        }
        f.flushed = f.seen;
        return folders_.emplace(key, std::move(f)).first->second;
    }

    std::pair<Folder*, QString> place(const QString& path)
    {
        const QFileInfo info(path);
        return {&folder(folderKey(info.path())), info.fileName()};
    }

    cw::Env* disk_;
    std::map<int, Node> nodes_;
    std::map<QString, Folder> folders_;   // node-based: references stay valid
    int nextNode_ = 0;
    int calls_ = 0;
    int cutAt_ = -1;
    bool off_ = false;
};

} // namespace cwtest
