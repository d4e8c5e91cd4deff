#include "app/MainMenu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>

MainMenu::MainMenu(QMainWindow* window) : QObject(window) {
    QMenuBar* bar = window->menuBar();
    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    add(datei, QStringLiteral("RezeptUpdates"), QStringLiteral("&Rezept-Updates"));
    add(datei, QStringLiteral("Import"), QStringLiteral("&Import aus Version 1"))
        ->setStatusTip(QStringLiteral("Rezepte und Zutaten aus Velta Cocktails 1 importieren"));
    add(datei, QStringLiteral("JsonImport"), QStringLiteral("&JSON-LD importieren"))
        ->setStatusTip(
            QStringLiteral("Rezepte aus einer JSON-LD-Datei (schema.org) als neue Rezepte anlegen"));
    add(datei, QStringLiteral("JsonExport"), QStringLiteral("&Exportieren als JSON-LD"))
        ->setStatusTip(QStringLiteral("Rezepte als JSON-LD-Datei (schema.org) speichern"));
    QMenu* sicherung = datei->addMenu(QStringLiteral("&Datensicherung"));
    add(sicherung, QStringLiteral("Einlesen"), QStringLiteral("Gesicherte Daten &einlesen"));
    add(sicherung, QStringLiteral("Sichern"), QStringLiteral("Aktuelle Daten &sichern"));
    add(sicherung, QStringLiteral("EinlesenRueckgaengig"),
        QStringLiteral("Letztes Einlesen &rückgängig machen"))
        ->setStatusTip(QStringLiteral(
            "Die Daten wiederherstellen, die vor dem letzten Einlesen einer Sicherung galten"));
    datei->addSeparator();
    QMenu* drucken = datei->addMenu(QStringLiteral("&Drucken"));
    add(drucken, QStringLiteral("DruckenAktuell"), QStringLiteral("&Aktuelles Getränk"),
        QKeySequence(Qt::CTRL | Qt::Key_D));
    add(drucken, QStringLiteral("DruckenMehrere"), QStringLiteral("&Mehrere Getränke"));
    datei->addSeparator();
    add(datei, QStringLiteral("Beenden"), QStringLiteral("&Beenden"), QKeySequence(Qt::ALT | Qt::Key_F4));

    QMenu* bearbeiten = bar->addMenu(QStringLiteral("&Bearbeiten"));
    add(bearbeiten, QStringLiteral("RezeptBearbeiten"), QStringLiteral("&Aktuelles Rezept bearbeiten"),
        QKeySequence(Qt::CTRL | Qt::Key_B));
    add(bearbeiten, QStringLiteral("RezeptNeu"), QStringLiteral("&Neues Rezept hinzufügen"),
        QKeySequence(Qt::CTRL | Qt::Key_N));
    bearbeiten->addSeparator();
    QMenu* datenbanken = bearbeiten->addMenu(QStringLiteral("&Datenbanken"));
    add(datenbanken, QStringLiteral("ListeRezepte"), QStringLiteral("&Rezepte"));
    add(datenbanken, QStringLiteral("ListeZutaten"), QStringLiteral("&Zutaten"));
    datenbanken->addSeparator();
    add(datenbanken, QStringLiteral("ListeDekoration"), QStringLiteral("Dekoration"));
    add(datenbanken, QStringLiteral("ListeGeschmack"), QStringLiteral("&Geschmacksrichtung"));
    add(datenbanken, QStringLiteral("ListeKategorie"), QStringLiteral("&Kategorie"));
    bearbeiten->addSeparator();
    QMenu* markieren = bearbeiten->addMenu(QStringLiteral("Mar&kieren"));
    add(markieren, QStringLiteral("MarkAktuell"), QStringLiteral("Aktuelles &Rezept"),
        QKeySequence(Qt::Key_F6));
    add(markieren, QStringLiteral("MarkAlle"), QStringLiteral("&Gesamte Auswahl"));
    markieren->addSeparator();
    add(markieren, QStringLiteral("MarkAufheben"), QStringLiteral("All&e Markierungen aufheben"));

    QMenu* suchen = bar->addMenu(QStringLiteral("&Suchen"));
    add(suchen, QStringLiteral("SucheAn"), QStringLiteral("&Suchkriterien definieren"),
        QKeySequence(Qt::Key_F11));
    add(suchen, QStringLiteral("SucheAus"), QStringLiteral("Suchkriterien &aufheben"),
        QKeySequence(Qt::Key_F12))
        ->setEnabled(false);
    suchen->addSeparator();
    add(suchen, QStringLiteral("Assistent"), QStringLiteral("&Cocktailassistent"),
        QKeySequence(Qt::CTRL | Qt::Key_A));

    QMenu* extras = bar->addMenu(QStringLiteral("&Extras"));
    add(extras, QStringLiteral("Menge"), QStringLiteral("&Menge berechnen"),
        QKeySequence(Qt::CTRL | Qt::Key_M));
    add(extras, QStringLiteral("Hausbar"), QStringLiteral("&Hausbar einrichten"),
        QKeySequence(Qt::CTRL | Qt::Key_H));
    extras->addSeparator();
    add(extras, QStringLiteral("Promille"), QStringLiteral("&Promilleassistent"),
        QKeySequence(Qt::CTRL | Qt::Key_P));
    add(extras, QStringLiteral("Einkauf"), QStringLiteral("&Einkaufsassistent"),
        QKeySequence(Qt::CTRL | Qt::Key_E));
    add(extras, QStringLiteral("Journal"), QStringLiteral("&Journal"))
        ->setStatusTip(QStringLiteral("Was Sie wann gemixt haben, mit Summen je Drink und je Monat"));
    extras->addSeparator();
    add(extras, QStringLiteral("Zutateninfo"), QStringLiteral("Zutaten&info"),
        QKeySequence(Qt::CTRL | Qt::Key_I));
    add(extras, QStringLiteral("Lexikon"), QStringLiteral("Bar&lexikon"), QKeySequence(Qt::CTRL | Qt::Key_L));
    extras->addSeparator();
    add(extras, QStringLiteral("Optionen"), QStringLiteral("&Optionen"), QKeySequence(Qt::Key_F9));

    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    add(hilfe, QStringLiteral("Index"), QStringLiteral("&Index"), QKeySequence(Qt::Key_F1));
    hilfe->addSeparator();
    add(hilfe, QStringLiteral("Info"), QStringLiteral("&Info über..."));
    for (QMenu* menu : bar->findChildren<QMenu*>())
        menu->installEventFilter(this);
}

QAction* MainMenu::add(QMenu* menu, const QString& command, const QString& caption,
                       const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(command);
    action->setShortcut(shortcut);
    action->setData(helpContext(command));
    connect(action, &QAction::triggered, this, [this, command] { emit triggered(command); });
    m_actions.insert(command, action);
    return action;
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QObject::eventFilter(watched, event);
    const QAction* item = menu->activeAction();
    const int context = item && !item->menu() ? item->data().toInt() : 0;
    // The menus close first, as choosing an item would close them.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    emit helpRequested(context);
    return true;
}

int MainMenu::helpContext(const QString& command) {
    static const QHash<QString, int> contexts = {
        {QStringLiteral("SucheAn"), 2310},    {QStringLiteral("SucheAus"), 2320},
        {QStringLiteral("Assistent"), 2350},  {QStringLiteral("Menge"), 2410},
        {QStringLiteral("Hausbar"), 2420},    {QStringLiteral("Promille"), 2430},
        {QStringLiteral("Einkauf"), 2440},    {QStringLiteral("Zutateninfo"), 2460},
        {QStringLiteral("Lexikon"), 2510},    {QStringLiteral("Optionen"), 2600},
        {QStringLiteral("JsonExport"), 2090}, {QStringLiteral("JsonImport"), 2090},
        {QStringLiteral("Journal"), 2480}};
    return contexts.value(command, 0);
}
