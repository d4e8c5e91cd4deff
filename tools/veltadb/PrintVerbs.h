#pragma once

#include <QStringList>

// The print table's outputs without the window:
//   veltadb export ORDNER DATEI [--liste] [--zutaten 0|3|5] [--bemerkung] [SATZ ...]
//   veltadb drucken ORDNER DATEI.pdf [--liste] [--a5] [--quer] [SATZ ...]
// Both fill a print table of their own from the data folder's tables (opened read-only) and
// write the text file or the PDF as the print dialog does, with its defaults. Exit 0 on success,
// 2 with a German message on stderr otherwise; a failed run leaves no half-written file.
class PrintVerbs {
public:
    static bool handles(const QString& verb);
    // args: everything after the verb.
    static int run(const QString& verb, const QStringList& args);
};
