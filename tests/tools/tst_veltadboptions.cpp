#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "store/OptionsRecord.h"

using namespace Qt::StringLiterals;

// "veltadb optionen": the options file through the options dialog's controls, from a script.
class TestVeltadbOptions : public QObject {
    Q_OBJECT

    TempDataFolder m_dir;

    using Run = VeltadbRun;
    Run veltadb(const QStringList& args) {
        return VeltadbRun::of(QStringList{u"optionen"_s, m_dir.filePath(u"OPTION.CFG"_s)} + args, 10000);
    }
    OptionsRecord stored() { return OptionsRecord::load(m_dir.filePath(u"OPTION.CFG"_s)); }

private slots:
    void init() { QFile::remove(m_dir.filePath(u"OPTION.CFG"_s)); }

    void listsTheControls() {
        const Run r = veltadb({});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(u"H1=1\n"_s)); // the defaults of a missing file
        QVERIFY(r.out.contains(u"FensterCheck=1\n"_s));
        QVERIFY(r.out.contains(u"DashEdit=12\n"_s));
        QVERIFY(r.out.contains(u"Schriftnamelist=Arial\n"_s));
        QVERIFY(!QFile::exists(m_dir.filePath(u"OPTION.CFG"_s))); // looking writes nothing
    }

    void changesAndWrites() {
        const Run r = veltadb({u"H6=1"_s, u"FensterCheck=0"_s, u"M3=1"_s, u"DashEdit="_s,
                               u"Schriftnamelist=Tinos"_s, u"groesseedit=30"_s});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(u"H6=1\n"_s));
        const OptionsRecord o = stored();
        QCOMPARE(o.get(OptionsRecord::Motif), quint8(6));
        QCOMPARE(o.get(OptionsRecord::CentreDialogs), quint8(1));
        QCOMPARE(o.get(OptionsRecord::Music), quint8(2));
        QCOMPARE(o.get(OptionsRecord::DashesPerCl), quint8(12));
        QCOMPARE(o.fontName(), u"Tinos"_s);
        QCOMPARE(o.get(OptionsRecord::FontSize), quint8(30));
    }

    void refusesBadInput_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown control") << u"Foo=1"_s << u"Unbekanntes Steuerelement: Foo"_s;
        QTest::newRow("unchoosing a radio button") << u"H3=0"_s << u"Ungültiger Wert für H3"_s;
        QTest::newRow("check box value") << u"SoundCheck=2"_s << u"Ungültiger Wert für SoundCheck"_s;
        QTest::newRow("size") << u"groesseedit=73"_s << u"Die Schriftgröße muß zwischen 4 und 72 liegen."_s;
        QTest::newRow("size not a number") << u"groesseedit=x"_s << u"Die Schriftgröße muß eine Zahl sein."_s;
        QTest::newRow("dash") << u"DashEdit=0"_s << u"Ein Dash ist der 1. bis 255. Teil eines cl"_s;
        QTest::newRow("no assignment") << u"H3"_s << u"Zuweisung erwartet"_s;
    }
    void refusesBadInput() {
        QFETCH(QString, assignment);
        QFETCH(QString, message);
        const Run r = veltadb({u"SoundCheck=0"_s, assignment});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(m_dir.filePath(u"OPTION.CFG"_s))); // nothing half-written
    }
};

VELTA_TEST_MAIN_CORE(TestVeltadbOptions)
#include "tst_veltadboptions.moc"
