#include "print/PrintFonts.h"

PrintFonts::PrintFonts() {
    m_entries[kHeading] = {QStringLiteral("TIMES NEW ROMAN"), 24};
    m_entries[kText] = {QStringLiteral("ARIAL"), 16};
}

void PrintFonts::set(int entry, const QString& name, int size) {
    m_entries.at(size_t(entry)) = {name.left(kNameLength), size};
}
