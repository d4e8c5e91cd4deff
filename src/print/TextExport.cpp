#include "print/TextExport.h"

#include "store/AtomicFile.h"
#include "store/Cp1252.h"

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

void line(QByteArray& out, const QString& label, const QString& value) {
    if (!value.isEmpty())
        out += Cp1252::fromUnicode(label + value) + kLineEnd;
}

} // namespace

QByteArray TextExport::bytes(const QList<PrintRecord>& records) {
    QByteArray out;
    for (const PrintRecord& r : records) {
        line(out, QString(), r.name);
        for (const QString& z : r.z)
            line(out, QString(), z);
        line(out, QStringLiteral("Kategorie: "), r.s1);
        line(out, QStringLiteral("Alkohol: "), r.s2);
        line(out, QStringLiteral("Dekoration: "), r.s3);
        line(out, QStringLiteral("Geschmack: "), r.s4);
        line(out, QStringLiteral("Menge: "), r.s5);
        line(out, QStringLiteral("Foto-Bitmap: "), r.bild);
        line(out, QString(), r.memo);
        out += kLineEnd;
    }
    return out;
}

bool TextExport::write(const QString& path, const QList<PrintRecord>& records, QString* reason) {
    return AtomicFile::write(path, bytes(records), reason);
}

QString TextExport::doneMessage(const QString& path) {
    return path + QStringLiteral("\rwurde angelegt.");
}
