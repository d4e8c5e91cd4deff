#pragma once

#include <QStringList>
#include <QTextStream>

// The category, taste and decoration verbs of veltadb, run by the list dialogs' own core:
//   category-list ORDNER, category-add ORDNER NAME, category-rename ORDNER NUMMER NAME,
//   category-delete ORDNER NUMMER; the same for taste-…; decoration-list ORDNER,
//   decoration-add ORDNER NAME [BESCHREIBUNG], decoration-edit ORDNER SATZ NAME [BESCHREIBUNG],
//   decoration-delete ORDNER SATZ.
// Categories and tastes are numbered from 1 as the recipes store them; a change writes VE.DAT.
class ListVerbs {
public:
    static bool handles(const QString& verb);
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
    static QString usage();
};
