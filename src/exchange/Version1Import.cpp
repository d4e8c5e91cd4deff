#include "exchange/Version1Import.h"

#include "exchange/DataFileCopy.h"
#include "exchange/IngredientText.h"
#include "exchange/StagedTables.h"
#include "store/BulkWrite.h"
#include "store/FolderLookup.h"
#include "store/IngredientSlots.h"
#include "store/RecipeMemo.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace {

const QString kMarker = QStringLiteral("(>MORVA<");

} // namespace

// One import on the staged tables: the name lists and the number map it builds on the way.
class Version1Import::Pass {
public:
    explicit Pass(StagedTables& staged)
        : m_recipes(staged.recipes()), m_ingredients(staged.ingredients()),
          m_recipeNames(staged.recipeNames()) {}

    void readCurrent() {
        int highest = 0;
        for (m_ingredients.GoTop(); !m_ingredients.Eof(); m_ingredients.Skip(1)) {
            const int number = int(m_ingredients.GetInteger(QStringLiteral("INDEX")));
            highest = std::max(highest, number); // deleted numbers are never given again
            if (!m_ingredients.IsDeleted())
                m_ingredientNames.insert(key(m_ingredients.GetTrimString(QStringLiteral("NAME"))), number);
        }
        m_nextNumber = std::max(highest + 1, kFirstOwnNumber);
    }

    // False when the version-1 table holds fewer than the supplied ingredients.
    bool importIngredients(TApollo& old, Outcome& outcome) {
        const int count = old.RecCount();
        if (count < kSuppliedIngredients)
            return false;
        if (count - kSuppliedIngredients > kMaxOwnIngredients) {
            outcome.tooManyIngredients = true;
            return false;
        }
        for (int recNo = kSuppliedIngredients + 1; recNo <= count; ++recNo) {
            old.Go(recNo);
            const QString name = old.GetTrimString(QStringLiteral("NAME"));
            const auto known = m_ingredientNames.constFind(key(name));
            if (known != m_ingredientNames.constEnd()) {
                m_map.append(*known);
                continue;
            }
            const int number = m_nextNumber + outcome.ingredients++;
            m_map.append(number);
            appendIngredient(old, number, name);
        }
        return true;
    }

    void importRecipes(TApollo& old, Outcome& outcome, const Progress& progress) {
        const int count = old.RecCount();
        for (int recNo = 1; recNo <= count; ++recNo) {
            old.Go(recNo);
            if (progress)
                progress(recNo, count);
            if (!old.GetTrimString(QStringLiteral("BILD")).isEmpty())
                continue;
            QString name = old.GetTrimString(QStringLiteral("NAME"));
            if (m_recipeNames.contains(key(name))) {
                name = QString(name + QStringLiteral(" (Import)")).left(40);
                if (m_recipeNames.contains(key(name)))
                    continue;
            }
            appendRecipe(old, name);
            ++outcome.recipes;
        }
    }

private:
    static QString key(const QString& name) { return StagedTables::nameKey(name); }

    void appendIngredient(TApollo& old, int number, const QString& name) {
        TApollo& t = m_ingredients;
        t.AppendBlank();
        t.ReplaceInteger(QStringLiteral("INDEX"), number);
        t.ReplaceText(QStringLiteral("NAME"), name);
        t.ReplaceText(QStringLiteral("ALKOHOL"), old.GetTrimString(QStringLiteral("ALKOHOL")));
        t.ReplaceText(QStringLiteral("KENNUNG"), old.GetTrimString(QStringLiteral("KENNUNG")));
        t.ReplaceLogical(QStringLiteral("H1"), old.GetLogical(QStringLiteral("HAUSBAR")));
        t.ReplaceLogical(QStringLiteral("H2"), false);
        t.ReplaceLogical(QStringLiteral("H3"), false);
        for (const char* zero : {"PREIS", "VOL", "WICHTIG", "MENGE"})
            t.ReplaceInteger(QString::fromLatin1(zero), 0);
        t.ReplaceMemo(QStringLiteral("KOMMENTAR"),
                      convertMemo(old.GetMemo(QStringLiteral("KOMMENTAR")), false));
        t.Commit();
    }

    // The slot's number in this version's numbering; 0 for an empty slot.
    int currentNumber(int old) const {
        if (old <= kSuppliedIngredients)
            return old;
        const int k = old - kSuppliedIngredients;
        if (k > m_map.size()) // a reference to an ingredient the version-1 table does not hold
            throw StoreError(QStringLiteral("Zutat %1 fehlt").arg(old));
        return m_map.at(k - 1);
    }

    void appendRecipe(TApollo& old, const QString& name) {
        QString numbers, amounts;
        for (int slot = 0; slot < IngredientSlots::kMaxSlots; ++slot) {
            const qint64 oldNumber = old.GetInteger(old.FieldName(3 + 2 * slot));
            const qint64 amount = old.GetInteger(old.FieldName(4 + 2 * slot));
            // What no version wrote is damage: it would be stored as another number or amount.
            if (oldNumber < 0 || amount < 0 || amount > IngredientText::kMaxAmount)
                throw StoreError(QStringLiteral("Rezept %1: Zutat %2 mit Menge %3 ist ungültig")
                                     .arg(old.RecNo())
                                     .arg(oldNumber)
                                     .arg(amount));
            const int number = currentNumber(int(oldNumber));
            numbers += IngredientSlots::FormatNumber5(number);
            amounts += IngredientSlots::FormatNumber5(number == 0 ? 0 : amount);
        }
        TApollo& t = m_recipes;
        t.AppendBlank();
        t.ReplaceText(QStringLiteral("NAME"), name);
        t.ReplaceText(QStringLiteral("BILD"), QStringLiteral("e"));
        t.ReplaceText(QStringLiteral("Z"), numbers);
        t.ReplaceText(QStringLiteral("ZMENGE"), amounts);
        t.ReplaceInteger(QStringLiteral("KAT"), old.GetInteger(QStringLiteral("KATEGORIE")));
        t.ReplaceInteger(QStringLiteral("ALK"), old.GetInteger(QStringLiteral("ALKOHOL")));
        for (const char* zero : {"DEKO", "GESCH", "MARK"})
            t.ReplaceInteger(QString::fromLatin1(zero), 0);
        t.ReplaceMemo(QStringLiteral("ANLEITUNG"),
                      convertMemo(old.GetMemo(QStringLiteral("ANLEITUNG")), true));
        t.Commit();
    }

    TApollo& m_recipes;
    TApollo& m_ingredients;
    QHash<QString, int> m_ingredientNames;
    QSet<QString> m_recipeNames;
    QList<int> m_map;
    int m_nextNumber = kFirstOwnNumber;
};

Notice Version1Import::closingNotice(const Outcome& outcome) {
    if (outcome.recipes == 0)
        return Notice::hint(
            QStringLiteral(
                "Im alten Datenbestand wurden keine Rezepte gefunden, die importiert werden müssen."),
            2);
    return Notice::hint(
        QStringLiteral("Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden."), 2);
}

QString Version1Import::convertMemo(const QString& memo, bool instructions) {
    if (memo.size() < 3)
        return {};
    QString out;
    out.reserve(memo.size());
    for (qsizetype i = 0; i < memo.size(); ++i) {
        const QChar c = memo.at(i);
        if (instructions && memo.mid(i, kMarker.size()) == kMarker && memo.size() - i - kMarker.size() >= 2) {
            out += RecipeMemo::separator();
            i += kMarker.size(); // the marker and the one character after it
            continue;
        }
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue;
        if (c == QChar(0xFE))
            out += QStringLiteral("\r\n");
        else
            out += c;
    }
    return out;
}

Version1Import::Outcome Version1Import::run(TApolloEnv& env, const QString& version1Folder,
                                            const QString& dataFolder, const Progress& progress) {
    StagedTables staged(env, dataFolder);
    const std::pair<const char*, const char*> working[] = {{"REZEPTE.100", "HILFE.DBF"},
                                                           {"REZEPTE.200", "HILFE.DBT"},
                                                           {"ZUTATEN.100", "HILFE2.DBF"},
                                                           {"ZUTATEN.200", "HILFE2.DBT"}};
    for (const auto& [from, to] : working) // a missing file shows when its table is opened
        DataFileCopy::CopyDataFile(FolderLookup::find(version1Folder, QString::fromLatin1(from)),
                                   staged.file(QString::fromLatin1(to)));
    Pass pass(staged);
    pass.readCurrent();

    Outcome outcome;
    try {
        BulkWrite recipeWrites(staged.recipes()), ingredientWrites(staged.ingredients());
        TTable oldTable(env);
        TApollo old(oldTable);
        oldTable.Open(staged.folder(), QStringLiteral("HILFE2"), false);
        if (pass.importIngredients(old, outcome)) {
            oldTable.Close();
            oldTable.Open(staged.folder(), QStringLiteral("HILFE"), false);
            pass.importRecipes(old, outcome, progress);
        }
        oldTable.Close();
        ingredientWrites.finish();
        recipeWrites.finish();
    } catch (const StoreError&) {
        outcome.damaged = true;
    }
    if (outcome.damaged || outcome.tooManyIngredients)
        return {0, 0, outcome.damaged, outcome.tooManyIngredients};
    if (outcome.recipes + outcome.ingredients > 0)
        staged.replaceData();
    return outcome;
}
