#pragma once

#include <QList>
#include <QString>

#include <optional>

// The English words of recipe sites for bar ingredients and kinds of drinks, with the names the
// shipped data give them ("simple syrup" is Zuckersirup, "mocktail" Alkoholfrei). Looked up by
// the folded name (TextFold), singular.
class BarGlossary {
public:
    struct Entry {
        QString english;       // folded
        QString german;        // an ingredient or category name of the shipped data
        double perPiece = 1.0; // how much of the German ingredient one piece is (a lime wedge: ¼)
    };

    static std::optional<Entry> ingredient(const QString& folded);
    // The category name, or empty.
    static QString category(const QString& folded);

    static const QList<Entry>& ingredients();
    static const QList<Entry>& categories();
};
