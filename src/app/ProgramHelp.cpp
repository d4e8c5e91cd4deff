#include "app/ProgramHelp.h"

QString ProgramHelp::version() {
    return QStringLiteral(VELTA_VERSION);
}

QString ProgramHelp::versionText(const QString& program) {
    return QStringLiteral("%1 (Velta Cocktails 98) %2\n"
                          "Die Cocktail-Datenbank für zu Hause.\n")
        .arg(program, version());
}

QString ProgramHelp::programHelp() {
    return QStringLiteral(
               "Aufruf: velta98 [SCHALTER]\n"
               "\n"
               "Velta Cocktails 98 ist eine Cocktail-Datenbank für zu Hause: eine alphabetische Liste von "
               "Drinks mit Rezept, Zutaten, Alkoholgehalt, Anleitung und Foto, dazu die Suche nach "
               "Kriterien, drei Hausbars, ein Einkaufsassistent, ein Cocktailassistent, Rechner, Editoren "
               "für alle Listen, ein Barlexikon, Rezeptkarten und Barkarten, Datensicherung und Importe. "
               "Die Hilfe im Programm (F1) beschreibt jedes Fenster.\n"
               "\n"
               "Schalter:\n"
               "Nur das erste Argument zählt.\n"
               "  debug        zeigt beim Start die Ordner des Programms und die Zahl der Rezepte\n"
               "  werbung      startet mit dem Werbebild\n"
               "  CANR         zeigt im Rezepteditor die Nummer für den Cocktailassistenten\n"
               "  --help       zeigt diese Hilfe\n"
               "  --version    zeigt die Version\n"
               "\n") +
           commonSections(QStringLiteral("veltadb"));
}

QString ProgramHelp::commonSections(const QString& otherProgram) {
    return QStringLiteral(
               "Erster Start:\n"
               "Das installierte Programm braucht keine Einrichtung. Beim ersten Start eines Benutzers "
               "kopiert es die mitgelieferten Tabellen und Bilder aus /usr/share/velta98 in dessen "
               "Programmordner ~/.local/share/velta98 (bzw. $XDG_DATA_HOME/velta98), schreibt "
               "~/.config/velta98/VELTA98.INI und sagt das einmal. Danach arbeitet es mit diesen Daten; "
               "ein neues Paket ändert sie nicht.\n"
               "\n"
               "Dateien:\n"
               "  ~/.local/share/velta98/DATEN    Tabellen, Listen und Einstellungen des Benutzers\n"
               "  ~/.local/share/velta98/EIGENE    eigene Fotos\n"
               "  ~/.config/velta98/VELTA98.INI    die Ordner des Programms\n"
               "  /usr/share/velta98    die mitgelieferten Daten, nur zum Lesen\n"
               "\n"
               "Siehe auch:\n"
               "%1(1)\n")
        .arg(otherProgram);
}

QString ProgramHelp::answer(const QString& program, const QStringList& argumentsAfterProgram,
                            const QString& help) {
    if (argumentsAfterProgram.size() != 1)
        return {};
    if (argumentsAfterProgram.first() == QStringLiteral("--help"))
        return help;
    if (argumentsAfterProgram.first() == QStringLiteral("--version"))
        return versionText(program);
    return {};
}
