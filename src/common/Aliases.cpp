#include "common/Aliases.h"

#include "common/TextFold.h"
#include "store/FolderLookup.h"

Aliases::Aliases(const AliasFile& file) {
    for (const AliasFile::Rule& rule : file.rules()) {
        const bool drink = rule.kind == AliasFile::Kind::Drink;
        QStringList& names = (drink ? m_drinks : m_ingredients)[rule.name.toCaseFolded()];
        if (names.contains(rule.alias, Qt::CaseInsensitive))
            continue;
        names.append(rule.alias);
        if (drink)
            m_drinkNames.append({rule.alias, TextFold::prepare(rule.alias), rule.name});
        else if (const QString folded = TextFold::fold(rule.alias); !m_ingredientFor.contains(folded))
            m_ingredientFor.insert(folded, rule.name);
    }
}

Aliases Aliases::ofFolder(const QString& dataFolder) {
    return Aliases(AliasFile::load(FolderLookup::find(dataFolder, AliasFile::fileName())));
}
