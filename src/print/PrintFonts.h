#pragma once

#include <QString>

#include <array>

// The two fonts of the printouts: entry 0 the heading ("&Überschrift"), entry 1 the text ("&Text").
// They start as the defaults and are remembered with the print settings (DRUCKEN.CFG).
class PrintFonts {
public:
    static constexpr int kHeading = 0;
    static constexpr int kText = 1;
    static constexpr int kNameLength = 31;

    struct Entry {
        QString name;
        int size = 0;
    };

    PrintFonts();
    const Entry& at(int entry) const { return m_entries.at(size_t(entry)); }
    // The name is cut to 31 characters.
    void set(int entry, const QString& name, int size);

private:
    std::array<Entry, 2> m_entries;
};
