#include "common/MyDrinks.h"

#include "common/KeepPosition.h"
#include "common/ListCollation.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "store/AtomicFile.h"
#include "store/Cp1252.h"
#include "store/FolderLookup.h"
#include "store/TApollo.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kStars = QStringLiteral("Sterne");
const QString kNote = QStringLiteral("Notiz");
const QString kMixed = QStringLiteral("Gemixt");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QString escaped(const QString& note) {
    QString out = note;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return out;
}

std::optional<QString> unescaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\')) {
            out += text.at(i);
            continue;
        }
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            return std::nullopt;
        ++i;
    }
    return out;
}

// A number of plain digits from `min` to `max`.
std::optional<int> numberIn(const QString& text, int min, int max) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    return value >= min && value <= max ? std::optional<int>(value) : std::nullopt;
}

} // namespace

std::optional<MyDrinks> MyDrinks::parse(const QByteArray& bytes, int* badLine) {
    static const QRegularExpression header(QStringLiteral("^\\[([0-9]{1,9})\\] ?(.*)$"));
    MyDrinks out;
    const QStringList lines = Cp1252::toUnicode(bytes).split(QLatin1Char('\n'));
    Drink* current = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto fail = [&] {
            if (badLine)
                *badLine = int(i + 1);
            return std::nullopt;
        };
        if (const QRegularExpressionMatch m = header.match(line); m.hasMatch()) {
            const int recNo = m.captured(1).toInt();
            if (recNo < 1 || out.m_drinks.contains(recNo))
                return fail();
            current = &out.m_drinks[recNo];
            current->name = m.captured(2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq < 1)
            return fail();
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        if (key == kStars) {
            const std::optional<int> stars = numberIn(value.trimmed(), 0, kMaxStars);
            if (!stars)
                return fail();
            current->stars = *stars;
        } else if (key == kNote) {
            const std::optional<QString> note = unescaped(value);
            if (!note || note->size() > kMaxNote)
                return fail();
            current->note = *note;
        } else if (key == kMixed) {
            const QStringList parts = value.trimmed().split(QLatin1Char(','));
            const QDate date = QDate::fromString(parts.value(0).trimmed(), kDateFormat);
            const std::optional<int> glasses = numberIn(parts.value(1).trimmed(), 1, kMaxGlasses);
            if (parts.size() != 2 || !date.isValid() || !glasses)
                return fail();
            current->mixed.append({date, *glasses});
        }
        // Another key is one a later version wrote: passed by.
    }
    return out;
}

QByteArray MyDrinks::toBytes() const {
    QString text = QStringLiteral("# Eigene Bewertungen, Notizen und das Journal von Velta Cocktails 98\r\n");
    for (auto it = m_drinks.cbegin(); it != m_drinks.cend(); ++it) {
        const Drink& d = it.value();
        if (d.isEmpty())
            continue;
        text += QStringLiteral("\r\n[%1] %2\r\n").arg(it.key()).arg(d.name);
        if (d.stars > 0)
            text += kStars + QLatin1Char('=') + QString::number(d.stars) + QStringLiteral("\r\n");
        if (!d.note.isEmpty())
            text += kNote + QLatin1Char('=') + escaped(d.note) + QStringLiteral("\r\n");
        for (const Mixed& m : d.mixed)
            text += QStringLiteral("%1=%2,%3\r\n").arg(kMixed, m.date.toString(kDateFormat)).arg(m.glasses);
    }
    return Cp1252::fromUnicode(text);
}

std::optional<Notice> MyDrinks::loadFolder(const QString& dataFolder, TApollo& recipes, bool writable) {
    m_drinks.clear();
    m_blocked = false;
    m_path = FolderLookup::find(dataFolder, fileName());
    QFile file(m_path);
    if (!file.exists())
        return std::nullopt;
    int badLine = 0;
    const std::optional<MyDrinks> read =
        file.open(QIODevice::ReadOnly) ? parse(file.readAll(), &badLine) : std::nullopt;
    file.close();
    if (read) {
        m_drinks = read->m_drinks;
        reconcile(recipes);
        return std::nullopt;
    }
    QString text = QStringLiteral("Die Datei der eigenen Bewertungen, Notizen und des Journals ist "
                                  "beschädigt%1:\r%2\r")
                       .arg(badLine > 0 ? QStringLiteral(" (Zeile %1)").arg(badLine) : QString(), m_path);
    if (!writable) {
        m_blocked = true;
        text += QStringLiteral("Sie bleibt unverändert; Sterne, Notizen und Journal bleiben leer.");
    } else if (const QString aside = AtomicFile::setAside(m_path); !aside.isEmpty()) {
        text += QStringLiteral("Sie wurde unter diesem Namen beiseitegelegt, Sterne, Notizen und Journal "
                               "beginnen leer:\r%1")
                    .arg(aside);
    } else {
        m_blocked = true;
        text +=
            QStringLiteral("Sie konnte nicht beiseitegelegt werden; Änderungen werden nicht gespeichert.");
    }
    return Notice::error(text, 5);
}

void MyDrinks::reconcile(TApollo& recipes) {
    if (m_drinks.isEmpty())
        return;
    KeepPosition keep(recipes);
    const int count = recipes.RecCount();
    QMap<int, Drink> kept;
    struct Stray {
        int recNo;
        Drink drink;
        QString nameThere; // empty beyond the table
    };
    QList<Stray> strays;
    for (auto it = m_drinks.cbegin(); it != m_drinks.cend(); ++it) {
        if (it.key() > count) {
            strays.append({it.key(), it.value(), QString()});
            continue;
        }
        recipes.Go(it.key());
        if (recipes.IsDeleted())
            continue; // the drink is gone, and so are its records
        const QString name = RecipeBook::name(recipes);
        if (name == it.value().name)
            kept.insert(it.key(), it.value());
        else
            strays.append({it.key(), it.value(), name});
    }
    if (!strays.isEmpty()) {
        QHash<QString, int> numbers; // every drink's name, the first of a name counting
        {
            TurboRead fast(recipes);
            for (int r = 1; r <= count; ++r) {
                recipes.Go(r);
                if (!recipes.IsDeleted()) {
                    const QString name = RecipeBook::name(recipes);
                    if (!numbers.contains(name))
                        numbers.insert(name, r);
                }
            }
        }
        for (Stray& s : strays) {
            const int there = numbers.value(s.drink.name, 0);
            if (there > 0 && there != s.recNo && !kept.contains(there)) {
                s.drink.name = RecipeBook::name((recipes.Go(there), recipes));
                kept.insert(there, s.drink);
            } else if (!s.nameThere.isEmpty() && !kept.contains(s.recNo)) {
                s.drink.name = s.nameThere; // renamed
                kept.insert(s.recNo, s.drink);
            }
        }
    }
    m_drinks = kept;
}

QHash<int, int> MyDrinks::allStars() const {
    QHash<int, int> out;
    for (auto it = m_drinks.cbegin(); it != m_drinks.cend(); ++it) {
        if (it.value().stars > 0)
            out.insert(it.key(), it.value().stars);
    }
    return out;
}

QHash<int, QString> MyDrinks::allNotes() const {
    QHash<int, QString> out;
    for (auto it = m_drinks.cbegin(); it != m_drinks.cend(); ++it) {
        if (!it.value().note.isEmpty())
            out.insert(it.key(), it.value().note);
    }
    return out;
}

QDate MyDrinks::lastMixed(int recNo) const {
    QDate last;
    for (const Mixed& m : m_drinks.value(recNo).mixed)
        last = std::max(last, m.date);
    return last;
}

QString MyDrinks::mixedLine(int recNo) const {
    const int times = timesMixed(recNo);
    if (times == 0)
        return {};
    return QStringLiteral("zuletzt gemixt am %1, %2-mal")
        .arg(lastMixed(recNo).toString(QStringLiteral("dd.MM.yyyy")))
        .arg(times);
}

QList<MyDrinks::JournalLine> MyDrinks::journal() const {
    QList<JournalLine> out;
    for (auto it = m_drinks.cbegin(); it != m_drinks.cend(); ++it) {
        for (const Mixed& m : it.value().mixed)
            out.append({m.date, it.key(), m.glasses, it.value().name});
    }
    // The file keeps no time of day: the drinks of one day by name.
    std::stable_sort(out.begin(), out.end(), [](const JournalLine& a, const JournalLine& b) {
        return a.date != b.date ? a.date < b.date : ListCollation::lessThan(a.name, b.name);
    });
    return out;
}

MyDrinks::Drink MyDrinks::changedDrink(int recNo, const QString& name) const {
    Drink d = m_drinks.value(recNo);
    d.name = name;
    return d;
}

Result MyDrinks::setStars(int recNo, const QString& name, int stars) {
    QMap<int, Drink> changed = m_drinks;
    changed[recNo] = changedDrink(recNo, name);
    changed[recNo].stars = std::clamp(stars, 0, kMaxStars);
    return store(changed);
}

Result MyDrinks::setNote(int recNo, const QString& name, const QString& note) {
    QMap<int, Drink> changed = m_drinks;
    changed[recNo] = changedDrink(recNo, name);
    QString text = note;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    changed[recNo].note = text.trimmed().left(kMaxNote);
    return store(changed);
}

Result MyDrinks::addMixed(int recNo, const QString& name, const QDate& date, int glasses) {
    QMap<int, Drink> changed = m_drinks;
    changed[recNo] = changedDrink(recNo, name);
    changed[recNo].mixed.append({date, std::clamp(glasses, 1, kMaxGlasses)});
    return store(changed);
}

Notice MyDrinks::blockedNotice(const QString& path) {
    return Notice::error(QStringLiteral("Die Datei der eigenen Bewertungen, Notizen und des Journals ist "
                                        "beschädigt und wird nicht überschrieben:\r%1")
                             .arg(path),
                         3);
}

Result MyDrinks::store(const QMap<int, Drink>& changed) {
    if (m_blocked)
        return Result::refused(blockedNotice(m_path));
    MyDrinks next;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
        if (!it.value().isEmpty())
            next.m_drinks.insert(it.key(), it.value());
    }
    QString reason;
    if (!AtomicFile::write(m_path, next.toBytes(), &reason))
        return Result::refused(Notice::error(AtomicFile::failureText(m_path, reason), 3));
    m_drinks = next.m_drinks;
    return Result::ok();
}
