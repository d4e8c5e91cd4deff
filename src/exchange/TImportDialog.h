#pragma once

#include "exchange/ImportChooserSession.h"
#include "ui/TOwnFenster.h"

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

// The folder chooser of backup, restore and both imports: the caller's instruction, the folder
// tree and "OK"/"Abbrechen". "OK" closes it only when the session accepts the selected folder.
class TImportDialog : public TOwnFenster {
    Q_OBJECT
public:
    TImportDialog(UiContext context, ImportChooserSession& session, const QString& caption,
                  const QString& text, QWidget* parent = nullptr);

    // Expands the tree down to the folder and selects it.
    void selectFolder(const QString& folder);
    QString selectedFolder() const;

    QLabel* DasLabel = nullptr;
    QTreeView* DirTree = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

private:
    void OkButtonClick();

    ImportChooserSession& m_session;
    QFileSystemModel* m_folders = nullptr;
};
