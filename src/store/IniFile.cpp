#include "store/IniFile.h"

#include "store/AtomicFile.h"
#include "store/Cp1252.h"

#include <QFile>

namespace {
const QByteArray kUtf8Mark("\xEF\xBB\xBF");
} // namespace

bool IniFile::load(const QString& path) {
    m_sections.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    parse(file.readAll());
    return true;
}

void IniFile::parse(const QByteArray& bytes) {
    m_sections.clear();
    const QString text =
        bytes.startsWith(kUtf8Mark) ? QString::fromUtf8(bytes.mid(3)) : Cp1252::toUnicode(bytes);
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            m_sections.append({line.mid(1, close < 0 ? -1 : close - 1).trimmed(), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || m_sections.isEmpty())
            continue;
        m_sections.last().entries.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
}

IniFile::Entry* IniFile::find(const QString& section, const QString& key) {
    for (Section& s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (Entry& e : s.entries) {
            if (e.key.compare(key, Qt::CaseInsensitive) == 0)
                return &e;
        }
    }
    return nullptr;
}

const IniFile::Entry* IniFile::find(const QString& section, const QString& key) const {
    return const_cast<IniFile*>(this)->find(section, key);
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    const Entry* e = find(section, key);
    return e ? e->value : fallback;
}

bool IniFile::contains(const QString& section, const QString& key) const {
    return find(section, key);
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    if (Entry* found = find(section, key)) {
        found->value = value;
        return;
    }
    for (Section& s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) == 0) {
            s.entries.append({key, value});
            return;
        }
    }
    m_sections.append({section, {{key, value}}});
}

void IniFile::remove(const QString& section, const QString& key) {
    for (Section& s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            s.entries.removeIf(
                [&key](const Entry& e) { return e.key.compare(key, Qt::CaseInsensitive) == 0; });
    }
}

QByteArray IniFile::toBytes() const {
    QString text;
    for (const Section& s : m_sections) {
        text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const Entry& e : s.entries)
            text += e.key + QLatin1Char('=') + e.value + QStringLiteral("\r\n");
    }
    // Windows-1252 as the original wrote it; a folder whose name that code page cannot hold
    // ("Łukasz") is written as marked UTF-8 instead, so that it reads back exactly.
    if (Cp1252::canEncode(text))
        return Cp1252::fromUnicode(text);
    return kUtf8Mark + text.toUtf8();
}

bool IniFile::save(const QString& path, QString* reason) const {
    return AtomicFile::write(path, toBytes(), reason);
}
