#pragma once

#include "common/Notice.h"
#include "common/Result.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

class TApollo;

// The user's own records of the drinks, kept beside the tables in MEINE.TXT (Windows-1252 text, CR LF)
// and never in the table formats: the stars (0 to 5), a note, and the journal of what was mixed when.
//   # comment
//   [17] Mai Tai                  the record number of the drink, then its name as a check
//   Sterne=4
//   Notiz=Mit mehr Limette.\nAm besten im Sommer.     line breaks as \n, a backslash as \\
//   Gemixt=2026-12-09,2           date and glasses, once for every time it was mixed
// A drink is keyed by its record number, which a rename keeps and a deletion never gives to another
// drink; the name shows whether the number still means the same drink (see `reconcile`).
class MyDrinks {
public:
    static constexpr int kMaxStars = 5;
    static constexpr int kMaxNote = 2000;
    static constexpr int kMaxGlasses = 99;

    struct Mixed {
        QDate date;
        int glasses = 1;
        friend bool operator==(const Mixed&, const Mixed&) = default;
    };
    struct Drink {
        QString name;
        int stars = 0;
        QString note; // line breaks as \n
        QList<Mixed> mixed;
        bool isEmpty() const { return stars == 0 && note.isEmpty() && mixed.isEmpty(); }
        friend bool operator==(const Drink&, const Drink&) = default;
    };
    struct JournalLine {
        QDate date;
        int recNo = 0;
        int glasses = 0;
        QString name;
        friend bool operator==(const JournalLine&, const JournalLine&) = default;
    };

    static QString fileName() { return QStringLiteral("MEINE.TXT"); }

    // Nothing when the text cannot be read as a whole; `badLine` then says where it went wrong.
    static std::optional<MyDrinks> parse(const QByteArray& bytes, int* badLine = nullptr);
    QByteArray toBytes() const;

    // Reads the file of a data folder and matches it to the recipes. A damaged file is never taken in
    // part: the records stay empty, and the file is set aside (renamed beside itself) when `writable`,
    // so that no later change overwrites it. The notice says so, once; without a set-aside file the
    // changes are refused for the run.
    std::optional<Notice> loadFolder(const QString& dataFolder, TApollo& recipes, bool writable);
    QString path() const { return m_path; }

    // Matches the records to the recipes as they are now: a drink whose number names it still (or a
    // renamed one: the number holds another name that no other drink has) keeps its records, with the
    // name brought up to date; a number that names another drink while the recorded name belongs to a
    // different number (a restore of an older backup that numbered the drinks differently) moves the
    // records to that number; a deleted drink's records are dropped.
    void reconcile(TApollo& recipes);

    int stars(int recNo) const { return m_drinks.value(recNo).stars; }
    QString note(int recNo) const { return m_drinks.value(recNo).note; }
    bool has(int recNo) const { return m_drinks.contains(recNo); }
    int timesMixed(int recNo) const { return int(m_drinks.value(recNo).mixed.size()); }
    QDate lastMixed(int recNo) const;
    // "zuletzt gemixt am 09.12.2026, 3-mal"; empty for a drink never mixed.
    QString mixedLine(int recNo) const;
    // Every time anything was mixed, by date (the same day by name).
    QList<JournalLine> journal() const;
    bool isEmpty() const { return m_drinks.isEmpty(); }
    // For the passes over all drinks (the search): the stars and notes by record number.
    QHash<int, int> allStars() const;
    QHash<int, QString> allNotes() const;

    // The changes, written at once as a whole file (AtomicFile). A write that fails leaves the file
    // and these records as they were, and the refusal carries the reason. Values out of range are
    // the caller's to refuse (MyDrinksSession).
    Result setStars(int recNo, const QString& name, int stars);
    Result setNote(int recNo, const QString& name, const QString& note);
    Result addMixed(int recNo, const QString& name, const QDate& date, int glasses);

    // The refusal while a damaged file could not be set aside.
    static Notice blockedNotice(const QString& path);

private:
    Result store(const QMap<int, Drink>& changed);
    Drink changedDrink(int recNo, const QString& name) const;

    QMap<int, Drink> m_drinks;
    QString m_path;
    bool m_blocked = false;
};
