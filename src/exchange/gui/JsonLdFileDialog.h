#pragma once

#include <QString>

#include <functional>

class QWidget;

// The file dialogs of the JSON-LD export and import. Tests put their own answer in.
class JsonLdFileDialog {
public:
    // The file chosen; empty when the user cancelled. save: asks where to write.
    using Asker = std::function<QString(QWidget* parent, bool save)>;

    static QString askSave(QWidget* parent);
    static QString askOpen(QWidget* parent);
    static Asker setAsker(Asker asker);

private:
    static QString ask(QWidget* parent, bool save);
};
