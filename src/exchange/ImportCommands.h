#pragma once

#include "ui/DialogServices.h"

#include <QString>

// "&Import aus Version 1": the folder chooser, then the import with the wait window; imported
// recipes end the program so that it starts on the extended data.
class ImportCommands {
public:
    explicit ImportCommands(const DialogServices& services);

    void runVersion1();

    // The folder the chooser's tree shows selected when it opens.
    QString startFolder;

private:
    void reopenTables();

    UiContext m_context;
    DataTables& m_tables;
    MainWindowPort& m_main;
    QWidget* m_parent;
};
