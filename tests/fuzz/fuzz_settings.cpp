// Feeds arbitrary bytes to the readers of the small files beside the tables (VE.DAT, OPTION.CFG,
// SUCHEN.CFG, SUCHTEXT.CFG, the INI files, HAUSBAR.CFG, ERSATZ.TXT, ALIAS.TXT and MERKMALE.TXT), as a
// damaged or foreign file would reach them, and writes what they read back: nothing may crash, and what
// a reader makes of its own output must keep its shape. The first byte chooses the reader; the text
// files of rules share one.
#include "common/AliasFile.h"
#include "common/BarSettings.h"
#include "common/IngredientMarks.h"
#include "common/SubstituteFile.h"
#include "store/Cp1252.h"
#include "store/IniFile.h"
#include "store/ListsFile.h"
#include "store/OptionsRecord.h"
#include "store/SavedSearchTexts.h"
#include "store/SavedSearches.h"

#include <cstdint>
#include <cstdlib>

namespace {

void lists(const QByteArray& bytes) {
    QStringList categories;
    QStringList tastes;
    ListsFile::parse(bytes, &categories, &tastes);
    for (const QString& entry : categories + tastes) {
        if (entry.size() > ListsFile::kMaxEntry)
            abort(); // an entry longer than a line of the file may hold
    }
    QStringList again;
    QStringList againTastes;
    ListsFile::parse(ListsFile::serialize(categories, tastes), &again, &againTastes);
    if (again.size() + againTastes.size() != categories.size() + tastes.size())
        abort(); // writing what was read lost or made entries
}

void options(const QByteArray& bytes) {
    const OptionsRecord o = OptionsRecord::fromFileBytes(bytes);
    if (o.bytes().size() != OptionsRecord::kSize)
        abort();
    o.fontName();
    for (int f = 0; f < 30; ++f)
        o.get(OptionsRecord::Field(f));
}

void searches(const QByteArray& bytes) {
    const SavedSearches s = SavedSearches::fromFileBytes(bytes);
    if (s.toBytes().size() != SavedSearches::kFileSize)
        abort();
    for (int slot = 0; slot < SavedSearches::kSlots; ++slot) {
        const SearchCriteria& c = s.slot(slot);
        c.name();
        c.homeBarIndex();
        c.category();
        c.taste();
        for (int row = 0; row < SearchCriteria::kRows; ++row) {
            c.ingredient(row);
            c.alternative(row);
        }
    }
}

void texts(const QByteArray& bytes) {
    const SavedSearchTexts t = SavedSearchTexts::fromBytes(bytes);
    for (int slot = 0; slot < SavedSearches::kSlots; ++slot) {
        if (t.text(slot, QStringLiteral("Suche")).size() > SavedSearchTexts::kMaxText)
            abort(); // a stored text longer than the field
    }
    SavedSearchTexts::fromBytes(t.toBytes());
}

void ini(const QByteArray& bytes) {
    IniFile first;
    first.parse(bytes);
    first.value(QStringLiteral("VERZEICHNISSE"), QStringLiteral("PROGRAMM"));
    const QByteArray written = first.toBytes();
    IniFile second;
    second.parse(written);
    if (second.toBytes() != written)
        abort(); // a file the program wrote reads back differently
}

void homeBar(const QByteArray& bytes) {
    IniFile file;
    file.parse(bytes);
    const BarSettings settings = BarSettings::fromIni(file);
    for (qsizetype k = 0; k < settings.basics.size(); ++k) {
        if (settings.basics.at(k) < 0 || size_t(settings.basics.at(k)) >= IngredientSet().size())
            abort(); // a basic no ingredient set can hold
        if (k > 0 && settings.basics.at(k - 1) >= settings.basics.at(k))
            abort(); // not sorted, or a repeat
    }
    IniFile again;
    again.parse(settings.toIni().toBytes());
    if (!(BarSettings::fromIni(again) == settings))
        abort(); // the settings written read back differently
}

void substitutes(const QByteArray& bytes) {
    const SubstituteFile file = SubstituteFile::parse(Cp1252::toUnicode(bytes));
    const int lines = int(bytes.count('\n')) + 1;
    for (const SubstituteFile::Rule& r : file.rules()) {
        if (r.wanted.trimmed().isEmpty() || r.standIn.trimmed().isEmpty() || r.line < 1 || r.line > lines)
            abort(); // a rule without a name, or from a line the file does not have
    }
    for (const SubstituteFile::Problem& p : file.problems()) {
        if (p.text.isEmpty() || p.line < 1 || p.line > lines)
            abort();
    }
}

void otherNames(const QByteArray& bytes) {
    const AliasFile file = AliasFile::parse(Cp1252::toUnicode(bytes));
    const int lines = int(bytes.count('\n')) + 1;
    for (const AliasFile::Rule& r : file.rules()) {
        if (r.name.trimmed().isEmpty() || r.alias.trimmed().isEmpty() || r.line < 1 || r.line > lines)
            abort(); // a rule without a name, or from a line the file does not have
    }
    QStringList names;
    for (const AliasFile::Rule& r : file.rules())
        names << r.name;
    for (const AliasFile::Problem& p : file.check(names, names)) {
        if (p.text.isEmpty() || p.line < 1 || p.line > lines)
            abort();
    }
}

void marks(const QByteArray& bytes) {
    const IngredientMarks file = IngredientMarks::parse(Cp1252::toUnicode(bytes));
    const int lines = int(bytes.count('\n')) + 1;
    for (const IngredientMarks::Rule& r : file.rules()) {
        if (r.name.trimmed().isEmpty() || r.line < 1 || r.line > lines)
            abort(); // a rule without a name, or from a line the file does not have
    }
    for (const IngredientMarks::Problem& p : file.check({})) {
        if (p.text.isEmpty() || p.line < 1 || p.line > lines)
            abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    switch (data[0] % 7) {
    case 0:
        lists(bytes);
        break;
    case 1:
        options(bytes);
        break;
    case 2:
        searches(bytes);
        break;
    case 3:
        texts(bytes);
        break;
    case 4:
        ini(bytes);
        break;
    case 5:
        homeBar(bytes);
        break;
    default:
        substitutes(bytes);
        otherNames(bytes);
        marks(bytes);
        break;
    }
    return 0;
}
