#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The glass a drink is served in, read from its instructions: the first serving glass they name
// ("in ein vorgekühltes Cocktailglas abseihen"), not the mixing glass, the jug or the pot it is made
// in. Glasses that serve alike share one kind ("Cocktailschale" and "Cocktailglas", "Highball" and
// "Longdrinkglas"); a big or tall glass without a name is a long drink's.
class ServingGlass {
public:
    enum class Kind {
        Cocktail,
        Highball,
        Tumbler,
        Flute,
        Wine,
        Tiki,
        Metal,
        Hurricane,
        Margarita,
        Shot,
        Beer,
        Handle,
        Mug,
    };
    static constexpr int kKinds = int(Kind::Mug) + 1;

    // None when the instructions name no glass, or only "ein Glas".
    static std::optional<Kind> of(const QString& instructions);
    // "Cocktailglas, -schale", "Tasse, Becher", …: as the search offers them and saves them.
    static QString name(Kind kind);
    // The kinds' names in the order of the enumeration.
    static QStringList names();
};
