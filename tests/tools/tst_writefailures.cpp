// Every whole-file write of the program under failure: the Nth write, forced write or rename
// failing (what a full disk or a dying disk answers) and a real full disk. Afterwards the file is
// byte for byte the old one or wholly the new one, no temporary file is left, and the failure is
// told in German words.
#include "ShippedDataCopy.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "print/TextExport.h"
#include "store/IniFile.h"
#include "store/ListsFile.h"
#include "store/OptionsRecord.h"
#include "store/RawFile.h"
#include "store/SavedSearchTexts.h"
#include "store/SavedSearches.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <sys/mount.h>
#include <unistd.h>

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

} // namespace

Q_DECLARE_METATYPE(Writer)

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
