#include "exchange/TImportDialog.h"

#include "ui/Meldungsfenster.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

TImportDialog::TImportDialog(UiContext context, ImportChooserSession& session, const QString& caption,
                             const QString& text, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(caption);
    setHelpContext(session.helpContext());
    setFixedSize(380, 420);

    DasLabel = new QLabel(text, this);
    DasLabel->setObjectName(QStringLiteral("DasLabel"));
    DasLabel->setWordWrap(true);
    DasLabel->setGeometry(24, railsBottom() + 8, 332, 40);

    // Folders only; mounted network shares appear in the tree like any folder.
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    DirTree = new QTreeView(this);
    DirTree->setObjectName(QStringLiteral("DirTree"));
    DirTree->setModel(m_folders);
    DirTree->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirTree->hideColumn(column);
    DirTree->setGeometry(24, railsBottom() + 54, 332, 262);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(176, 378, 86, 26);
    OkButton->setDefault(true);
    AbbrechenButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenButton->setGeometry(270, 378, 86, 26);
    connect(OkButton, &QPushButton::clicked, this, &TImportDialog::OkButtonClick);
    connect(AbbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
    selectFolder(QDir::rootPath());
}

void TImportDialog::selectFolder(const QString& folder) {
    const QModelIndex index = m_folders->index(QDir::cleanPath(folder));
    if (!index.isValid())
        return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        DirTree->expand(parent);
    DirTree->setCurrentIndex(index);
    DirTree->scrollTo(index);
}

QString TImportDialog::selectedFolder() const {
    return m_folders->filePath(DirTree->currentIndex());
}

void TImportDialog::OkButtonClick() {
    const Result result = m_session.choose(selectedFolder());
    if (!result) {
        Meldungsfenster::show(result.notice());
        return;
    }
    accept();
}
