#include "store/MemoFile.h"

#include "store/DbtMemoFile.h"
#include "store/SmtMemoFile.h"

MemoFile::~MemoFile() = default;

std::unique_ptr<MemoFile> MemoFile::open(Kind kind, const QString& path, RawFile::Mode mode) {
    if (kind == Kind::Smt)
        return std::make_unique<SmtMemoFile>(path, mode);
    return std::make_unique<DbtMemoFile>(path, mode);
}

void MemoFile::create(Kind kind, const QString& path, int blockSize) {
    if (kind == Kind::Smt)
        SmtMemoFile::create(path, blockSize);
    else
        DbtMemoFile::create(path);
}
