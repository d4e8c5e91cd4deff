#include "exchange/gui/JsonLdFileDialog.h"

#include "exchange/JsonLdExportSession.h"

#include <QDir>
#include <QFileDialog>

#include <utility>

namespace {

JsonLdFileDialog::Asker& asker() {
    static JsonLdFileDialog::Asker hook;
    return hook;
}

} // namespace

JsonLdFileDialog::Asker JsonLdFileDialog::setAsker(Asker hook) {
    return std::exchange(asker(), std::move(hook));
}

QString JsonLdFileDialog::askSave(QWidget* parent) {
    return ask(parent, true);
}

QString JsonLdFileDialog::askOpen(QWidget* parent) {
    return ask(parent, false);
}

QString JsonLdFileDialog::ask(QWidget* parent, bool save) {
    if (asker())
        return asker()(parent, save);
    QFileDialog dialog(
        parent, save ? QStringLiteral("Exportieren als JSON-LD") : QStringLiteral("JSON-LD importieren"),
        save ? QDir::home().filePath(JsonLdExportSession::proposedName()) : QDir::homePath(),
        JsonLdExportSession::filter());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save)
        dialog.setDefaultSuffix(QStringLiteral("json"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}
