#pragma once
// What one command changed in one file, kept small enough that twenty of them
// over a year of a million entries stay cheap: only the bytes between the
// unchanged start and end are kept, and of a fixed-record file's middle only
// what cannot be found in the file as it now is.
//
// A change is stored the way round it is used: it turns the file as it now
// stands into the other version (before for Undo, after for Redo).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace cw {

struct FileChange {
    // How the middle it gives back is kept:
    //  Bytes    the bytes themselves;
    //  Copies   per record, the number of the current middle's record with
    //           the same bytes (a sort moves records, it does not change them);
    //  Patches  per record, the one span of bytes that differs from the
    //           current record there (a date conversion touches a few bytes).
    enum class Form : quint8 { Bytes, Copies, Patches };

    QString file;
    // The file it applies to: exists or not, its size and a hash of its bytes.
    bool fromExists = true;
    qint64 fromSize = 0;
    size_t fromHash = 0;
    // The file it gives back; when absent, applying removes the file.
    bool toExists = true;
    qsizetype head = 0;   // bytes at the start both share
    qsizetype tail = 0;   // bytes at the end both share
    qsizetype toMiddle = 0;
    int recordSize = 1;
    Form form = Form::Bytes;
    QByteArray payload;
};

// The change that turns `now` into `wanted`. `recordSize` is the file's record
// length (1 for a file of plain bytes).
FileChange changeBetween(const QString& file, QByteArrayView now, bool nowExists, QByteArrayView wanted,
                         bool wantedExists, int recordSize);

// The change back from `other` (what `change` made of `now`) to `now`; the
// two share the start and end the change kept.
FileChange reverseChange(const FileChange& change, QByteArrayView now, QByteArrayView other);

// Whether the file as it stands is the one the change was made against.
bool changeAppliesTo(const FileChange& change, QByteArrayView now, bool nowExists);

// The other version, rebuilt from the file as it stands (which the change applies to).
QByteArray applyChange(const FileChange& change, QByteArrayView now);

// The hash a change keeps of the file it applies to.
size_t fileHash(QByteArrayView bytes);

} // namespace cw
