#include "VeltaTest.h"
#include "common/AppState.h"
#include "options/OptionsBinding.h"
#include "options/OptionsSession.h"

using namespace Qt::StringLiterals;

// The options dialog's rules on its session alone: which byte every control edits, what the
// display's colour depth allows, the font checks and what OK and cancel leave in the record.
class TestOptionsSession : public QObject {
    Q_OBJECT

    std::unique_ptr<AppState> m_state;
    std::unique_ptr<OptionsSession> m_session;

    void open() {
        m_session->begin();
        m_session->setReady(true);
    }

private slots:
    void init() {
        m_state = std::make_unique<AppState>();
        m_session = std::make_unique<OptionsSession>(*m_state);
        m_session->setFontNames({u"Arial"_s, u"Liberation Serif"_s, u"DejaVu Sans"_s});
    }

    // Every check box: the byte it edits, the value ticked and unticked (the options file's layout).
    void checkBoxEditsItsByte_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("ticked");
        QTest::addColumn<int>("unticked");
        const auto row = [](const char* control, int offset, int ticked = 1, int unticked = 0) {
            QTest::newRow(control) << QString::fromLatin1(control) << offset << ticked << unticked;
        };
        row("HyperCheck", 20);
        row("CheckBlock", 15);
        row("CheckCenter", 14);
        row("CheckSlow", 8);
        row("CheckmitBitmap", 28);
        row("SoundCheck", 24);
        row("SpracheCheck", 25);
        row("BilderCheck", 29);
        row("FensterCheck", 12, 0, 1);
        row("BubbleCheck", 26);
        row("CheckFett", 22);
        row("CheckKursiv", 23);
    }
    void checkBoxEditsItsByte() {
        QFETCH(QString, control);
        QFETCH(int, offset);
        QFETCH(int, ticked);
        QFETCH(int, unticked);
        const auto field = OptionsRecord::Field(offset);
        for (const int stored : {ticked, unticked}) {
            m_state->settings.changeOptions().set(field, quint8(stored));
            open();
            QCOMPARE(m_session->isChecked(control), stored == ticked);
            m_session->setChecked(control, stored != ticked);                 // the user clicks it
            QCOMPARE(m_state->settings.options().get(field), quint8(stored)); // nothing before OK
            QVERIFY(m_session->finish(true).applied);
            QCOMPARE(m_state->settings.options().get(field), quint8(stored == ticked ? unticked : ticked));
        }
    }

    // Every radio button: the byte of its group and the value it stands for.
    void radioButtonStoresItsValue_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        const char* motifs[] = {"H1", "H2", "H3", "H4", "H5", "H6", "H7"};
        for (int m = 0; m < 7; ++m)
            QTest::newRow(motifs[m]) << QString::fromLatin1(motifs[m]) << 6 << m + 1;
        QTest::newRow("B1Radio") << u"B1Radio"_s << 5 << 1;
        QTest::newRow("b2Radio") << u"b2Radio"_s << 5 << 2;
        QTest::newRow("hi1") << u"hi1"_s << 27 << 1;
        QTest::newRow("hi2") << u"hi2"_s << 27 << 0;
        QTest::newRow("M1") << u"M1"_s << 7 << 0;
        QTest::newRow("M2") << u"M2"_s << 7 << 1;
        QTest::newRow("M3") << u"M3"_s << 7 << 2;
    }
    void radioButtonStoresItsValue() {
        QFETCH(QString, control);
        QFETCH(int, offset);
        QFETCH(int, value);
        const auto field = OptionsRecord::Field(offset);
        const int other = control == u"hi1"_s ? 0 : value == 1 ? 2 : 1;
        m_state->settings.changeOptions().set(field, quint8(other));
        open();
        QVERIFY(!m_session->isChecked(control));
        m_session->setChecked(control, true);
        QVERIFY(m_session->isChecked(control));
        // The other buttons of the group show unchosen.
        for (const OptionsBinding& b : OptionsBinding::all())
            if (b.field == field && b.control != control)
                QVERIFY2(!m_session->isChecked(b.control), qPrintable(b.control));
        m_session->finish(true);
        QCOMPARE(m_state->settings.options().get(field), quint8(value));
        // Shown again from the record, the same button is chosen.
        open();
        QVERIFY(m_session->isChecked(control));
    }

    void everyBoundControlIsTested() {
        // The tables above name every control the dialog binds; a new binding needs a new row.
        QCOMPARE(OptionsBinding::all().size(), 12 + 14);
    }

    void unusualStoredValuesShow_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QStringList>("chosen");
        QTest::newRow("motif 0 chooses none") << 6 << 0 << QStringList();
        QTest::newRow("motif 8 chooses none") << 6 << 8 << QStringList();
        QTest::newRow("icon set 5 is Hi-Color") << 27 << 5 << QStringList{u"hi1"_s};
        QTest::newRow("background 3 chooses none") << 5 << 3 << QStringList();
        QTest::newRow("music 3 chooses none") << 7 << 3 << QStringList();
    }
    void unusualStoredValuesShow() {
        QFETCH(int, offset);
        QFETCH(int, stored);
        QFETCH(QStringList, chosen);
        m_state->settings.changeOptions().set(OptionsRecord::Field(offset), quint8(stored));
        open();
        QStringList shown;
        for (const OptionsBinding& b : OptionsBinding::all())
            if (b.field == offset && m_session->isChecked(b.control))
                shown << b.control;
        QCOMPARE(shown, chosen);
        // OK without touching the group keeps what was stored.
        m_session->finish(true);
        QCOMPARE(m_state->settings.options().get(OptionsRecord::Field(offset)), quint8(stored));
    }

    void lowColourDisablesWhatItCannotShow_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QStringList>("disabled");
        const QStringList high = {u"H1"_s, u"H2"_s,      u"H3"_s,  u"H4"_s,       u"H5"_s,
                                  u"H6"_s, u"B1Radio"_s, u"hi1"_s, u"CheckSlow"_s};
        QTest::newRow("256 colours") << 8 << high;
        QTest::newRow("15 bit") << 15 << high;
        QTest::newRow("16 bit") << 16 << QStringList();
        QTest::newRow("24 bit") << 24 << QStringList();
    }
    void lowColourDisablesWhatItCannotShow() {
        QFETCH(int, depth);
        QFETCH(QStringList, disabled);
        m_state->run.colourDepth = depth;
        m_state->settings.changeOptions().set(OptionsRecord::Motif, 1);
        open();
        QStringList found;
        for (const OptionsBinding& b : OptionsBinding::all())
            if (!m_session->isEnabled(b.control))
                found << b.control;
        found.sort();
        disabled.sort();
        QCOMPARE(found, disabled);
        // A stored motif 1 still shows "Oriental" chosen, though it cannot be chosen now.
        QVERIFY(m_session->isChecked(u"H1"_s));
    }

    void backgroundPictureNeedsFlickerFreeScrolling() {
        m_state->settings.changeOptions().set(OptionsRecord::FlickerFree, 1);
        open();
        QVERIFY(m_session->isEnabled(u"CheckSlow"_s));
        m_session->setChecked(u"CheckmitBitmap"_s, false);
        QVERIFY(!m_session->isEnabled(u"CheckSlow"_s));
        m_session->setChecked(u"CheckmitBitmap"_s, true);
        QVERIFY(m_session->isEnabled(u"CheckSlow"_s));
        // Cancelled, then shown again: the state follows the record, not the last click.
        m_session->setChecked(u"CheckmitBitmap"_s, false);
        m_session->finish(false);
        open();
        QVERIFY(m_session->isEnabled(u"CheckSlow"_s));
    }

    void dashField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("a number") << u"16"_s << 16;
        QTest::newRow("empty means 12") << u""_s << 12;
        QTest::newRow("one") << u"1"_s << 1;
        QTest::newRow("largest a byte holds") << u"255"_s << 255;
        QTest::newRow("too large for the byte") << u"256"_s << 12;
        QTest::newRow("zero") << u"0"_s << 12;
    }
    void dashField() {
        QFETCH(QString, text);
        QFETCH(int, stored);
        m_state->settings.changeOptions().set(OptionsRecord::DashesPerCl, 20);
        open();
        QCOMPARE(m_session->dashText(), u"20"_s);
        m_session->setDashText(text);
        m_session->finish(true);
        QCOMPARE(m_state->settings.options().get(OptionsRecord::DashesPerCl), quint8(stored));
    }

    void fontCheck_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("focusSize");
        QTest::newRow("valid") << u"Arial"_s << u"14"_s << QString() << false;
        QTest::newRow("5 is not listed but allowed") << u"Arial"_s << u"5"_s << QString() << false;
        QTest::newRow("4") << u"Arial"_s << u"4"_s << QString() << false;
        QTest::newRow("72") << u"Arial"_s << u"72"_s << QString() << false;
        QTest::newRow("3") << u"Arial"_s << u"3"_s << u"Die Schriftgröße muß zwischen 4 und 72 liegen."_s
                           << true;
        QTest::newRow("73") << u"Arial"_s << u"73"_s << u"Die Schriftgröße muß zwischen 4 und 72 liegen."_s
                            << true;
        QTest::newRow("letters") << u"Arial"_s << u"zwölf"_s << u"Die Schriftgröße muß eine Zahl sein."_s
                                 << true;
        QTest::newRow("fraction") << u"Arial"_s << u"12,5"_s << u"Die Schriftgröße muß eine Zahl sein."_s
                                  << true;
        QTest::newRow("empty") << u"Arial"_s << u""_s << u"Die Schriftgröße muß eine Zahl sein."_s << true;
        QTest::newRow("no font") << u""_s << u"14"_s << u"Wählen Sie eine Schriftart aus der Liste aus."_s
                                 << false;
        QTest::newRow("font not in the list")
            << u"Comic Sans MS"_s << u"14"_s << u"Wählen Sie eine Schriftart aus der Liste aus."_s << false;
    }
    void fontCheck() {
        QFETCH(QString, font);
        QFETCH(QString, size);
        QFETCH(QString, message);
        QFETCH(bool, focusSize);
        open();
        m_session->setFontName(font);
        m_session->setSizeText(size);
        const OptionsSession::FontCheck check = m_session->checkFont();
        QCOMPARE(check.valid, message.isEmpty());
        QCOMPARE(check.notice ? check.notice->text : QString(), message);
        if (check.notice) {
            QCOMPARE(check.notice->caption, Notice::Caption::Hint);
            QCOMPARE(check.notice->lines, 1);
            QCOMPARE(check.focusSize, focusSize);
        }
        QCOMPARE(m_session->preview().has_value(), message.isEmpty());
    }

    void noCheckBeforeReady() {
        m_session->begin();
        m_session->setSizeText(u"3"_s);
        QVERIFY(!m_session->checkFont().notice);
        QVERIFY(!m_session->preview());
    }

    void fontShownFromTheRecord() {
        m_state->settings.changeOptions().setFontName(u"Liberation Serif"_s);
        m_state->settings.changeOptions().set(OptionsRecord::FontSize, 5);
        m_state->settings.changeOptions().set(OptionsRecord::FontBold, 1);
        open();
        QCOMPARE(m_session->fontRow(), m_session->fontNames().indexOf(u"Liberation Serif"_s));
        QCOMPARE(m_session->sizeText(), u"5"_s); // in the field although the list lacks it
        QCOMPARE(m_session->sizeRow(), -1);
        const auto preview = m_session->preview();
        QVERIFY(preview);
        QCOMPARE(preview->name, u"Liberation Serif"_s);
        QCOMPARE(preview->size, 5);
        QVERIFY(preview->bold);
        QVERIFY(!preview->italic);
        // The stored name must match exactly.
        m_state->settings.changeOptions().setFontName(u"liberation serif"_s);
        open();
        QCOMPARE(m_session->fontRow(), -1);
    }

    void okStoresFontNameAndSize() {
        open();
        m_session->setFontName(u"DejaVu Sans"_s);
        m_session->setSizeText(u" 22 "_s);
        m_session->finish(true);
        QCOMPARE(m_state->settings.options().fontName(), u"DejaVu Sans"_s);
        QCOMPARE(m_state->settings.options().get(OptionsRecord::FontSize), quint8(22));
    }

    void longFontNameIsCut() {
        const QString longName = u"Eine sehr lange Schriftart mit Namen"_s; // 36 characters
        m_session->setFontNames({longName});
        open();
        m_session->setFontName(longName);
        m_session->finish(true);
        QCOMPARE(m_state->settings.options().fontName(), longName.left(31));
    }

    void fontListHoldsStorableNamesOnce() {
        m_session->setFontNames(
            {u"Zapf"_s, u"arial"_s, u"Noto Sans CJK 日本"_s, u"Bitstream"_s, u"Zapf"_s, QString()});
        QCOMPARE(m_session->fontNames(), (QStringList{u"arial"_s, u"Bitstream"_s, u"Zapf"_s}));
    }

    void cancelChangesNothing() {
        const QByteArray before = m_state->settings.options().bytes();
        open();
        for (const OptionsBinding& b : OptionsBinding::all())
            m_session->setChecked(b.control, !m_session->isChecked(b.control));
        m_session->setDashText(u"99"_s);
        m_session->setFontName(u"DejaVu Sans"_s);
        m_session->setSizeText(u"30"_s);
        QVERIFY(!m_session->finish(false).applied);
        QCOMPARE(m_state->settings.options().bytes(), before);
        // Shown again, the controls show the record, not the discarded edits.
        open();
        QCOMPARE(m_session->dashText(), u"12"_s);
        QCOMPARE(m_session->fontName(), u"Arial"_s);
    }

    void okLeavesOtherFieldsAlone() {
        m_state->settings.changeOptions().set(OptionsRecord::HomeBar, 3);
        m_state->settings.changeOptions().set(OptionsRecord::BodyWeight, 88);
        m_state->settings.changeOptions().set(OptionsRecord::Reserved9, 77);
        open();
        // Another part of the program changes a field it owns while the dialog is open.
        m_state->settings.changeOptions().set(OptionsRecord::DrinkingHours, 5);
        m_session->setChecked(u"H3"_s, true);
        m_session->finish(true);
        QCOMPARE(m_state->settings.options().get(OptionsRecord::HomeBar), quint8(3));
        QCOMPARE(m_state->settings.options().get(OptionsRecord::BodyWeight), quint8(88));
        QCOMPARE(m_state->settings.options().get(OptionsRecord::Reserved9), quint8(77));
        QCOMPARE(m_state->settings.options().get(OptionsRecord::DrinkingHours), quint8(5));
    }

    void motifChangeIsReported() {
        open();
        QVERIFY(!m_session->finish(true).motifChanged);
        open();
        m_session->setChecked(u"H5"_s, true);
        QVERIFY(m_session->finish(true).motifChanged);
        open();
        m_session->setChecked(u"H2"_s, true);
        QVERIFY(!m_session->finish(false).motifChanged); // cancelled: the skin stays
        QCOMPARE(m_state->settings.options().get(OptionsRecord::Motif), quint8(5));
    }

    void pagesAndTheirHelp() {
        QCOMPARE(m_session->page(), int(OptionsSession::Darstellung));
        QCOMPARE(m_session->helpContext(), 2610);
        m_session->setPage(OptionsSession::Vorgaben);
        QCOMPARE(m_session->helpContext(), 2620);
        m_session->setPage(OptionsSession::Schriftart);
        QCOMPARE(m_session->helpContext(), 2630);
        open(); // the page persists between showings
        QCOMPARE(m_session->page(), int(OptionsSession::Schriftart));
    }
};

VELTA_TEST_MAIN_CORE(TestOptionsSession)
#include "tst_optionssession.moc"
