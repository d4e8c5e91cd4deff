#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "UpdateFolder.h"
#include "VeltaGuiTest.h"
#include "Version1Folder.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "exchange/gui/BackupCommands.h"
#include "exchange/gui/ImportCommands.h"
#include "exchange/gui/TImportDialog.h"
#include "exchange/gui/TInternetDialog.h"
#include "store/ListsFile.h"

#include <QDesktopServices>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

// The chooser the command opened, or null when none came up.
TImportDialog* openChooser() {
    TImportDialog* dialog = nullptr;
    const bool opened = QTest::qWaitFor([&dialog] {
        dialog = qobject_cast<TImportDialog*>(QApplication::activeModalWidget());
        return dialog != nullptr;
    });
    return opened ? dialog : nullptr;
}

// Clicks the entry of a folder below the one selected, once the tree has read it.
bool clickFolder(TImportDialog& dialog, const QString& folder) {
    auto* model = static_cast<QFileSystemModel*>(dialog.DirTree->model());
    dialog.DirTree->expand(dialog.DirTree->currentIndex());
    if (!QTest::qWaitFor([&] { return model->index(folder).isValid(); }))
        return false;
    const QModelIndex index = model->index(folder);
    dialog.DirTree->scrollTo(index);
    QTest::mouseClick(dialog.DirTree->viewport(), Qt::LeftButton, {},
                      dialog.DirTree->visualRect(index).center());
    return dialog.selectedFolder() == folder;
}

// Takes the web pages the program opens instead of a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() {
        QDesktopServices::setUrlHandler(u"http"_s, this, "open");
        QDesktopServices::setUrlHandler(u"https"_s, this, "open");
    }
    ~UrlRecorder() override {
        QDesktopServices::unsetUrlHandler(u"http"_s);
        QDesktopServices::unsetUrlHandler(u"https"_s);
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

struct ChooserRun {
    QString caption;
    QString text;
    int helpContext = 0;
    bool clicked = false;
    bool openAfterRefusal = false;
};

} // namespace

// Backup and restore as the user meets them on the shipped data: the file menu's commands, the
// folder chooser driven by clicks, the messages answered through the test seam.
class TestExchangeDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;
    QTemporaryDir m_outside;

    BackupCommands& commands() { return m_w->main.dialogs().get<BackupCommands>(); }
    QString dataFile(const QString& name) const { return QDir(m_w->state.folders.dataFolder).filePath(name); }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), false);
        QVERIFY(m_w);
        QVERIFY(QTest::qWaitForWindowActive(&m_w->main));
    }
    void cleanup() {
        if (m_w)
            m_w->main.close();
        m_w.reset();
        m_dir.reset();
    }

    // The data folder is refused; a folder beside it, chosen by a click, takes the backup.
    void backupThroughTheChooser() {
        MessageBoxAnswerer answers;
        const QString target = m_outside.filePath(u"Sicherung"_s);
        QVERIFY(QDir().mkpath(target));
        commands().startFolder = m_w->state.folders.dataFolder;
        ChooserRun run;
        QTimer::singleShot(0, [&] {
            TImportDialog* d = openChooser();
            if (!d)
                return;
            run.caption = d->caption();
            run.text = d->DasLabel->text();
            run.helpContext = d->helpContext();
            QTest::mouseClick(d->OkButton, Qt::LeftButton); // the data folder itself
            run.openAfterRefusal = d->isVisible();
            d->selectFolder(m_outside.path());
            run.clicked = clickFolder(*d, target);
            QTest::mouseClick(d->OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Sichern"_s);
        QCOMPARE(run.caption, u"Daten sichern"_s);
        QCOMPARE(run.text, u"Bitte wählen Sie ein Verzeichnis, in dem Sie die Daten sichern möchten."_s);
        QCOMPARE(run.helpContext, 2050);
        QVERIFY(run.openAfterRefusal);
        QVERIFY(run.clicked);
        QCOMPARE(answers.shown().size(), 2);
        QCOMPARE(answers.shown().at(0).text, u"Wählen Sie bitte ein anderes Verzeichnis."_s);
        // The folder as it is named: in capitals it would name a folder that does not exist.
        QCOMPARE(answers.shown().at(1).text,
                 u"Die Daten wurden im Verzeichnis "_s + target + u"/ gesichert."_s);
        QCOMPARE(TestFiles::readAll(QDir(target).filePath(u"ZU.DBF"_s)),
                 TestFiles::readAll(dataFile(u"ZU.DBF"_s)));
        QVERIFY(m_w->main.isVisible());
    }

    // The start folder lies far below the tree's first rows: it is in view once the tree has read
    // and sorted the folders around it.
    void startFolderStaysInView() {
        QTemporaryDir many;
        for (int i = 0; i < 80; ++i)
            QVERIFY(QDir(many.path()).mkdir(u"Ordner %1"_s.arg(i, 2, 10, QChar(u'0'))));
        const QString target = many.filePath(u"Ordner 70"_s);
        commands().startFolder = target;
        QString selected;
        bool read = false;
        bool inView = false;
        QTimer::singleShot(0, [&] {
            TImportDialog* d = openChooser();
            if (!d)
                return;
            auto* model = static_cast<QFileSystemModel*>(d->DirTree->model());
            read = QTest::qWaitFor([&] { return model->rowCount(model->index(many.path())) == 80; });
            QTest::qWait(200); // the sort that follows the reading
            selected = d->selectedFolder();
            inView =
                d->DirTree->viewport()->rect().contains(d->DirTree->visualRect(d->DirTree->currentIndex()));
            QTest::mouseClick(d->AbbrechenButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Sichern"_s);
        QVERIFY(read);
        QCOMPARE(selected, target);
        QVERIFY(inView);
    }

    // "Neuer Ordner" makes a folder in the one selected and lets the user name it; Enter ends the
    // name, OK takes the backup into it.
    void backupIntoANewFolder() {
        MessageBoxAnswerer answers;
        QTemporaryDir parent;
        commands().startFolder = parent.path();
        QString created;
        QString named;
        bool active = false;
        bool openAfterName = false;
        QTimer::singleShot(0, [&] {
            TImportDialog* d = openChooser();
            if (!d)
                return;
            // Active, as a window manager leaves a modal dialog: the keys are the chooser's.
            d->activateWindow();
            active = QTest::qWaitFor([d] { return QApplication::activeWindow() == d; }, 1000);
            QTest::mouseClick(d->NeuerOrdnerButton, Qt::LeftButton);
            created = d->selectedFolder();
            if (auto* editor = d->DirTree->viewport()->findChild<QLineEdit*>()) {
                editor->selectAll();
                QTest::keyClicks(editor, u"Sicherung"_s);
                QTest::keyClick(editor, Qt::Key_Return);
            }
            named = d->selectedFolder();
            openAfterName = d->isVisible();
            QTest::mouseClick(d->OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Sichern"_s);
        QVERIFY(active);
        QCOMPARE(created, parent.filePath(u"Neuer Ordner"_s));
        QCOMPARE(named, parent.filePath(u"Sicherung"_s));
        QVERIFY(openAfterName);
        QVERIFY(!QFileInfo::exists(created));
        QCOMPARE(TestFiles::readAll(QDir(named).filePath(u"RE.DBF"_s)),
                 TestFiles::readAll(dataFile(u"RE.DBF"_s)));
        QCOMPARE(answers.lastText(), u"Die Daten wurden im Verzeichnis "_s + named + u"/ gesichert."_s);
    }

    // A folder holding other files (a home folder) is written into only after "Ja"; a restore
    // chooser offers no new folder, as nothing is written there.
    void backupAmongOtherFilesAsksFirst() {
        QTemporaryDir home;
        QVERIFY(TestFiles::writeAll(home.filePath(u"Brief.txt"_s), "Hallo"));
        commands().startFolder = home.path();
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::No);
        answers.queue(Meldungsfenster::Yes);
        bool openAfterNo = false;
        bool newFolderOffered = false;
        QTimer::singleShot(0, [&] {
            TImportDialog* d = openChooser();
            if (!d)
                return;
            newFolderOffered = d->NeuerOrdnerButton->isVisible();
            QTest::mouseClick(d->OkButton, Qt::LeftButton);
            openAfterNo = d->isVisible() && !QFileInfo::exists(home.filePath(u"RE.DBF"_s));
            if (d->isVisible())
                QTest::mouseClick(d->OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Sichern"_s);
        QVERIFY(newFolderOffered);
        QVERIFY(openAfterNo);
        QCOMPARE(answers.shown().size(), 3);
        QCOMPARE(answers.shown().at(0).caption, u"Frage"_s);
        QVERIFY2(answers.shown().at(0).text.startsWith(u"Im Verzeichnis "_s + home.path() +
                                                       u"/ liegen schon andere Dateien."_s),
                 qPrintable(answers.shown().at(0).text));
        QVERIFY(QFileInfo::exists(home.filePath(u"RE.DBF"_s)));

        bool offeredForRestore = true;
        QTimer::singleShot(0, [&] {
            if (TImportDialog* d = openChooser()) {
                offeredForRestore = d->NeuerOrdnerButton->isVisible();
                QTest::mouseClick(d->AbbrechenButton, Qt::LeftButton);
            }
        });
        m_w->main.commands->run(u"Einlesen"_s);
        QVERIFY(!offeredForRestore);
    }

    // "Nein" to the question changes nothing; "Ja" brings the backup back and ends the program.
    void restoreAsksThenEnds_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("no") << int(Meldungsfenster::No);
        QTest::newRow("yes") << int(Meldungsfenster::Yes);
    }
    void restoreAsksThenEnds() {
        QFETCH(int, answer);
        const QString backup = m_outside.filePath(u"Alt"_s);
        QDir(backup).removeRecursively();
        QVERIFY(QDir().mkpath(backup));
        for (const QString& name : BackupSet::files())
            QVERIFY(TestFiles::writeAll(QDir(backup).filePath(name), TestFiles::readAll(dataFile(name))));
        QVERIFY(TestFiles::writeAll(QDir(backup).filePath(u"_Velta Backup.cfg"_s), QByteArray()));
        const QByteArray savedLists = ListsFile::serialize(QStringList(16, u"Gerettet"_s), {u"süß"_s});
        QVERIFY(TestFiles::writeAll(QDir(backup).filePath(u"VE.DAT"_s), savedLists));
        const QByteArray current = TestFiles::readAll(dataFile(u"VE.DAT"_s));

        MessageBoxAnswerer answers;
        answers.queue(answer);
        commands().startFolder = backup;
        ChooserRun run;
        QTimer::singleShot(0, [&] {
            if (TImportDialog* d = openChooser()) {
                run.caption = d->caption();
                run.helpContext = d->helpContext();
                QTest::keyClick(d->DirTree, Qt::Key_Return);
                if (d->isVisible())
                    QTest::mouseClick(d->OkButton, Qt::LeftButton);
            }
        });
        m_w->main.commands->run(u"Einlesen"_s);
        QCOMPARE(run.caption, u"Daten einlesen"_s);
        QCOMPARE(run.helpContext, 2040);
        QVERIFY(!answers.shown().isEmpty());
        QCOMPARE(answers.shown().at(0).caption, u"Frage"_s);
        QCOMPARE(answers.shown().at(0).lines, 4);
        if (answer == Meldungsfenster::No) {
            QCOMPARE(answers.shown().size(), 1);
            QCOMPARE(TestFiles::readAll(dataFile(u"VE.DAT"_s)), current);
            QVERIFY(m_w->main.isVisible());
            return;
        }
        QCOMPARE(answers.lastText(),
                 u"Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden."_s);
        QCOMPARE(TestFiles::readAll(dataFile(u"VE.DAT"_s)), savedLists);
        QTRY_VERIFY(!m_w->main.isVisible());
    }

    // A version-1 folder chosen in the chooser: its own recipe arrives, and the program ends.
    void importFromVersion1() {
        const QString v1 = m_outside.filePath(u"VC1"_s);
        QVERIFY(QDir().mkpath(v1));
        Version1Folder::write(m_w->tables.ApolloEnv, v1, {{u"Schlehe"_s}},
                              {{u"Schlehenfeuer"_s, {}, {{188, 4}, {12, 2}}, 2, 18, u"Kalt(>MORVA< Gut"_s}});
        const int before = m_w->tables.ApolloRezepte.RecCount();
        MessageBoxAnswerer answers;
        m_w->main.dialogs().get<ImportCommands>().startFolder = m_outside.path();
        ChooserRun run;
        QTimer::singleShot(0, [&] {
            TImportDialog* d = openChooser();
            if (!d)
                return;
            run.caption = d->caption();
            run.helpContext = d->helpContext();
            QTest::mouseClick(d->OkButton, Qt::LeftButton); // the folder above holds no version 1
            run.openAfterRefusal = d->isVisible();
            run.clicked = clickFolder(*d, v1);
            QTest::mouseClick(d->OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Import"_s);
        QCOMPARE(run.caption, u"Importieren"_s);
        QCOMPARE(run.helpContext, 2030);
        QVERIFY(run.openAfterRefusal);
        QVERIFY(run.clicked);
        QCOMPARE(answers.shown().size(), 2);
        QCOMPARE(answers.shown().at(0).text,
                 u"In diesem Verzeichnis befindet sich keine\rVersion von Velta Cocktails 1.0."_s);
        QCOMPARE(answers.lastText(),
                 u"Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden."_s);
        QTRY_VERIFY(!m_w->main.isVisible());
        m_w->tables.openMainTables(m_w->state.folders.dataFolder, false);
        TApollo& re = m_w->tables.ApolloRezepte;
        QCOMPARE(re.RecCount(), before + 1);
        re.Go(before + 1);
        QCOMPARE(re.GetTrimString(u"NAME"_s), u"Schlehenfeuer"_s);
        QCOMPARE(re.GetMemo(u"ANLEITUNG"_s), u"Kalt\u00FE\u00FDGut"_s);
        m_w->tables.closeMainTables();
    }

    // Own ingredients without recipes need no restart: the boxes offering ingredients know them at once.
    void importIngredientsOnlyRefreshesChoices() {
        const QString v1 = m_outside.filePath(u"VC1-Zutaten"_s);
        QVERIFY(QDir().mkpath(v1));
        Version1Folder::write(m_w->tables.ApolloEnv, v1, {{u"Quittenbrand"_s}}, {});
        const auto offered = [this] {
            for (const ListEntry& e : m_w->state.catalogue.ingredients().zutatliste)
                if (e.text == u"Quittenbrand"_s)
                    return true;
            return false;
        };
        QVERIFY(!offered());
        MessageBoxAnswerer answers;
        m_w->main.dialogs().get<ImportCommands>().startFolder = m_outside.path();
        QTimer::singleShot(0, [&] {
            if (TImportDialog* d = openChooser(); d && clickFolder(*d, v1))
                QTest::mouseClick(d->OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Import"_s);
        QVERIFY(offered());
        QVERIFY(m_w->main.isVisible());
    }

    // The notice window links to the update page; "Importieren" leads to the chooser, whose
    // folder's update arrives, and the program ends. "Abbrechen" goes no further.
    void recipeUpdate_data() {
        QTest::addColumn<bool>("import");
        QTest::newRow("import") << true;
        QTest::newRow("cancel") << false;
    }
    void recipeUpdate() {
        QFETCH(bool, import);
        const QString update = m_outside.filePath(u"Update"_s);
        QDir(update).removeRecursively();
        QVERIFY(QDir().mkpath(update));
        UpdateFolder::write(m_w->tables.ApolloEnv, update, {{u"Gletscherblau"_s}}, {});
        const int before = m_w->tables.ApolloRezepte.RecCount();
        MessageBoxAnswerer answers;
        UrlRecorder browser;
        m_w->main.dialogs().get<ImportCommands>().startFolder = update;
        QString caption, link;
        int helpContext = 0;
        ChooserRun run;
        QTimer::singleShot(0, [&] {
            auto* notice = qobject_cast<TInternetDialog*>(QApplication::activeModalWidget());
            if (!notice)
                return;
            caption = notice->caption();
            helpContext = notice->helpContext();
            link = notice->LLL->text();
            QTest::mouseClick(notice->LLL, Qt::LeftButton);
            QTimer::singleShot(0, [&] {
                if (TImportDialog* d = openChooser()) {
                    run.caption = d->caption();
                    run.text = d->DasLabel->text();
                    QTest::mouseClick(d->OkButton, Qt::LeftButton);
                }
            });
            QTest::mouseClick(import ? notice->ImportButton : notice->AbbrechenButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"RezeptUpdates"_s);
        QCOMPARE(caption, u"Internet Import"_s);
        QCOMPARE(helpContext, 2010);
        QCOMPARE(browser.opened, QList<QUrl>({TInternetDialog::updatePage()}));
        QCOMPARE(link, TInternetDialog::updatePage().toString());
        if (!import) {
            QVERIFY(run.caption.isEmpty());
            QVERIFY(answers.shown().isEmpty());
            QCOMPARE(m_w->tables.ApolloRezepte.RecCount(), before);
            return;
        }
        QCOMPARE(run.caption, u"Rezept-Updates"_s);
        QCOMPARE(
            run.text,
            u"Bitte wählen Sie das Verzeichnis, in das Sie die Update-Datei aus dem Internet gespeichert haben."_s);
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(answers.lastText().startsWith(u"1 Rezepte wurden hinzugefügt."_s));
        QTRY_VERIFY(!m_w->main.isVisible());
        m_w->tables.openMainTables(m_w->state.folders.dataFolder, false);
        QCOMPARE(m_w->tables.ApolloRezepte.RecCount(), before + 1);
        m_w->tables.closeMainTables();
    }

    void readOnlyRefuses_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("backup") << u"Sichern"_s;
        QTest::newRow("restore") << u"Einlesen"_s;
        QTest::newRow("import") << u"Import"_s;
        QTest::newRow("updates") << u"RezeptUpdates"_s;
    }
    void readOnlyRefuses() {
        QFETCH(QString, command);
        MessageBoxAnswerer answers;
        m_w->state.run.readOnly = true;
        bool chooserOpened = false;
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<TImportDialog*>(QApplication::activeModalWidget())) {
                chooserOpened = true;
                d->reject();
            }
        });
        m_w->main.commands->run(command);
        QVERIFY(!chooserOpened);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().at(0).text, Notice::readOnly().text);
    }
};

VELTA_TEST_MAIN_GUI(TestExchangeDialogs)
#include "tst_exchangedialogs.moc"
