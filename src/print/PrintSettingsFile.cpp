#include "print/PrintSettingsFile.h"

#include "store/IniFile.h"

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Drucken");

// A choice stored by its number; anything else, or a number the choice does not have, keeps `fallback`.
template <class E> E choice(const IniFile& ini, const QString& key, E fallback, int count) {
    bool ok = false;
    const int n = ini.value(kSection, key).trimmed().toInt(&ok);
    return ok && n >= 0 && n < count ? E(n) : fallback;
}

bool flag(const IniFile& ini, const QString& key, bool fallback) {
    const QString v = ini.value(kSection, key).trimmed();
    return v == QStringLiteral("1") ? true : v == QStringLiteral("0") ? false : fallback;
}

QString number(int n) {
    return QString::number(n);
}

QString bit(bool b) {
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void PrintSettingsFile::load(const QString& path, PrintSettings* settings, PrintFonts* fonts) {
    IniFile ini;
    if (!path.isEmpty() && ini.load(path))
        read(ini, settings, fonts);
}

bool PrintSettingsFile::save(const QString& path, const PrintSettings& settings, const PrintFonts& fonts,
                             QString* reason) {
    return write(settings, fonts).save(path, reason);
}

void PrintSettingsFile::read(const IniFile& ini, PrintSettings* s, PrintFonts* fonts) {
    s->layout = choice(ini, QStringLiteral("Layout"), s->layout, 2);
    if (ini.contains(kSection, QStringLiteral("Ueberschrift")))
        s->header = ini.value(kSection, QStringLiteral("Ueberschrift")).left(PrintSettings::kHeaderLength);
    s->separator = choice(ini, QStringLiteral("Trennzeichen"), s->separator,
                          int(PrintSettings::separatorNames().size()));
    s->alignment =
        choice(ini, QStringLiteral("Ausrichtung"), s->alignment, int(PrintSettings::alignmentNames().size()));
    s->ingredients =
        choice(ini, QStringLiteral("Zutaten"), s->ingredients, int(PrintSettings::ingredientNames().size()));
    s->columns = choice(ini, QStringLiteral("Spalten"), s->columns, PrintSettings::kMaxColumns + 1);
    s->columns = std::max(1, s->columns);
    s->sections = flag(ini, QStringLiteral("Kategorien"), s->sections);
    s->stars = flag(ini, QStringLiteral("Sterne"), s->stars);
    s->remarks = flag(ini, QStringLiteral("Bemerkung"), s->remarks);
    s->numbered = flag(ini, QStringLiteral("Numerieren"), s->numbered);
    s->fullWidth = flag(ini, QStringLiteral("GanzeBreite"), s->fullWidth);
    s->instructions = flag(ini, QStringLiteral("Anleitung"), s->instructions);
    s->picture = flag(ini, QStringLiteral("Bild"), s->picture);
    s->info = flag(ini, QStringLiteral("Zusatzinfos"), s->info);
    s->sheet = choice(ini, QStringLiteral("Bogen"), s->sheet, int(PrintSettings::sheetNames().size()));
    s->paper = choice(ini, QStringLiteral("Papier"), s->paper, int(PrintSettings::paperNames().size()));
    s->orientation = choice(ini, QStringLiteral("Ausrichtung Papier"), s->orientation,
                            int(PrintSettings::orientationNames().size()));
    for (const int entry : {PrintFonts::kHeading, PrintFonts::kText}) {
        const QString prefix =
            entry == PrintFonts::kHeading ? QStringLiteral("Ueberschrift") : QStringLiteral("Text");
        const QString name = ini.value(kSection, prefix + QStringLiteral("Schrift")).trimmed();
        bool ok = false;
        const int size = ini.value(kSection, prefix + QStringLiteral("Groesse")).trimmed().toInt(&ok);
        // The font chooser's own limits.
        if (!name.isEmpty() && ok && size >= 4 && size <= 72)
            fonts->set(entry, name, size);
    }
}

IniFile PrintSettingsFile::write(const PrintSettings& s, const PrintFonts& fonts) {
    IniFile ini;
    ini.setValue(kSection, QStringLiteral("Layout"), number(int(s.layout)));
    ini.setValue(kSection, QStringLiteral("Ueberschrift"), s.header);
    ini.setValue(kSection, QStringLiteral("Trennzeichen"), number(int(s.separator)));
    ini.setValue(kSection, QStringLiteral("Ausrichtung"), number(int(s.alignment)));
    ini.setValue(kSection, QStringLiteral("Zutaten"), number(int(s.ingredients)));
    ini.setValue(kSection, QStringLiteral("Spalten"), number(s.columns));
    ini.setValue(kSection, QStringLiteral("Kategorien"), bit(s.sections));
    ini.setValue(kSection, QStringLiteral("Sterne"), bit(s.stars));
    ini.setValue(kSection, QStringLiteral("Bemerkung"), bit(s.remarks));
    ini.setValue(kSection, QStringLiteral("Numerieren"), bit(s.numbered));
    ini.setValue(kSection, QStringLiteral("GanzeBreite"), bit(s.fullWidth));
    ini.setValue(kSection, QStringLiteral("Anleitung"), bit(s.instructions));
    ini.setValue(kSection, QStringLiteral("Bild"), bit(s.picture));
    ini.setValue(kSection, QStringLiteral("Zusatzinfos"), bit(s.info));
    ini.setValue(kSection, QStringLiteral("Bogen"), number(int(s.sheet)));
    ini.setValue(kSection, QStringLiteral("Papier"), number(int(s.paper)));
    ini.setValue(kSection, QStringLiteral("Ausrichtung Papier"), number(int(s.orientation)));
    for (const int entry : {PrintFonts::kHeading, PrintFonts::kText}) {
        const QString prefix =
            entry == PrintFonts::kHeading ? QStringLiteral("Ueberschrift") : QStringLiteral("Text");
        ini.setValue(kSection, prefix + QStringLiteral("Schrift"), fonts.at(entry).name);
        ini.setValue(kSection, prefix + QStringLiteral("Groesse"), number(fonts.at(entry).size));
    }
    return ini;
}
