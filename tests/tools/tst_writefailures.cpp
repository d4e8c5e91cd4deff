// Every whole-file write of the program under failure: the Nth write, forced write or rename
// failing (what a full disk or a dying disk answers) and a real full disk. Afterwards the file is
// byte for byte the old one or wholly the new one, no temporary file is left, and the failure is
// told in German words.
#include "ShippedDataCopy.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "UpdateFolder.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "Version1Folder.h"
#include "common/DataTables.h"
#include "editors/AlcoholRecompute.h"
#include "exchange/BackupSet.h"
#include "print/PrintSettingsFile.h"
#include "print/TextExport.h"
#include "store/DbfFile.h"
#include "store/IniFile.h"
#include "store/ListsFile.h"
#include "store/OptionsRecord.h"
#include "store/RawFile.h"
#include "store/SavedSearchTexts.h"
#include "store/SavedSearches.h"
#include "store/StoreChecker.h"
#include "store/TApolloEnv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <functional>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Writes one version of the file; `version` 0 is the first one, 1 the replacement.
using Writer = std::function<bool(const QString& path, int version, QString* reason)>;

QStringList categoriesOf(int version) {
    QStringList out;
    for (int k = 1; k <= 16 + version; ++k)
        out << QStringLiteral("Kategorie %1").arg(k);
    return out;
}

// A tmpfs of its own, so that a test can fill it up without touching anything else.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes) {
        if (::geteuid() != 0) {
            m_why = QStringLiteral("only root may mount a small file system");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) !=
            0)
            m_why = QStringLiteral("tmpfs cannot be mounted here: %1")
                        .arg(QString::fromLocal8Bit(strerror(errno)));
        else
            m_mounted = true;
    }
    ~SmallDisk() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }
    QString path() const { return m_dir.path(); }
    // Takes every byte that is still free.
    void fill() const {
        QFile filler(m_dir.filePath(QStringLiteral("FUELLER")));
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        QByteArray byte(1, 'x');
        while (filler.write(byte) == 1 && filler.flush()) {
        }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};

// What the program can see of a data folder: every record of the three tables field by field (memo
// texts as read, not their blocks, since a failed write may leave an unused block behind), and the
// bytes of the lists and settings files.
using FolderState = QMap<QString, QByteArray>;

FolderState stateOf(const QString& folder) {
    FolderState out;
    for (const char* name : {"VE.DAT", "OPTION.CFG", "SUCHEN.CFG", "SUCHTEXT.CFG", "HAUSBAR.CFG",
                             "ERSATZ.TXT", "ALIAS.TXT", "MERKMALE.TXT", "DRUCKEN.CFG", "MEINE.TXT"}) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(name));
        if (QFile::exists(path))
            out.insert(QString::fromLatin1(name), TestFiles::readAll(path));
    }
    DataTables tables;
    tables.openMainTables(folder + QLatin1Char('/'), true);
    const std::pair<const char*, TApollo*> all[] = {
        {"RE", &tables.ApolloRezepte}, {"ZU", &tables.ApolloZutaten}, {"DE", &tables.ApolloDeko}};
    for (const auto& [name, table] : all) {
        QByteArray text;
        for (int r = 1; r <= table->RecCount(); ++r) {
            table->Go(r);
            text += table->IsDeleted() ? '*' : ' ';
            for (const DbfField& f : table->table().file().fields()) {
                const QString field = QString::fromLatin1(f.name);
                text += f.type == 'M' ? table->GetMemo(field).toUtf8() : table->GetRawBytes(field);
                text += '|';
            }
            text += '\n';
        }
        out.insert(QString::fromLatin1(name), text);
    }
    return out;
}

// What the program does with a folder when it starts: finish a restore or a strength change that
// was cut off.
void startOn(const QString& folder) {
    BackupSet::finishRestore(folder);
    DataTables tables;
    tables.openMainTables(folder + QLatin1Char('/'), false);
    AlcoholRecompute::finishPending(tables.ApolloRezepte, tables.ApolloZutaten, 12);
}

// The files beside and in the data folder, without the claim a verb leaves behind.
QStringList filesAround(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QStringLiteral(".velta98.lock")))
            out << path.mid(root.size());
    }
    out.sort();
    return out;
}

// One writing verb of veltadb: what it needs beside the data folder, and its arguments, where
// "%D" stands for the data folder and "%R" for the folder around it.
struct Operation {
    std::function<void(const QString& root)> prepare;
    QStringList args;
};

QStringList argsFor(const Operation& op, const QString& root) {
    QStringList out;
    for (QString a : op.args)
        out << a.replace(QStringLiteral("%D"), root + QStringLiteral("/DATEN"))
                   .replace(QStringLiteral("%R"), root);
    return out;
}

// The verb with its write number `writes` failing, or with the verb killed there.
VeltadbRun runFailingAfter(const QStringList& args, int writes, bool kill = false) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (writes >= 0)
        env.insert(kill ? QStringLiteral("VELTA_TEST_KILL_AT_WRITE")
                        : QStringLiteral("VELTA_TEST_FAIL_WRITES_AFTER"),
                   QString::number(writes));
    return VeltadbRun::of(args, 60000, env);
}

// A copy of a folder tree, to start each run from the same prepared files.
bool copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        if (it.fileInfo().isDir() ? !QDir().mkpath(target) : !QFile::copy(path, target))
            return false;
    }
    return true;
}

void prepareData(const QString& root) {
    ShippedDataCopy::make(root + QStringLiteral("/DATEN"));
}

} // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Operation)

class TestWriteFailures : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { RawFile::stopFailingWrites(); }

    void everyStepMayFail_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Writer>("writer");
        QTest::newRow("VE.DAT") << QStringLiteral("VE.DAT")
                                << Writer([](const QString& path, int version, QString* reason) {
                                       return ListsFile::save(path, categoriesOf(version),
                                                              {QStringLiteral("süß")}, reason);
                                   });
        QTest::newRow("OPTION.CFG") << QStringLiteral("OPTION.CFG")
                                    << Writer([](const QString& path, int version, QString* reason) {
                                           OptionsRecord o;
                                           o.set(OptionsRecord::FontSize, quint8(10 + version));
                                           return o.save(path, false, reason);
                                       });
        QTest::newRow("SUCHEN.CFG") << QStringLiteral("SUCHEN.CFG")
                                    << Writer([](const QString& path, int version, QString* reason) {
                                           SavedSearches s;
                                           s.slot(3).setName(QStringLiteral("Fassung %1").arg(version));
                                           return s.save(path, false, reason);
                                       });
        QTest::newRow("SUCHTEXT.CFG")
            << QStringLiteral("SUCHTEXT.CFG")
            << Writer([](const QString& path, int version, QString* reason) {
                   SavedSearchTexts t;
                   t.set(2, QStringLiteral("Minze"), QStringLiteral("Minze %1").arg(version));
                   return t.save(path, reason);
               });
        QTest::newRow("VELTA98.INI") << QStringLiteral("VELTA98.INI")
                                     << Writer([](const QString& path, int version, QString* reason) {
                                            IniFile ini;
                                            ini.setValue(QStringLiteral("Pfade"), QStringLiteral("Daten"),
                                                         QStringLiteral("/daten/%1").arg(version));
                                            return ini.save(path, reason);
                                        });
        QTest::newRow("DRUCKEN.CFG") << QStringLiteral("DRUCKEN.CFG")
                                     << Writer([](const QString& path, int version, QString* reason) {
                                            PrintSettings settings;
                                            settings.header = QStringLiteral("Fassung %1").arg(version);
                                            return PrintSettingsFile::save(path, settings, PrintFonts(),
                                                                           reason);
                                        });
        QTest::newRow("text export") << QStringLiteral("REZEPTE.TXT")
                                     << Writer([](const QString& path, int version, QString* reason) {
                                            PrintRecord r;
                                            r.name = QStringLiteral("Mojito %1").arg(version);
                                            return TextExport::write(path, {r}, reason);
                                        });
    }
    void everyStepMayFail() {
        QFETCH(QString, file);
        QFETCH(Writer, writer);
        TempDataFolder dir;
        const QString path = dir.filePath(file);
        QString reason;
        QVERIFY(writer(path, 0, &reason));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const QByteArray old = TestFiles::readAll(path);
        int failures = 0;
        for (int n = 0;; ++n) {
            QVERIFY2(n < 50, "the write never finished");
            RawFile::failWritesAfter(n);
            reason.clear();
            const bool written = writer(path, 1, &reason);
            RawFile::stopFailingWrites();
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{file});
            if (written) {
                QVERIFY(TestFiles::readAll(path) != old);
                QCOMPARE(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                       QFile::ReadUser | QFile::WriteUser);
                break;
            }
            ++failures;
            QCOMPARE(TestFiles::readAll(path), old);
            QVERIFY2(reason.contains(QStringLiteral("Datenträger")) ||
                         reason.contains(QStringLiteral("Ein-/Ausgabe")),
                     qPrintable(reason));
        }
        QVERIFY2(failures >= 3, "the write, the forced write and the rename each get a chance to fail");
    }

    // Every writing verb with its Nth write failing, N from the first write to the one that lets it
    // finish: the verb says so and exits 1, and what the next start sees is the data as before (or,
    // for work that is finished at the next start, as after); the tables pass the check and nothing
    // is left lying about.
    void everyVerbMayFail_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<bool>("kill");
        // The operations that replace several files are also killed at every write.
        const QStringList killedToo = {u"ingredient-edit"_s, u"mark"_s,           u"json-import"_s,
                                       u"importieren"_s,     u"rezept-updates"_s, u"sichern"_s,
                                       u"zuruecksichern"_s};
        struct Rows {
            QStringList killedToo;
            void operator<<(const Operation& op) const {
                QTest::newRow(qPrintable(name)) << op << false;
                if (killedToo.contains(name))
                    QTest::newRow(qPrintable(name + u" abgebrochen"_s)) << op << true;
            }
            QString name;
        };
        const auto row = [&killedToo](const char* name) {
            return Rows{killedToo, QString::fromLatin1(name)};
        };
        row("category-add") << Operation{prepareData, {u"category-add"_s, u"%D"_s, u"Neu"_s}};
        row("decoration-add") << Operation{
            prepareData, {u"decoration-add"_s, u"%D"_s, u"Zuckerrand blau"_s, u"Mit Curaçao."_s}};
        row("ingredient-add") << Operation{prepareData,
                                           {u"ingredient-add"_s, u"%D"_s, u"name=Quittenlikör"_s,
                                            u"alkohol=20"_s, u"einheit=cl"_s, u"bemerkung=Aus Quitten."_s}};
        // A strength change: the ingredient and every recipe's alcohol as one.
        row("ingredient-edit") << Operation{prepareData,
                                            {u"ingredient-edit"_s, u"%D"_s, u"91"_s, u"alkohol=35"_s}};
        row("recipe-add") << Operation{prepareData,
                                       {u"recipe-add"_s, u"%D"_s, u"name=Quittensour"_s, u"zutat=91:4"_s,
                                        u"zutat=64:2"_s, u"kategorie=Tiki"_s,
                                        u"anleitung=Kräftig schütteln."_s}};
        row("recipe-edit") << Operation{
            prepareData,
            {u"recipe-edit"_s, u"%D"_s, u"5"_s, u"name=Umbenannt"_s, u"anleitung=Neu gerührt."_s}};
        row("recipe-delete") << Operation{prepareData, {u"recipe-delete"_s, u"%D"_s, u"5"_s}};
        row("mark") << Operation{prepareData, {u"mark"_s, u"%D/RE.DBF"_s, u"KAT = 9"_s}};
        row("hausbar") << Operation{prepareData, {u"hausbar"_s, u"%D"_s, u"ersatz=1"_s, u"grund=+1"_s}};
        // The user's records beside the tables: an existing file is replaced whole or not at all.
        row("bewertung") << Operation{[](const QString& root) {
                                          prepareData(root);
                                          VeltadbRun::of({u"notiz"_s, root + u"/DATEN"_s, u"5"_s, u"Alt"_s});
                                      },
                                      {u"bewertung"_s, u"%D"_s, u"5"_s, u"4"_s}};
        row("json-import") << Operation{[](const QString& root) {
                                            prepareData(root);
                                            VeltadbRun::of({u"json"_s, root + u"/DATEN"_s,
                                                            root + u"/drei.json"_s, u"1"_s, u"2"_s, u"3"_s});
                                        },
                                        {u"json-import"_s, u"%D"_s, u"%R/drei.json"_s}};
        row("importieren") << Operation{
            [](const QString& root) {
                {
                    QDir().mkpath(root + u"/V1"_s);
                    TApolloEnv env;
                    Version1Folder::write(
                        env, root + u"/V1"_s, {{u"Hausmarke"_s, 38, 0, true, u"Selbst angesetzt."_s}},
                        {{u"Hausdrink"_s, QString(), {{188, 4}, {1, 2}}, 1, 0, u"Auf Eis rühren."_s}});
                }
                prepareData(root);
            },
            {u"importieren"_s, u"%D"_s, u"%R/V1"_s}};
        row("rezept-updates") << Operation{
            [](const QString& root) {
                {
                    QDir().mkpath(root + u"/UPDATE"_s);
                    TApolloEnv env;
                    UpdateFolder::write(env, root + u"/UPDATE"_s, {{u"Neuling"_s}, {u"Zweitling"_s}},
                                        {{900, u"Neue Zutat"_s, 0, 0, u"Frisch."_s}});
                }
                prepareData(root);
            },
            {u"rezept-updates"_s, u"%D"_s, u"%R/UPDATE"_s}};
        row("sichern") << Operation{[](const QString& root) {
                                        prepareData(root);
                                        QDir().mkpath(root + u"/SICHERUNG"_s);
                                    },
                                    {u"sichern"_s, u"%D"_s, u"%R/SICHERUNG"_s}};
        row("zuruecksichern") << Operation{
            [](const QString& root) {
                prepareData(root + u"/ANDERE"_s);
                VeltadbRun::of({u"category-add"_s, root + u"/ANDERE/DATEN"_s, u"Gesichert"_s});
                VeltadbRun::of({u"recipe-delete"_s, root + u"/ANDERE/DATEN"_s, u"7"_s});
                QDir().mkpath(root + u"/SICHERUNG"_s);
                VeltadbRun::of({u"sichern"_s, root + u"/ANDERE/DATEN"_s, root + u"/SICHERUNG"_s});
                QDir(root + u"/ANDERE"_s).removeRecursively();
                prepareData(root);
            },
            {u"zuruecksichern"_s, u"%R/SICHERUNG"_s, u"%D"_s}};
    }
    void everyVerbMayFail() {
        QFETCH(Operation, op);
        QFETCH(bool, kill);
        QTemporaryDir prepared;
        op.prepare(prepared.path());
        // The verb left alone: what it is to change.
        QTemporaryDir whole;
        QVERIFY(copyTree(prepared.path(), whole.path()));
        const FolderState old = stateOf(whole.path() + u"/DATEN"_s);
        const VeltadbRun clean = runFailingAfter(argsFor(op, whole.path()), -1);
        QVERIFY2(clean.code == 0, qPrintable(clean.err));
        const FolderState changed = stateOf(whole.path() + u"/DATEN"_s);
        const bool backup = op.args.first() == u"sichern"_s;
        QVERIFY(backup || changed != old);

        int failures = 0;
        // Every one of the first writes, then ever larger steps through the bulk of the work.
        for (int n = 0;; n += n < 6 ? 1 : n / 2) {
            QVERIFY2(n < 100000, "the verb never finished");
            QTemporaryDir dir;
            QVERIFY(copyTree(prepared.path(), dir.path()));
            const QString data = dir.path() + u"/DATEN"_s;
            const QStringList files = filesAround(dir.path());
            const VeltadbRun run = runFailingAfter(argsFor(op, dir.path()), n, kill);
            if (run.code == 0) {
                QCOMPARE(stateOf(data), changed);
                break;
            }
            ++failures;
            if (kill) {
                QCOMPARE(run.code, RawFile::kKilledExitCode);
            } else {
                QVERIFY2(run.code == 1, qPrintable(QStringLiteral("write %1: exit %2").arg(n).arg(run.code)));
                QVERIFY2(!run.err.trimmed().isEmpty(),
                         qPrintable(QStringLiteral("write %1: no message").arg(n)));
            }
            startOn(data);
            const FolderState seen = stateOf(data);
            QVERIFY2(seen == old || seen == changed,
                     qPrintable(QStringLiteral("write %1 left a mixed state: %2").arg(n).arg(run.err)));
            TApolloEnv env;
            QCOMPARE(StoreChecker::check(data, env), QStringList());
            if (backup) {
                // The next backup or restore with the folder finishes a new set that was complete
                // and drops one that was not; either way no part of a set passes for a backup.
                const QString target = dir.path() + u"/SICHERUNG"_s;
                QVERIFY(BackupSet::finishBackup(target));
                if (BackupSet::isBackupFolder(target))
                    QCOMPARE(BackupSet::checkStagedSet(target, &env), QStringList());
                else // a kill may leave a temporary file of its own, hidden, nothing else
                    QCOMPARE(QDir(target).entryList(kill ? QDir::Files : QDir::Files | QDir::Hidden),
                             QStringList());
            } else if (seen == old && !kill) { // a kill leaves its temporary files, nothing else
                const QStringList now = filesAround(dir.path());
                QVERIFY2(now == files, qPrintable(QStringLiteral("write %1 left: %2 (was: %3)")
                                                      .arg(n)
                                                      .arg(now.join(u' '), files.join(u' '))));
            }
        }
        QVERIFY(failures > 0);
    }

    // The PDF of the recipe cards: a failing write says why, exits 1 and leaves no file.
    void pdfMayFail() {
        TempDataFolder dir;
        const QString data = dir.filePath(u"DATEN"_s);
        QVERIFY(ShippedDataCopy::make(data));
        const QString pdf = dir.filePath(u"karten.pdf"_s);
        bool toldTheDisk = false;
        for (int n = 0;; ++n) {
            QVERIFY(n < 50);
            const VeltadbRun run = runFailingAfter({u"drucken"_s, data, pdf, u"1"_s, u"2"_s}, n);
            if (run.code == 0)
                break;
            QCOMPARE(run.code, 1);
            QVERIFY(!run.err.trimmed().isEmpty());
            toldTheDisk = toldTheDisk || run.err.contains(u"Der Datenträger ist voll."_s);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        }
        QVERIFY(toldTheDisk); // the PDF itself failing is said in German words
        QVERIFY(TestFiles::readAll(pdf).startsWith("%PDF"));
    }

    // A full disk for real: the lists file keeps every category, and veltadb says why and exits 1
    // without printing a number that was never saved.
    void fullDisk() {
        SmallDisk disk(8 * 1024 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.why()));
        const QString folder = disk.path() + QStringLiteral("/DATEN");
        QVERIFY(ShippedDataCopy::make(folder));
        const QString lists = folder + QStringLiteral("/VE.DAT");
        const QByteArray before = TestFiles::readAll(lists);
        disk.fill();

        QString reason;
        QVERIFY(!ListsFile::save(lists, categoriesOf(1), {}, &reason));
        QCOMPARE(reason, QStringLiteral("Der Datenträger ist voll."));
        QCOMPARE(TestFiles::readAll(lists), before);

        const VeltadbRun run =
            VeltadbRun::of({QStringLiteral("category-add"), folder, QStringLiteral("Neu")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(QStringLiteral("Der Datenträger ist voll.")), qPrintable(run.err));
        QCOMPARE(TestFiles::readAll(lists), before);
        QVERIFY(!QDir(folder)
                     .entryList(QDir::Files | QDir::Hidden)
                     .join(QLatin1Char(' '))
                     .contains(QStringLiteral(".VE.DAT")));

        QFile::remove(disk.path() + QStringLiteral("/FUELLER"));
        const VeltadbRun again =
            VeltadbRun::of({QStringLiteral("category-add"), folder, QStringLiteral("Neu")});
        QCOMPARE(again.code, 0);
        QVERIFY(TestFiles::readAll(lists).contains("Neu\r\n"));
    }
};

VELTA_TEST_MAIN_CORE(TestWriteFailures)
#include "tst_writefailures.moc"
