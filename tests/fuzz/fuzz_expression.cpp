// Feeds arbitrary text to the filter parser and evaluates what it accepts on a sample record.
#include "store/DbfField.h"
#include "store/StoreError.h"
#include "store/XbaseExpression.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace {

QList<DbfField> fields() {
    QList<DbfField> out;
    int offset = 1;
    const std::pair<const char*, std::pair<char, int>> defs[] = {
        {"NAME", {'C', 30}}, {"BILD", {'C', 5}}, {"Z", {'C', 100}},  {"KAT", {'N', 3}},
        {"GESCH", {'N', 3}}, {"ALK", {'N', 3}},  {"MARK", {'N', 1}}, {"CANR", {'N', 4}}};
    for (const auto& [name, def] : defs) {
        DbfField f;
        f.name = name;
        f.type = def.first;
        f.length = def.second;
        f.offset = offset;
        offset += f.length;
        out.append(f);
    }
    return out;
}

QByteArray record() {
    QByteArray r = QByteArray(" ") + QByteArray("Mojito").leftJustified(30, ' ') + QByteArray("517  ") +
                   QByteArray("    7   42").leftJustified(100, ' ') + "  3" + "  1" + " 12" + "0" + "1111";
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QList<DbfField> f = fields();
    static const QByteArray rec = record();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const XbaseExpression e = XbaseExpression::compile(text, f);
        e.matches(rec.constData());
    } catch (const StoreError&) {
    }
    return 0;
}
