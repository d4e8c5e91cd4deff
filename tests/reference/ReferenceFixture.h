#pragma once

#include "TestFiles.h"
#include "TestTables.h"
#include "common/AppState.h"
#include "reference/LexiconArticle.h"

#include <QDir>
#include <QTemporaryDir>

// Small lexicon, ingredient and decoration tables with a program folder for their pictures.
namespace ReferenceFixture {

inline int addArticle(TApollo& table, const QString& name, const QString& bild, const QString& text) {
    table.AppendBlank();
    table.ReplaceText(QStringLiteral("NAME"), name);
    table.ReplaceText(QStringLiteral("BILD"), bild);
    if (!text.isEmpty())
        table.ReplaceMemo(QStringLiteral("TEXT"), text);
    table.Commit();
    return table.RecNo();
}

// Gives the ingredient the table stands on its remark.
inline void setRemark(TApollo& ingredients, const QString& remark) {
    ingredients.ReplaceMemo(QStringLiteral("KOMMENTAR"), remark);
    ingredients.Commit();
}

// A program folder with its data folder and the pictures' "EXTRAS" folder.
struct Folders {
    QTemporaryDir root;
    QString data = root.filePath(QStringLiteral("DATEN/"));
    QString pictures = root.filePath(QStringLiteral("BILDER/"));
    Folders() {
        QDir(root.path()).mkpath(QStringLiteral("DATEN"));
        QDir(root.path()).mkpath(QStringLiteral("BILDER/EXTRAS"));
    }
    QString touch(const QString& relative) {
        const QString path = root.filePath(relative);
        TestFiles::writeAll(path, "BM");
        return path;
    }
    LexiconArticle::Folders folders() const { return {pictures, data}; }
};

// Three terms (Abseihen and Shaker with pictures, Äquator without text), two ingredients (Wodka
// 40 % without remark, the user's Hausgemachter Likör with one), two decorations (one the user
// made, without picture name); the shared state points at the folders.
struct Tables {
    TestTables t;
    Folders f;
    AppState state;
    Tables() {
        addArticle(t.ba(), QStringLiteral("Shaker"), QStringLiteral("LSHAKER"),
                   QStringLiteral("Ein Becher zum Schütteln."));
        addArticle(t.ba(), QStringLiteral("Abseihen"), QStringLiteral("LABSEIH"),
                   QStringLiteral("Durch ein Sieb gießen."));
        addArticle(t.ba(), QStringLiteral("Äquator"), QStringLiteral("XYZ"), QString());
        t.addIngredient({.number = 12, .name = QStringLiteral("Wodka"), .alcohol = 40});
        t.addIngredient({.number = 400, .name = QStringLiteral("Hausgemachter Likör"), .alcohol = 18});
        setRemark(t.zu(), QStringLiteral("Nach Omas Rezept."));
        addArticle(t.de(), QStringLiteral("Zitronenscheibe"), QStringLiteral("DZISCHEI"),
                   QStringLiteral("Quer schneiden."));
        addArticle(t.de(), QStringLiteral("Eigene Deko"), QString(), QStringLiteral("Vom Benutzer."));
        f.touch(QStringLiteral("BILDER/EXTRAS/labseih.bmp"));
        f.touch(QStringLiteral("BILDER/EXTRAS/DZISCHEI.BMP"));
        f.touch(QStringLiteral("DATEN/BD.BMP"));
        f.touch(QStringLiteral("DATEN/DD.BMP"));
        state.folders.dataFolder = f.data;
        state.folders.picturesFolder = f.pictures;
        state.catalogue.changeIngredients([&](IngredientChoices& c) {
            c.zutatliste = {{QStringLiteral("Hausgemachter Likör"), 400}, {QStringLiteral("Wodka"), 12}};
        });
    }
};

} // namespace ReferenceFixture
