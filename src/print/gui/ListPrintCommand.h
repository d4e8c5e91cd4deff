#pragma once

#include "ui/DialogServices.h"

#include <QPrinter>
#include <QStringList>

// Prints a plain list (the party planner's shopping list) on the printer the user chose last for
// it, through the report engine and its printer set-up. Created on first use.
class ListPrintCommand {
public:
    explicit ListPrintCommand(const DialogServices& services) : m_parent(services.parent) {}

    // False when the user cancelled the set-up or the printer failed (the user was told).
    bool print(const QStringList& lines, QWidget* parent);

private:
    QWidget* m_parent;
    QPrinter m_printer;
};
