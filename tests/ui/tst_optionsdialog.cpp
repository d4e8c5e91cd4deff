#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "app/ToolbarPanel.h"
#include "browser/RecipeTextLayout.h"
#include "browser/gui/BrowserController.h"
#include "browser/gui/RecipeView.h"
#include "options/OptionsBinding.h"
#include "options/gui/OptionsCommand.h"
#include "store/RawFile.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMutex>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace UserInput;

namespace {

// What the options ask of the background music. open() runs on the loader's thread.
class RecordingMusic : public BackgroundMusic {
public:
    bool open(const QString&) override { return true; }
    void play(bool endless) override {
        log(endless ? u"play endless"_s : u"play once"_s);
        playing = true;
    }
    void setEndless(bool endless) override { log(endless ? u"endless"_s : u"once"_s); }
    void stop() override {
        log(u"stop"_s);
        playing = false;
    }
    bool isPlaying() const override { return playing; }
    QString failure() const override { return {}; }
    QStringList takeCalls() {
        const QMutexLocker lock(&mutex);
        return std::exchange(calls, {});
    }
    bool playing = false;

private:
    void log(const QString& call) {
        const QMutexLocker lock(&mutex);
        calls << call;
    }
    QMutex mutex;
    QStringList calls;
};

int pageOf(const QString& control) {
    static const QStringList vorgaben = {u"SoundCheck"_s,   u"SpracheCheck"_s, u"M1"_s,
                                         u"M2"_s,           u"M3"_s,           u"BilderCheck"_s,
                                         u"FensterCheck"_s, u"BubbleCheck"_s};
    if (vorgaben.contains(control))
        return 1;
    return control == u"CheckFett"_s || control == u"CheckKursiv"_s ? 2 : 0;
}

} // namespace

// The options dialog as the user meets it: opened by its commands in the running program, driven
// by clicks and keys, and checked for what it left in the options record and on the screen.
class TestOptionsDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    RecordingMusic m_music;
    std::unique_ptr<ProgramWindows> m_w;

    TOptionenDialog& dialog() { return m_w->main.dialogs().get<OptionsCommand>().dialog; }
    OptionsRecord& options() { return m_w->state.settings.changeOptions(); }

    // Runs a command; `act` drives the open dialog and closes it.
    void runWithDialog(const QString& command, const std::function<void(TOptionenDialog&)>& act) {
        TOptionenDialog& d = dialog();
        QTimer::singleShot(0, &d, [&d, act] {
            QApplication::setActiveWindow(&d); // as the window system does for a modal dialog
            act(d);
            if (d.isVisible()) // a step that failed left it open
                d.reject();
        });
        m_w->main.commands->run(command);
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(StartupFixture::make(m_dir->path()));
        QFile piece(m_dir->filePath(u"DATEN/VELTA.MID"_s)); // what the recorder "opens"
        QVERIFY(piece.open(QIODevice::WriteOnly));
        piece.close();
        m_w = std::make_unique<ProgramWindows>(ProgramWindows::withoutIni(m_dir->path()), &m_music);
        QVERIFY(m_w->main.create());
        m_w->main.show();
        QTRY_VERIFY(m_w->state.run.midiAvailable); // the music opens on its own thread
        m_music.takeCalls();
    }
    void cleanup() {
        if (m_w)
            m_w->main.close();
        m_w.reset();
    }

    void clickingAControlAndOkStoresIt_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("HyperCheck") << u"HyperCheck"_s << 20 << 0 << 1;
        QTest::newRow("CheckBlock") << u"CheckBlock"_s << 15 << 1 << 0;
        QTest::newRow("CheckCenter") << u"CheckCenter"_s << 14 << 1 << 0;
        QTest::newRow("CheckSlow") << u"CheckSlow"_s << 8 << 1 << 0;
        QTest::newRow("CheckmitBitmap") << u"CheckmitBitmap"_s << 28 << 1 << 0;
        QTest::newRow("H4") << u"H4"_s << 6 << 1 << 4;
        QTest::newRow("H7") << u"H7"_s << 6 << 1 << 7;
        QTest::newRow("B1Radio") << u"B1Radio"_s << 5 << 2 << 1;
        QTest::newRow("hi2") << u"hi2"_s << 27 << 1 << 0;
        QTest::newRow("SoundCheck") << u"SoundCheck"_s << 24 << 1 << 0;
        QTest::newRow("SpracheCheck") << u"SpracheCheck"_s << 25 << 1 << 0;
        QTest::newRow("M1") << u"M1"_s << 7 << 1 << 0;
        QTest::newRow("M3") << u"M3"_s << 7 << 1 << 2;
        QTest::newRow("BilderCheck") << u"BilderCheck"_s << 29 << 1 << 0;
        QTest::newRow("FensterCheck") << u"FensterCheck"_s << 12 << 0 << 1;
        QTest::newRow("BubbleCheck") << u"BubbleCheck"_s << 26 << 1 << 0;
        QTest::newRow("CheckFett") << u"CheckFett"_s << 22 << 0 << 1;
        QTest::newRow("CheckKursiv") << u"CheckKursiv"_s << 23 << 0 << 1;
    }
    void clickingAControlAndOkStoresIt() {
        QFETCH(QString, control);
        QFETCH(int, offset);
        QFETCH(int, before);
        QFETCH(int, after);
        const auto field = OptionsRecord::Field(offset);
        QCOMPARE(options().get(field), quint8(before)); // the defaults
        QByteArray expected = options().bytes();
        expected[offset] = char(after);
        bool wasEnabled = false;
        runWithDialog(u"Optionen"_s, [&](TOptionenDialog& d) {
            clickTab(d.DasControl, pageOf(control));
            QAbstractButton* b = d.button(control);
            wasEnabled = b->isEnabled();
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY(wasEnabled);
        QCOMPARE(options().bytes(), expected);
    }

    void optionsTakeEffectAtOnce() {
        runWithDialog(u"Optionen"_s, [](TOptionenDialog& d) {
            QTest::mouseClick(d.button(u"H2"_s), Qt::LeftButton, {}, QPoint(8, 10));
            QTest::mouseClick(d.button(u"hi2"_s), Qt::LeftButton, {}, QPoint(8, 10));
            clickTab(d.DasControl, 1);
            QTest::mouseClick(d.button(u"BubbleCheck"_s), Qt::LeftButton, {}, QPoint(8, 10));
            clickTab(d.DasControl, 2);
            QTest::mouseClick(d.button(u"CheckKursiv"_s), Qt::LeftButton, {}, QPoint(8, 10));
            d.groesseedit->selectAll();
            QTest::keyClicks(d.groesseedit, u"20"_s);
            QTest::keyClick(d.groesseedit, Qt::Key_Return); // the default button
        });
        TMain& main = m_w->main;
        QCOMPARE(options().get(OptionsRecord::Motif), quint8(2));
        QCOMPARE(m_w->skins.mainSet().name, u"BEACH_D"_s);
        QVERIFY(main.Panel1->button(false, 1)->isVisible());
        QVERIFY(!main.Panel1->button(true, 1)->isVisible());
        QVERIFY(main.Panel1->button(false, 3)->toolTip().isEmpty());
        QCOMPARE(main.AusgabePaintBox->font().pointSize(), 20);
        QVERIFY(main.AusgabePaintBox->font().italic());
        QVERIFY(main.AusgabePaintBox->backgroundFile().contains(u"K2_H"_s, Qt::CaseInsensitive));
    }

    // "Mengen anzeigen in": the recipe shown follows at "OK" and the choice lands beside the tables; a
    // file that cannot be written says so and leaves the unit shown and the file as they were.
    void amountUnitConvertsTheRecipeShown() {
        TMain& main = m_w->main;
        clickRow(main.HauptListBox, main.HauptListBox->findRow(u"Mojito"_s));
        const auto shown = [&main] {
            QStringList texts;
            for (const DisplayLine& line : main.browser->browser().display().lines)
                texts << RecipeTextLayout::factText(line.text);
            return texts;
        };
        const auto choose = [this](const QString& control) {
            runWithDialog(u"Optionen"_s, [control](TOptionenDialog& d) {
                clickTab(d.DasControl, 1);
                QTest::mouseClick(d.button(control), Qt::LeftButton, {}, QPoint(8, 10));
                QTest::mouseClick(d.OkButton, Qt::LeftButton);
            });
        };
        QVERIFY2(shown().contains(u"4 cl  Weißer Rum"_s), qPrintable(shown().join(u'|')));
        choose(u"UnitOz"_s);
        for (const QString& line : {u"1¼ oz  Weißer Rum"_s, u"¾ oz  Limettensaft"_s, u"10 g  Rohrzucker"_s,
                                    u"2 oz  Soda"_s, u"Menge: 4 oz"_s})
            QVERIFY2(shown().contains(line), qPrintable(line + u" in "_s + shown().join(u'|')));
        const QString file = m_w->state.displayUnitPath();
        const QByteArray written = TestFiles::readAll(file);
        QCOMPARE(written, QByteArray("[Anzeige]\r\nEinheit=oz\r\n"));

        MessageBoxAnswerer answers;
        RawFile::failWritesAfter(0);
        choose(u"UnitMl"_s);
        RawFile::stopFailingWrites();
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().caption, u"Fehler"_s);
        QVERIFY2(answers.lastText().contains(file), qPrintable(answers.lastText()));
        QVERIFY(shown().contains(u"1¼ oz  Weißer Rum"_s));
        QCOMPARE(TestFiles::readAll(file), written);

        choose(u"UnitMl"_s);
        QVERIFY(shown().contains(u"40 ml  Weißer Rum"_s));
        QVERIFY(shown().contains(u"Menge: 120 ml"_s));
        bool mlChosen = false;
        runWithDialog(u"Optionen"_s, [&mlChosen](TOptionenDialog& d) {
            mlChosen = d.button(u"UnitMl"_s)->isChecked() && !d.button(u"UnitOz"_s)->isChecked();
            d.reject();
        });
        QVERIFY(mlChosen);
        choose(u"UnitCl"_s);
        QVERIFY(shown().contains(u"4 cl  Weißer Rum"_s));
        QCOMPARE(TestFiles::readAll(file), QByteArray("[Anzeige]\r\nEinheit=cl\r\n"));
    }

    void aMotifWithoutPicturesIsNotTaken() {
        QFile::remove(m_dir->filePath(u"DATEN/BEACH_DO.BMP"_s));
        MessageBoxAnswerer answers;
        runWithDialog(u"Optionen"_s, [](TOptionenDialog& d) {
            QTest::mouseClick(d.button(u"H2"_s), Qt::LeftButton, {}, QPoint(8, 10));
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(answers.lastText().endsWith(u"BEACH_D_??.BMP konnte nicht geladen werden!"_s));
        QCOMPARE(answers.shown().first().caption, u"Fehler"_s);
        // The program goes on with the motif it shows, and saves that one.
        QCOMPARE(options().get(OptionsRecord::Motif), quint8(1));
        QCOMPARE(m_w->skins.mainSet().name, u"ORIENT_D"_s);
        QVERIFY(m_w->main.isVisible());
    }

    void cancelChangesNothing() {
        const QByteArray before = options().bytes();
        const QString skin = m_w->skins.mainSet().name;
        runWithDialog(u"Optionen"_s, [](TOptionenDialog& d) {
            QTest::mouseClick(d.button(u"H3"_s), Qt::LeftButton, {}, QPoint(8, 10));
            clickTab(d.DasControl, 1);
            d.DashEdit->selectAll();
            QTest::keyClicks(d.DashEdit, u"40"_s);
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        });
        QCOMPARE(options().bytes(), before);
        QCOMPARE(m_w->skins.mainSet().name, skin);
        // Shown again, the dialog shows the record, not the edits.
        QString dash;
        bool h3 = true;
        runWithDialog(u"Optionen"_s, [&](TOptionenDialog& d) {
            dash = d.DashEdit->text();
            h3 = d.button(u"H3"_s)->isChecked();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QCOMPARE(dash, u"12"_s);
        QVERIFY(!h3);
    }

    void sizeIsCheckedBeforeOk() {
        MessageBoxAnswerer answers;
        bool openAfterRefusal = false;
        int pageAfterRefusal = -1;
        runWithDialog(u"Optionen"_s, [&](TOptionenDialog& d) {
            clickTab(d.DasControl, 2);
            d.groesseedit->selectAll();
            QTest::keyClicks(d.groesseedit, u"3"_s);
            clickTab(d.DasControl, 0); // the problem is found wherever the user is
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            openAfterRefusal = d.isVisible();
            pageAfterRefusal = d.DasControl->currentIndex();
            d.groesseedit->selectAll();
            QTest::keyClicks(d.groesseedit, u"5"_s); // not in the list, yet allowed
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY(openAfterRefusal);
        QCOMPARE(pageAfterRefusal, 2);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.lastText(), u"Die Schriftgröße muß zwischen 4 und 72 liegen."_s);
        QCOMPARE(options().get(OptionsRecord::FontSize), quint8(5));
    }

    void fontListAndPreview() {
        MessageBoxAnswerer answers;
        QString selected;
        QString previewFamily;
        int previewSize = 0;
        QString clickedFont;
        QString clickedSize;
        runWithDialog(u"Schriftart"_s, [&](TOptionenDialog& d) {
            selected =
                d.Schriftnamelist->currentItem() ? d.Schriftnamelist->currentItem()->text() : QString();
            QListWidgetItem* serif =
                d.Schriftnamelist->findItems(u"Liberation Serif"_s, Qt::MatchExactly).value(0);
            QListWidgetItem* size = d.groesseliste->findItems(u"24"_s, Qt::MatchExactly).value(0);
            if (!serif || !size)
                return;
            QTest::mouseClick(d.Schriftnamelist->viewport(), Qt::LeftButton, {},
                              d.Schriftnamelist->visualItemRect(serif).center());
            d.groesseliste->scrollToItem(size);
            QTest::mouseClick(d.groesseliste->viewport(), Qt::LeftButton, {},
                              d.groesseliste->visualItemRect(size).center());
            clickedSize = d.groesseedit->text();
            previewFamily = d.Preview->font().family();
            previewSize = d.Preview->font().pointSize();
            clickedFont = serif->text();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(selected, u"Arial"_s); // the stored font, offered under its Windows name
        QCOMPARE(clickedFont, u"Liberation Serif"_s);
        QCOMPARE(clickedSize, u"24"_s);
        QCOMPARE(previewFamily, u"Liberation Serif"_s);
        QCOMPARE(previewSize, 24);
        QVERIFY(answers.shown().isEmpty());
        QCOMPARE(options().fontName(), u"Liberation Serif"_s);
        QCOMPARE(m_w->main.AusgabePaintBox->font().family(), u"Liberation Serif"_s);
    }

    void popupCommandsOpenTheirPage() {
        QList<int> pages;
        const auto look = [&](TOptionenDialog& d) {
            pages << d.DasControl->currentIndex();
            clickTab(d.DasControl, 1);
            QTest::keyClick(&d, Qt::Key_Escape);
        };
        runWithDialog(u"Schriftart"_s, look);
        runWithDialog(u"Optionen"_s, look); // the page shown last
        runWithDialog(u"Darstellung"_s, look);
        QCOMPARE(pages, (QList<int>{2, 1, 0}));
    }

    void dashFieldTakesOnlyWhatTheRecordHolds() {
        QStringList typed;
        runWithDialog(u"Optionen"_s, [&](TOptionenDialog& d) {
            clickTab(d.DasControl, 1);
            for (const QString& keys : {u"0"_s, u"300"_s, u"2x5"_s}) {
                d.DashEdit->selectAll();
                QTest::keyClick(d.DashEdit, Qt::Key_Delete);
                QTest::keyClicks(d.DashEdit, keys);
                typed << d.DashEdit->text();
            }
            d.DashEdit->selectAll();
            QTest::keyClick(d.DashEdit, Qt::Key_Delete);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(typed, (QStringList{QString(), u"30"_s, u"25"_s}));
        QCOMPARE(options().get(OptionsRecord::DashesPerCl), quint8(12)); // emptied: the usual 12
    }

    void musicFollowsTheOption() {
        const auto choose = [this](const QString& button) {
            runWithDialog(u"Optionen"_s, [button](TOptionenDialog& d) {
                clickTab(d.DasControl, 1);
                QTest::mouseClick(d.button(button), Qt::LeftButton, {}, QPoint(8, 10));
                QTest::mouseClick(d.OkButton, Qt::LeftButton);
            });
            return m_music.takeCalls();
        };
        m_music.playing = false; // "am Anfang" has played to its end
        QCOMPARE(choose(u"M3"_s), QStringList{u"play endless"_s});
        QCOMPARE(choose(u"M3"_s), QStringList{u"endless"_s}); // already playing: no restart
        QCOMPARE(choose(u"M1"_s), QStringList{u"stop"_s});
        QCOMPARE(choose(u"M2"_s), QStringList{u"once"_s});
    }

    void lowColourDisplay() {
        m_w->state.run.colourDepth = 8;
        QStringList disabled;
        bool orientalShown = false;
        runWithDialog(u"Optionen"_s, [&](TOptionenDialog& d) {
            for (const OptionsBinding& binding : OptionsBinding::all())
                if (!d.button(binding.control)->isEnabled())
                    disabled << binding.control;
            orientalShown = d.button(u"H1"_s)->isChecked();
            QTest::mouseClick(d.button(u"H1"_s), Qt::LeftButton, {}, QPoint(8, 10)); // does nothing
            QTest::mouseClick(d.button(u"H7"_s), Qt::LeftButton, {}, QPoint(8, 10));
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        disabled.sort();
        QCOMPARE(disabled, (QStringList{u"B1Radio"_s, u"CheckSlow"_s, u"H1"_s, u"H2"_s, u"H3"_s, u"H4"_s,
                                        u"H5"_s, u"H6"_s, u"hi1"_s}));
        QVERIFY(orientalShown);
        QCOMPARE(options().get(OptionsRecord::Motif), quint8(7));
    }

    // The "?" box explains the dialog as a whole (its page leads to the three pages); F1 the page shown.
    void helpOfTheDialogAndOfThePageShown() {
        const auto shownContext = [this] {
            const int context = m_w->help.isVisible()
                                    ? m_w->help.currentPage().section(u'/', -1).section(u'.', 0, 0).toInt()
                                    : 0;
            m_w->help.close();
            return context;
        };
        int byBox = 0;
        int byKey = 0;
        runWithDialog(u"Optionen"_s, [&](TOptionenDialog& d) {
            clickTab(d.DasControl, 1);
            QTest::mouseClick(&d, Qt::LeftButton, {}, TOwnFenster::helpBox(d.width()).center());
            byBox = shownContext();
            QTest::keyClick(d.DashEdit, Qt::Key_F1);
            byKey = shownContext();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QCOMPARE(byBox, 2600);
        QCOMPARE(byKey, 2620);
    }
};

VELTA_TEST_MAIN_GUI(TestOptionsDialog)
#include "tst_optionsdialog.moc"
