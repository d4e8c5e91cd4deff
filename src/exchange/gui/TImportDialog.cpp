#include "exchange/gui/TImportDialog.h"

#include "ui/Meldungsfenster.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>

namespace {

// Naming the new folder in the tree: a name the folder cannot take is refused in German before
// the model would try the rename (and answer in its own words).
class FolderNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        auto* folders = static_cast<QFileSystemModel*>(model);
        const QString name = static_cast<QLineEdit*>(editor)->text().trimmed();
        const QFileInfo old = folders->fileInfo(index);
        if (name.isEmpty() || name == old.fileName())
            return;
        if (name.contains(QLatin1Char('/')) || name == QStringLiteral(".") || name == QStringLiteral("..")) {
            Meldungsfenster::show(Notice::hint(
                QStringLiteral("Der Name „%1“ ist für einen Ordner nicht möglich.").arg(name), 1));
            return;
        }
        if (old.dir().exists(name)) {
            Meldungsfenster::show(
                Notice::hint(QStringLiteral("Hier gibt es schon einen Ordner „%1“.").arg(name), 1));
            return;
        }
        folders->setData(index, name);
    }
};

} // namespace

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

    // Folders only; mounted network shares appear in the tree like any folder. Writable, so that a
    // new folder can be named in place; only the new folder is ever opened for editing.
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_folders->setReadOnly(false);
    m_folders->setRootPath(QDir::rootPath());
    DirTree = new QTreeView(this);
    DirTree->setObjectName(QStringLiteral("DirTree"));
    DirTree->setModel(m_folders);
    DirTree->setHeaderHidden(true);
    DirTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DirTree->setItemDelegate(new FolderNameDelegate(DirTree));
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirTree->hideColumn(column);
    DirTree->setGeometry(24, railsBottom() + 54, 332, 262);
    // The tree reads folders in the background and sorts them afterwards: every such change moves
    // the rows under the selected folder.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, &TImportDialog::keepSelectionInView);
    connect(m_folders, &QAbstractItemModel::layoutChanged, this, &TImportDialog::keepSelectionInView);
    connect(m_folders, &QAbstractItemModel::rowsInserted, this, &TImportDialog::keepSelectionInView);
    for (QObject* input : {static_cast<QObject*>(DirTree), static_cast<QObject*>(DirTree->viewport()),
                           static_cast<QObject*>(DirTree->verticalScrollBar())})
        input->installEventFilter(this);

    NeuerOrdnerButton = new QPushButton(QStringLiteral("&Neuer Ordner"), this);
    NeuerOrdnerButton->setObjectName(QStringLiteral("NeuerOrdnerButton"));
    NeuerOrdnerButton->setGeometry(24, 378, 110, 26);
    NeuerOrdnerButton->setAutoDefault(false);
    NeuerOrdnerButton->setVisible(session.offersNewFolder());
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(176, 378, 86, 26);
    OkButton->setDefault(true);
    AbbrechenButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenButton->setGeometry(270, 378, 86, 26);
    connect(NeuerOrdnerButton, &QPushButton::clicked, this, &TImportDialog::NeuerOrdnerClick);
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
    m_followSelection = true;
    keepSelectionInView();
}

QString TImportDialog::selectedFolder() const {
    return m_folders->filePath(DirTree->currentIndex());
}

// After the sort that follows a change has run.
void TImportDialog::keepSelectionInView() {
    if (!m_followSelection)
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_followSelection && DirTree->currentIndex().isValid())
            DirTree->scrollTo(DirTree->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
}

// Once the user clicks, scrolls or types in the tree, the view is theirs. Enter while a new
// folder is named ends the naming; it does not confirm the chooser yet.
bool TImportDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_nameEditor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            finishNaming();
            DirTree->setFocus();
            return true;
        }
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        m_followSelection = false;
        break;
    default:
        break;
    }
    return TOwnFenster::eventFilter(watched, event);
}

// A folder inside the selected one, selected and opened for its name.
void TImportDialog::NeuerOrdnerClick() {
    const QModelIndex parent = DirTree->currentIndex();
    if (!parent.isValid()) {
        Meldungsfenster::show(Notice::hint(QStringLiteral("Bitte wählen Sie erst ein Verzeichnis aus."), 1));
        return;
    }
    const QString name = ImportChooserSession::newFolderName(m_folders->filePath(parent));
    const QModelIndex created = m_folders->mkdir(parent, name);
    if (!created.isValid()) {
        Meldungsfenster::show(
            Notice::error(QStringLiteral("Der Ordner ") +
                              QDir::toNativeSeparators(QDir(m_folders->filePath(parent)).filePath(name)) +
                              QStringLiteral(" konnte nicht angelegt werden."),
                          2));
        return;
    }
    m_followSelection = false;
    DirTree->expand(parent);
    DirTree->setCurrentIndex(created);
    DirTree->scrollTo(created);
    DirTree->setFocus();
    DirTree->edit(created);
    m_nameEditor = DirTree->indexWidget(created);
    if (m_nameEditor)
        m_nameEditor->installEventFilter(this);
}

// The name typed so far becomes the folder's.
void TImportDialog::finishNaming() {
    if (!m_nameEditor)
        return;
    QWidget* editor = m_nameEditor;
    m_nameEditor = nullptr;
    emit DirTree->itemDelegate()->commitData(editor);
    emit DirTree->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TImportDialog::OkButtonClick() {
    finishNaming();
    const QString folder = selectedFolder();
    const Result result = m_session.choose(folder);
    if (!result) {
        Meldungsfenster::show(result.notice());
        return;
    }
    if (const std::optional<Notice> question = m_session.okQuestion(folder);
        question && Meldungsfenster::show(*question) != Meldungsfenster::Yes)
        return;
    accept();
}
