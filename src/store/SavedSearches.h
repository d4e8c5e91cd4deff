#pragma once

#include "store/SearchCriteria.h"

#include <array>

// SUCHEN.CFG: ten saved searches, one 4360-byte record of ten criteria records.
class SavedSearches {
public:
    static constexpr int kSlots = 10;
    static constexpr int kFileSize = kSlots * SearchCriteria::kSize;

    // A missing or short file gives ten default slots; a file that was read is taken as it is.
    // `damaged` tells whether a file was there but not of the size the ten slots take.
    static SavedSearches load(const QString& path, bool* damaged = nullptr);
    static SavedSearches fromFileBytes(const QByteArray& bytes);
    QByteArray toBytes() const;
    // Does nothing while started read-only (false returned); `reason` tells why a write failed.
    bool save(const QString& path, bool startedFromCd, QString* reason = nullptr) const;

    SearchCriteria& slot(int index) { return m_slots[size_t(index)]; } // 0..9
    const SearchCriteria& slot(int index) const { return m_slots[size_t(index)]; }

private:
    std::array<SearchCriteria, kSlots> m_slots;
};
