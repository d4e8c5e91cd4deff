#include "ui/AboutCredits.h"

namespace {

struct Group {
    const char* role;
    QStringList names;
};

QList<Group> groups() {
    return {
        {"Idee und Programmierung", {QStringLiteral("Das Velta-Team")}},
        {"Rezepte, Texte und Lexikon", {QStringLiteral("Die Velta-Redaktion")}},
        {"Rezeptdaten teilweise abgeleitet aus",
         {QStringLiteral("old-fashioned"), QStringLiteral("(c) 2023 Tom MacWright"),
          QStringLiteral("BSD-2-Clause"), QString(), QStringLiteral("iba-cocktails"),
          QStringLiteral("(c) 2023 Rasmus Bååth"), QStringLiteral("MIT"), QString(),
          QStringLiteral("CocktailBerry"), QStringLiteral("(c) 2021 Andre Wohnsland"),
          QStringLiteral("MIT")}},
        {"Fotos, Bilder, Klänge und Musik",
         {QStringLiteral("am Computer erzeugt"), QStringLiteral("vom Velta-Team")}},
        {"Sprachausgabe",
         {QStringLiteral("eSpeak NG"), QStringLiteral("(c) Jonathan Duddington,"),
          QStringLiteral("Reece H. Dunn und andere"), QStringLiteral("GPL 3")}},
        {"Schriften",
         {QStringLiteral("Liberation Fonts"), QStringLiteral("(c) 2012 Red Hat, Inc.,"),
          QStringLiteral("(c) 2010 Google Corporation"), QStringLiteral("SIL Open Font License 1.1"),
          QString(), QStringLiteral("MS Sans Serif und Wingdings"), QStringLiteral("aus Wine"),
          QStringLiteral("(c) 1993-2022 die Wine-Autoren"), QStringLiteral("LGPL 2.1"), QString(),
          QStringLiteral("Symbola"), QStringLiteral("(c) 2007-2015 George Douros"),
          QStringLiteral("frei verwendbar")}},
        {"Klangschrift der Hintergrundmusik",
         {QStringLiteral("TimGM6mb"), QStringLiteral("(c) 2004 Tim Brechbill"), QStringLiteral("GPL 2")}},
        {"Programmbibliotheken",
         {QStringLiteral("Qt 6"), QStringLiteral("(c) The Qt Company Ltd."), QStringLiteral("LGPL 3"),
          QString(), QStringLiteral("FluidSynth"), QStringLiteral("(c) Peter Hanappe und andere"),
          QStringLiteral("LGPL 2.1")}},
        {"Zum Wohl", {QStringLiteral("Genießen Sie verantwortungsvoll!")}},
    };
}

} // namespace

QString AboutCredits::makerLine() {
    return QStringLiteral("© 1997 Velta Software GmbH");
}

QStringList AboutCredits::addressBlock() {
    return {QStringLiteral("Velta Software GmbH"), QStringLiteral("Am Shakerweg 7, D-99999 Mixhausen"),
            QStringLiteral("Telefon (0 12 34) 56 78-0"), QStringLiteral("Telefax (0 12 34) 56 78-99")};
}

QString AboutCredits::webAddress() {
    return QStringLiteral("http://www.velta-cocktails.example/");
}

QStringList AboutCredits::lines() {
    QStringList out = {productName().toUpper(), QString()};
    for (const Group& g : groups()) {
        out << QStringLiteral("- %1 -").arg(QString::fromUtf8(g.role));
        out << g.names;
        out << QString();
    }
    return out;
}

bool AboutCredits::isTitle(const QString& line) {
    return line.size() > 4 && line.startsWith(QStringLiteral("- ")) && line.endsWith(QStringLiteral(" -"));
}
