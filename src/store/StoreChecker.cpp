#include "store/StoreChecker.h"

#include "store/AlcoholValue.h"
#include "store/Cp1252.h"
#include "store/DbfFile.h"
#include "store/FolderEntry.h"
#include "store/IngredientSlots.h"
#include "store/ListsFile.h"
#include "store/OptionsRecord.h"
#include "store/SavedSearches.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <memory>

namespace {

// Blank, or a sign, digits and a decimal point as xBase writes numbers.
bool isNumberText(const QByteArray& text) {
    qsizetype i = text.startsWith('-') || text.startsWith('+') ? 1 : 0;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits > 0 || text.isEmpty();
}

class Check {
public:
    Check(const QString& folder, TApolloEnv& env) : m_folder(folder), m_env(env) {}

    // `backupSet`: the files a backup holds (no lexicon), checked for what makes them unusable
    // (headers, record counts, memo references, the lists file), not for what the user's own data
    // may well contain (a recipe naming a deleted ingredient).
    QStringList run(bool backupSet = false) {
        m_structureOnly = backupSet;
        const bool withLexicon = !backupSet;
        checkLists();
        checkSettings();
        const bool hidden = m_env.deletedHidden();
        m_env.SetDeleted(true);
        const auto ingredients = openTable(m_env, QStringLiteral("ZU"), TableSchemas::ingredients());
        const auto decorations = openTable(m_env, QStringLiteral("DE"), TableSchemas::decorations());
        const auto lexicon =
            withLexicon ? openTable(m_env, QStringLiteral("BA"), TableSchemas::decorations()) : nullptr;
        const auto recipes = openTable(m_env, QStringLiteral("RE"), TableSchemas::recipes());
        if (ingredients)
            checkIngredients(*ingredients);
        if (decorations)
            checkNamed(*decorations, QStringLiteral("DE"));
        if (lexicon)
            checkNamed(*lexicon, QStringLiteral("BA"));
        if (recipes)
            checkRecipes(*recipes, decorations ? decorations->table().file().recordCount() : 0);
        m_env.SetDeleted(hidden);
        return m_problems;
    }

private:
    void problem(const QString& text) { m_problems.append(text); }

    std::unique_ptr<TApollo> openTable(TApolloEnv& env, const QString& name,
                                       const QList<DbfFile::Definition>& schema) {
        auto table = std::make_unique<TTable>(env);
        table->setDatabaseName(m_folder);
        table->setTableName(name);
        table->setReadOnly(true);
        try {
            table->Open();
        } catch (const StoreError& e) {
            problem(QStringLiteral("%1: %2").arg(name, e.text()));
            return nullptr;
        }
        for (const QString& p : table->file().problems())
            problem(QStringLiteral("%1: %2").arg(name, p));
        for (const DbfFile::Definition& d : schema) {
            const int index = table->file().fieldIndex(d.name);
            if (index < 0)
                problem(QStringLiteral("%1: Feld %2 fehlt").arg(name, QString::fromLatin1(d.name)));
            else if (table->file().fields().at(index).type != d.type)
                problem(QStringLiteral("%1: Feld %2 hat den falschen Typ")
                            .arg(name, QString::fromLatin1(d.name)));
        }
        m_tables.push_back(std::move(table));
        return std::make_unique<TApollo>(*m_tables.back());
    }

    // Reads every record and memo; a damaged memo reference is reported per record.
    template <typename Fn> void forEach(TApollo& t, const QString& name, Fn fn) {
        for (t.GoTop(); !t.Eof(); t.Skip()) {
            try {
                for (int f = 1; f <= t.FieldCount(); ++f) {
                    const DbfField& field = t.table().file().fields().at(f - 1);
                    if (field.type == 'M')
                        t.GetMemo(t.FieldName(f));
                    else if (field.type == 'N')
                        checkNumber(t, name, field);
                }
                fn(t);
            } catch (const StoreError& e) {
                problem(QStringLiteral("%1 Satz %2: %3").arg(name).arg(t.RecNo()).arg(e.text()));
            }
        }
    }

    // A number field reads as 0 when its text is no number; that hides damage.
    void checkNumber(TApollo& t, const QString& name, const DbfField& field) {
        const QByteArray text = t.GetRawBytes(QString::fromLatin1(field.name)).trimmed();
        if (!isNumberText(text))
            problem(QStringLiteral("%1 Satz %2: Feld %3 enthält keine Zahl („%4“)")
                        .arg(name)
                        .arg(t.RecNo())
                        .arg(QString::fromLatin1(field.name), Cp1252::toUnicode(text)));
    }

    void checkIngredients(TApollo& t) {
        forEach(t, QStringLiteral("ZU"), [this](TApollo& z) {
            const int number = int(z.GetInteger(QStringLiteral("INDEX")));
            if (number < 1 || number > 1500)
                problem(QStringLiteral("ZU Satz %1: Zutatennummer %2 außerhalb 1–1500")
                            .arg(z.RecNo())
                            .arg(number));
            else if (m_ingredients.contains(number))
                problem(QStringLiteral("ZU Satz %1: Zutatennummer %2 doppelt").arg(z.RecNo()).arg(number));
            m_ingredients.insert(number);
            m_known.insert(number, {int(z.GetInteger(QStringLiteral("KENNUNG"))),
                                    int(z.GetInteger(QStringLiteral("ALKOHOL")))});
            if (z.GetTrimString(QStringLiteral("NAME")).isEmpty())
                problem(QStringLiteral("ZU Satz %1: ohne Namen").arg(z.RecNo()));
            if (z.GetInteger(QStringLiteral("KENNUNG")) > 4 || z.GetInteger(QStringLiteral("KENNUNG")) < 0)
                problem(QStringLiteral("ZU Satz %1: unbekannte Einheit").arg(z.RecNo()));
        });
    }

    void checkNamed(TApollo& t, const QString& name) {
        forEach(t, name, [this, name](TApollo& r) {
            if (r.GetTrimString(QStringLiteral("NAME")).isEmpty())
                problem(QStringLiteral("%1 Satz %2: ohne Namen").arg(name).arg(r.RecNo()));
        });
    }

    void checkRecipes(TApollo& t, int decorationCount) {
        const AlcoholValue::Lookup lookup = AlcoholValue::lookupIn(m_known);
        forEach(t, QStringLiteral("RE"), [&](TApollo& r) {
            if (m_structureOnly)
                return;
            const QString where = QStringLiteral("RE Satz %1").arg(r.RecNo());
            if (r.GetTrimString(QStringLiteral("NAME")).isEmpty())
                problem(where + QStringLiteral(": ohne Namen"));
            const IngredientSlots packed(r.GetPaddedString(QStringLiteral("Z")),
                                         r.GetPaddedString(QStringLiteral("ZMENGE")));
            for (const IngredientSlots::Line& line : packed.lines()) {
                if (!m_ingredients.contains(line.ingredient))
                    problem(where + QStringLiteral(": unbekannte Zutat %1").arg(line.ingredient));
            }
            const qint64 kat = r.GetInteger(QStringLiteral("KAT"));
            if (kat < 1 || kat > m_categories)
                problem(where + QStringLiteral(": Kategorie %1 fehlt in VE.DAT").arg(kat));
            const qint64 taste = r.GetInteger(QStringLiteral("GESCH"));
            if (taste < 0 || taste > m_tastes)
                problem(where + QStringLiteral(": Geschmack %1 fehlt in VE.DAT").arg(taste));
            const qint64 deko = r.GetInteger(QStringLiteral("DEKO"));
            if (deko < 0 || deko > decorationCount)
                problem(where + QStringLiteral(": Dekoration %1 fehlt").arg(deko));
            const qint64 alk = r.GetInteger(QStringLiteral("ALK"));
            if (alk < 0 || alk > 99)
                problem(where + QStringLiteral(": Alkoholwert %1 außerhalb 0–99").arg(alk));
            // A strength change that did not reach every recipe (veltadb alkohol-neu mends it).
            else if (const int computed = AlcoholValue::compute(packed.lines(), lookup, m_dashesPerCl);
                     computed != alk)
                problem(where +
                        QStringLiteral(": Alkoholwert %1 statt %2 nach den Zutaten").arg(alk).arg(computed));
        });
    }

    void checkLists() {
        const QString path = FolderEntry::path(m_folder, QStringLiteral("VE.DAT"));
        if (!QFileInfo::exists(path)) {
            problem(QStringLiteral("VE.DAT fehlt"));
            return;
        }
        QStringList categories;
        QStringList tastes;
        ListsFile::load(path, &categories, &tastes);
        m_categories = int(categories.size());
        m_tastes = int(tastes.size());
        if (categories.size() < 16)
            problem(QStringLiteral("VE.DAT: nur %1 Kategorien (mindestens 16)").arg(categories.size()));
        if (categories.size() > 255 || tastes.size() > 255)
            problem(QStringLiteral("VE.DAT: mehr als 255 Einträge in einer Liste"));
    }

    void checkSettings() {
        const QFileInfo options(FolderEntry::path(m_folder, QStringLiteral("OPTION.CFG")));
        if (options.exists() && options.size() != OptionsRecord::kSize)
            problem(QStringLiteral("OPTION.CFG: %1 Bytes statt %2")
                        .arg(options.size())
                        .arg(OptionsRecord::kSize));
        else if (options.exists() && !OptionsRecord::load(options.filePath()).bytes().startsWith("\x04V807"))
            problem(QStringLiteral("OPTION.CFG: Kennung fehlt"));
        m_dashesPerCl = OptionsRecord::load(options.filePath()).get(OptionsRecord::DashesPerCl);
        const QFileInfo searches(FolderEntry::path(m_folder, QStringLiteral("SUCHEN.CFG")));
        if (searches.exists() && searches.size() != SavedSearches::kFileSize)
            problem(QStringLiteral("SUCHEN.CFG: %1 Bytes statt %2")
                        .arg(searches.size())
                        .arg(SavedSearches::kFileSize));
    }

    QString m_folder;
    QStringList m_problems;
    TApolloEnv& m_env;
    std::vector<std::unique_ptr<TTable>> m_tables;
    QSet<int> m_ingredients;
    bool m_structureOnly = false;
    AlcoholValue::Known m_known;
    int m_dashesPerCl = 0;
    int m_categories = 0;
    int m_tastes = 0;
};

} // namespace

QStringList StoreChecker::check(const QString& folder, TApolloEnv& env) {
    return Check(folder, env).run();
}

QStringList StoreChecker::checkBackupSet(const QString& folder, TApolloEnv& env) {
    return Check(folder, env).run(true);
}
