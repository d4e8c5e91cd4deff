#include "JsonLdChecker.h"
#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaGuiTest.h"
#include "app/DialogHost.h"
#include "app/MainMenu.h"
#include "app/ProgramWindows.h"
#include "exchange/gui/JsonLdExportDialog.h"
#include "exchange/gui/JsonLdFileDialog.h"
#include "print/gui/PrintCommand.h"

#include <QCheckBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Answers the file dialogs with a fixed path and records whether one was asked.
class FileAnswer {
public:
    explicit FileAnswer(const QString& path)
        : m_previous(JsonLdFileDialog::setAsker([this, path](QWidget*, bool save) {
              asked << save;
              return path;
          })) {}
    ~FileAnswer() { JsonLdFileDialog::setAsker(m_previous); }
    FileAnswer(const FileAnswer&) = delete;
    FileAnswer& operator=(const FileAnswer&) = delete;
    QList<bool> asked;

private:
    JsonLdFileDialog::Asker m_previous;
};

// JSON written with single quotes, so that the test stays readable.
QByteArray json(const char* text) {
    return QByteArray(text).replace('\'', '"');
}

// The export dialog the command opened, or null when none came up.
JsonLdExportDialog* openExportDialog() {
    JsonLdExportDialog* dialog = nullptr;
    const bool opened = QTest::qWaitFor([&dialog] {
        dialog = qobject_cast<JsonLdExportDialog*>(QApplication::activeModalWidget());
        return dialog != nullptr;
    });
    return opened ? dialog : nullptr;
}

struct ExportRun {
    QStringList labels;
    QList<bool> enabled;
    bool opened = false;
};

} // namespace

// The JSON-LD commands of the file menu on the shipped data, clicked as the user clicks them.
class TestJsonLdDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;
    QTemporaryDir m_files;

    // Opens the file menu and clicks the item of the command; drive, if given, runs once the
    // click started the command (to work the modal dialog it opens).
    void clickMenuItem(const QString& command, const std::function<void()>& drive = {}) {
        QAction* item = m_w->main.menu->action(command);
        QVERIFY(item);
        QMenu* popup = nullptr;
        for (QMenu* menu : m_w->main.menuBar()->findChildren<QMenu*>())
            if (menu->actions().contains(item))
                popup = menu;
        QVERIFY(popup);
        popup->popup(m_w->main.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        if (drive)
            QTimer::singleShot(0, drive);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
    }

    QStringList listedNames() const {
        QStringList names;
        for (const ListEntry& entry : m_w->main.recipes().ListedRecipes())
            names << entry.text;
        return names;
    }

    QByteArray tables() const {
        QByteArray bytes;
        for (const char* name : {"RE.DBF", "RE.SMT", "ZU.DBF", "ZU.SMT"})
            bytes +=
                TestFiles::readAll(QDir(m_w->state.folders.dataFolder).filePath(QString::fromLatin1(name)));
        return bytes;
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), true);
        QVERIFY(m_w);
        QVERIFY(QTest::qWaitForWindowActive(&m_w->main));
    }
    void cleanup() { StartupFixture::closeProgram(m_w); }

    // The dialog offers what there is (the print selection only once drinks were picked for
    // printing), the clicked choice goes into the file, and the user is told how many.
    void exportChoices_data() {
        QTest::addColumn<bool>("printPicked");
        QTest::addColumn<QString>("click"); // the radio button to click; empty: keep the proposal
        QTest::addColumn<int>("expected");  // drinks in the file; -1: all
        QTest::newRow("current drink proposed") << false << QString() << 1;
        QTest::newRow("all drinks") << false << u"all"_s << -1;
        QTest::newRow("print selection") << true << u"selection"_s << 2;
    }
    void exportChoices() {
        QFETCH(bool, printPicked);
        QFETCH(QString, click);
        QFETCH(int, expected);
        const QList<ListEntry> listed = m_w->main.recipes().ListedRecipes();
        QVERIFY(listed.size() > 2);
        if (printPicked) {
            PrintSession& print = m_w->main.dialogs().get<PrintCommand>().session;
            print.startSeveralDrinks(listed);
            print.add({0, 2});
        }
        const QString path = m_files.filePath(u"export.json"_s);
        FileAnswer file(path);
        MessageBoxAnswerer answers;
        ExportRun run;
        clickMenuItem(u"JsonExport"_s, [&] {
            JsonLdExportDialog* d = openExportDialog();
            if (!d)
                return;
            run.opened = true;
            for (QRadioButton* b : {d->currentButton, d->selectionButton, d->allButton}) {
                run.labels << b->text();
                run.enabled << b->isEnabled();
            }
            if (!click.isEmpty())
                QTest::mouseClick(click == u"all"_s ? d->allButton : d->selectionButton, Qt::LeftButton);
            QTest::mouseClick(d->okButton, Qt::LeftButton);
        });
        QTRY_VERIFY(!answers.shown().isEmpty());
        QVERIFY(run.opened);
        const int total = m_w->state.catalogue.recipeTotal();
        QCOMPARE(
            run.labels,
            QStringList({u"&Aktuelles Getränk (%1)"_s.arg(listed.at(m_w->main.recipes().SelectedRow()).text),
                         u"&Druckauswahl (%1 Getränke)"_s.arg(printPicked ? 2 : 0),
                         u"A&lle Getränke (%1)"_s.arg(total)}));
        QCOMPARE(run.enabled, QList<bool>({true, printPicked, true}));
        QCOMPARE(file.asked, QList<bool>{true});
        const int count = expected < 0 ? total : expected;
        QCOMPARE(answers.lastText(),
                 count == 1 ? u"1 Rezept exportiert."_s : u"%1 Rezepte exportiert."_s.arg(count));
        const QJsonArray recipes = QJsonDocument::fromJson(TestFiles::readAll(path)).array();
        QCOMPARE(recipes.size(), count);
        if (printPicked)
            QCOMPARE(recipes.at(1)[u"name"_s].toString(), listed.at(2).text);
        else if (expected == 1)
            QCOMPARE(recipes.at(0)[u"name"_s].toString(), listed.at(m_w->main.recipes().SelectedRow()).text);
    }

    // The photos go beside the file as PNG, or into it when the box is ticked.
    void exportPictures_data() {
        QTest::addColumn<bool>("embed");
        QTest::newRow("beside the file") << false;
        QTest::newRow("embedded") << true;
    }
    void exportPictures() {
        QFETCH(bool, embed);
        QImage photo(140, 200, QImage::Format_RGB888);
        photo.fill(Qt::darkRed);
        QVERIFY(QDir().mkpath(m_dir->path() + u"/BILDER/00"_s));
        QVERIFY(photo.save(m_dir->path() + u"/BILDER/00/1.BMP"_s, "BMP"));
        const QString name = embed ? u"eingebettet"_s : u"daneben"_s;
        const QString path = m_files.filePath(name + u".json"_s);
        FileAnswer file(path);
        MessageBoxAnswerer answers;
        bool offered = false;
        clickMenuItem(u"JsonExport"_s, [&] {
            JsonLdExportDialog* d = openExportDialog();
            if (!d)
                return;
            offered = d->embedBox->isVisible() && !d->embedBox->isChecked();
            QTest::mouseClick(d->allButton, Qt::LeftButton);
            if (embed) // on the box itself, not beside its label
                QTest::mouseClick(d->embedBox, Qt::LeftButton, {}, QPoint(6, d->embedBox->height() / 2));
            QTest::mouseClick(d->okButton, Qt::LeftButton);
        });
        QTRY_VERIFY(!answers.shown().isEmpty());
        QVERIFY(offered);
        QCOMPARE(answers.shown().last().caption, u"Hinweis"_s);
        QCOMPARE(JsonLdChecker::checkFile(path), QStringList());
        const QJsonArray recipes = QJsonDocument::fromJson(TestFiles::readAll(path)).array();
        QStringList images;
        for (const QJsonValue& recipe : recipes)
            if (recipe[u"image"_s].isString())
                images << recipe[u"image"_s].toString();
        QCOMPARE(images.size(), 1); // only Bellini's photo is there
        QCOMPARE(images.first().startsWith(u"data:image/png;base64,"_s), embed);
        QCOMPARE(QFile::exists(m_files.filePath(name + u"-Bilder/1.png"_s)), !embed);
    }

    void exportCancelledWritesNothing() {
        FileAnswer file(m_files.filePath(u"nie.json"_s));
        MessageBoxAnswerer answers;
        bool opened = false;
        clickMenuItem(u"JsonExport"_s, [&] {
            JsonLdExportDialog* d = openExportDialog();
            opened = d != nullptr;
            if (d)
                QTest::mouseClick(d->cancelButton, Qt::LeftButton);
        });
        QTRY_VERIFY(opened);
        QVERIFY(file.asked.isEmpty());
        QVERIFY(answers.shown().isEmpty());
        QVERIFY(!QFile::exists(m_files.filePath(u"nie.json"_s)));
    }

    // The new recipes appear in the main list at once; a taken name gets " (Import)".
    void importRefillsTheList() {
        const QString path = m_files.filePath(u"neu.json"_s);
        QVERIFY(TestFiles::writeAll(
            path, json("["
                       "            {'@context': 'https://schema.org', '@type': 'Recipe', 'name': 'Bellini',"
                       "             'recipeIngredient': ['5 cl Pfirsichpüree', '10 cl Prosecco']},"
                       "            {'@context': 'https://schema.org', '@type': 'Recipe', 'name': 'Aaa "
                       "Sternfrucht Fizz',"
                       "             'recipeIngredient': ['4 cl Gin', '1 St Sternfrucht'], "
                       "'recipeInstructions': 'Schütteln.'}]")));
        const int before = m_w->state.catalogue.recipeTotal();
        FileAnswer file(path);
        MessageBoxAnswerer answers;
        clickMenuItem(u"JsonImport"_s);
        QTRY_VERIFY(!answers.shown().isEmpty());
        QCOMPARE(file.asked, QList<bool>{false});
        QCOMPARE(answers.lastText(),
                 u"2 Rezepte importiert.\r1 Zutat wurde neu angelegt (Alkoholgehalt 0 %): "
                 u"Sternfrucht\rOhne Kategorie: 2 Rezepte unter „Shortdrink“ eingeordnet."_s);
        QCOMPARE(m_w->state.catalogue.recipeTotal(), before + 2);
        const QStringList names = listedNames();
        QVERIFY(names.contains(u"Bellini (Import)"_s));
        QVERIFY(names.contains(u"Aaa Sternfrucht Fizz"_s));
        bool offered = false;
        for (const ListEntry& entry : m_w->state.catalogue.ingredients().zutatliste)
            offered = offered || entry.text == u"Sternfrucht"_s;
        QVERIFY(offered);
    }

    void invalidImportChangesNothing() {
        const QString path = m_files.filePath(u"kaputt.json"_s);
        QVERIFY(
            TestFiles::writeAll(path, json("{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': []}")));
        const QByteArray before = tables();
        const QStringList listed = listedNames();
        FileAnswer file(path);
        MessageBoxAnswerer answers;
        clickMenuItem(u"JsonImport"_s);
        QTRY_VERIFY(!answers.shown().isEmpty());
        QCOMPARE(answers.shown().last().caption, u"Fehler"_s);
        QCOMPARE(answers.lastText(),
                 u"Rezept 1 („Probe“), Eigenschaft „recipeIngredient“: Das Rezept hat keine Zutaten."_s);
        QCOMPARE(tables(), before);
        QCOMPARE(listedNames(), listed);
    }

    void importRefusedWhenReadOnly() {
        m_w->state.run.readOnly = true;
        FileAnswer file(m_files.filePath(u"egal.json"_s));
        MessageBoxAnswerer answers;
        clickMenuItem(u"JsonImport"_s);
        QTRY_VERIFY(!answers.shown().isEmpty());
        QCOMPARE(answers.lastText(), Notice::readOnly().text);
        QVERIFY(file.asked.isEmpty());
    }
};

VELTA_TEST_MAIN_GUI(TestJsonLdDialogs)
#include "tst_jsonlddialogs.moc"
