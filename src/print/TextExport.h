#pragma once

#include "print/PrintRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// `ExportTextFile`: the print table as a plain text file, Windows-1252 with CR LF line ends. Each
// drink gives its name, its lines and facts (only those that are not empty), its memo and an
// empty line.
class TextExport {
public:
    static QString proposedName() { return QStringLiteral("Velta98.txt"); }
    static QString filter() { return QStringLiteral("Textdateien (*.TXT)"); }
    static QString defaultSuffix() { return QStringLiteral("txt"); }

    static QByteArray bytes(const QList<PrintRecord>& records);
    // Replaces the file as a whole, so a failed write never leaves half a file; false on failure
    // (`reason` tells why).
    static bool write(const QString& path, const QList<PrintRecord>& records, QString* reason = nullptr);
    // The notice after a successful export.
    static QString doneMessage(const QString& path);
};
