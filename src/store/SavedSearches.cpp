#include "store/SavedSearches.h"

#include "store/AtomicFile.h"

#include <QFile>

SavedSearches SavedSearches::fromFileBytes(const QByteArray& bytes) {
    SavedSearches out;
    if (bytes.size() < kFileSize)
        return out;
    for (int i = 0; i < kSlots; ++i)
        out.m_slots[size_t(i)] =
            SearchCriteria(bytes.mid(qsizetype(i) * SearchCriteria::kSize, SearchCriteria::kSize));
    return out;
}

SavedSearches SavedSearches::load(const QString& path, bool* damaged) {
    QFile file(path);
    if (damaged)
        *damaged = file.exists() && file.size() != kFileSize;
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromFileBytes(file.read(kFileSize));
}

QByteArray SavedSearches::toBytes() const {
    QByteArray out;
    for (const SearchCriteria& c : m_slots)
        out += c.bytes();
    return out;
}

bool SavedSearches::save(const QString& path, bool startedFromCd, QString* reason) const {
    return !startedFromCd && AtomicFile::write(path, toBytes(), reason);
}
