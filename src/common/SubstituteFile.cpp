#include "common/SubstituteFile.h"

#include "store/Cp1252.h"

#include <QFile>

namespace {

const QString kArrow = QStringLiteral("<-");

QStringList namesIn(const QString& text, QChar separator) {
    QStringList names;
    for (const QString& part : text.split(separator))
        names << part.simplified();
    return names;
}

bool allNamed(const QStringList& names) {
    for (const QString& name : names)
        if (name.isEmpty())
            return false;
    return true;
}

} // namespace

SubstituteFile SubstituteFile::parse(const QString& text) {
    SubstituteFile file;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i)
        file.parseLine(int(i + 1), lines.at(i).trimmed());
    return file;
}

SubstituteFile SubstituteFile::load(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(Cp1252::toUnicode(file.readAll()));
}

void SubstituteFile::parseLine(int line, const QString& text) {
    if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
        return;
    const qsizetype arrow = text.indexOf(kArrow);
    if (arrow >= 0)
        parseOneWay(line, text, arrow);
    else if (text.contains(QLatin1Char('=')))
        parseFamily(line, text);
    else
        m_problems.append({line, QStringLiteral("weder „=“ noch „<-“ gefunden")});
}

void SubstituteFile::parseFamily(int line, const QString& text) {
    const QStringList members = namesIn(text, QLatin1Char('='));
    if (members.size() < 2 || !allNamed(members)) {
        m_problems.append({line, QStringLiteral("leerer Name in einer Familie")});
        return;
    }
    for (const QString& wanted : members)
        for (const QString& standIn : members)
            if (&wanted != &standIn)
                add(line, wanted, standIn);
}

void SubstituteFile::parseOneWay(int line, const QString& text, qsizetype arrow) {
    const QString wanted = text.left(arrow).simplified();
    const QStringList standIns = namesIn(text.mid(arrow + kArrow.size()), QLatin1Char(','));
    if (wanted.isEmpty() || !allNamed(standIns) || wanted.contains(QLatin1Char('=')) ||
        standIns.join(QString()).contains(kArrow)) {
        m_problems.append(
            {line, QStringLiteral("links von „<-“ eine Zutat, rechts eine oder mehrere mit Komma")});
        return;
    }
    for (const QString& standIn : standIns)
        add(line, wanted, standIn);
}

void SubstituteFile::add(int line, const QString& wanted, const QString& standIn) {
    m_rules.append({line, wanted, standIn});
}
