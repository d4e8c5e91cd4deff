#pragma once

#include "exchange/ImportChooserSession.h"
#include "ui/TOwnFenster.h"

#include <QPointer>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

// The folder chooser of backup, restore and both imports: the caller's instruction, the folder
// tree and "OK"/"Abbrechen" ("Neuer Ordner" too where a folder is written to). "OK" closes it only
// when the session accepts the selected folder and the user answers its question with "Ja".
class TImportDialog : public TOwnFenster {
    Q_OBJECT
public:
    TImportDialog(UiContext context, ImportChooserSession& session, const QString& caption,
                  const QString& text, QWidget* parent = nullptr);

    // Expands the tree down to the folder and selects it; it stays in view while the tree reads
    // the folders around it, until the user moves in the tree.
    void selectFolder(const QString& folder);
    QString selectedFolder() const;

    QLabel* DasLabel = nullptr;
    QTreeView* DirTree = nullptr;
    QPushButton* NeuerOrdnerButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OkButtonClick();
    void NeuerOrdnerClick();
    void keepSelectionInView();
    void finishNaming();

    ImportChooserSession& m_session;
    QFileSystemModel* m_folders = nullptr;
    bool m_followSelection = false;
    QPointer<QWidget> m_nameEditor; // the new folder's name while it is typed
};
