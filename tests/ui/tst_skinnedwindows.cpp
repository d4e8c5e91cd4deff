#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "common/AppState.h"
#include "common/Notice.h"
#include "ui/HelpWindow.h"
#include "ui/Meldungsfenster.h"
#include "ui/Skins.h"
#include "ui/TMeldungDialog.h"
#include "ui/TOwnFenster.h"
#include "ui/TSchriftdialog.h"
#include "ui/TWartenDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

class TestSkinnedWindows : public QObject {
    Q_OBJECT

    TempDataFolder m_dir;
    AppState m_state;
    std::unique_ptr<Skins> m_skins;

    UiContext context() { return {m_state, *m_skins}; }

    // Answers the next modal dialog with a key once it is shown.
    static void pressWhenModal(int key) {
        QTimer::singleShot(0, [key] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            QTest::keyClick(w, Qt::Key(key));
        });
    }

private slots:
    void initTestCase() {
        StartupFixture::writeSkins(m_dir.path());
        m_state.folders.dataFolder = m_dir.path() + QLatin1Char('/');
        m_state.run.mainBounds = QRect(0, 0, 800, 600);
        m_skins = std::make_unique<Skins>(m_state);
    }

    void paintsFrameAtBindingCoordinates_data() {
        QTest::addColumn<int>("help");
        QTest::newRow("without help") << 0;
        QTest::newRow("with help") << 2420;
    }
    void paintsFrameAtBindingCoordinates() {
        QFETCH(int, help);
        m_state.settings.changeOptions().set(OptionsRecord::Motif, 4); // Shepard: orange rails
        TOwnFenster w(context());
        w.setHelpContext(help);
        w.setCaption(QStringLiteral("Test"));
        w.resize(300, 200);
        const QImage img = w.grab().toImage();
        const int cw = 300;
        const int ch = 200;
        QCOMPARE(img.pixelColor(50, 10), StartupFixture::skinColour('O'));      // top band
        QCOMPARE(img.pixelColor(3, 100), StartupFixture::skinColour('L'));      // left edge
        QCOMPARE(img.pixelColor(cw - 3, 100), StartupFixture::skinColour('R')); // right edge
        QCOMPARE(img.pixelColor(100, ch - 3), StartupFixture::skinColour('U')); // bottom edge
        const QColor rail(207, 87, 0);
        QCOMPARE(img.pixelColor(cw - 31, 120), rail);
        QCOMPARE(img.pixelColor(cw - 25, 120), rail);
        QCOMPARE(img.pixelColor(cw - 19, 120), rail);
        QCOMPARE(img.pixelColor(cw - 25, 26), rail); // the stub below the top band
        // The rails start lower when the help box is there.
        QCOMPARE(img.pixelColor(cw - 25, 55) == rail, help == 0);
        QCOMPARE(img.pixelColor(cw - 25, 66), rail);
        // The close cross is drawn in the window-text colour through the box's centre.
        QCOMPARE(img.pixelColor(cw - 25, 38), QPalette().color(QPalette::WindowText));
        QCOMPARE(img.pixelColor(cw - 32, 31), QPalette().color(QPalette::Light));
    }

    void dialogSkinFollowsTheMotif() {
        m_state.settings.changeOptions().set(OptionsRecord::Motif, 6);
        QCOMPARE(m_skins->dialogSet().name, QStringLiteral("TOP2_F"));
        m_state.settings.changeOptions().set(OptionsRecord::Motif, 0);
        QCOMPARE(m_skins->dialogSet().name, QStringLiteral("LOW_F"));
    }

    void closeAndHelpBoxes() {
        HelpWindow helpWindow;
        UiContext withHelp = context();
        withHelp.help = &helpWindow;
        TOwnFenster w(withHelp);
        w.setHelpContext(2310);
        w.resize(300, 200);
        w.show();
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(300 - 20, 55));
        QCOMPARE(helpWindow.currentPage(), HelpWindow::pageFor(2310));
        QVERIFY(!helpWindow.currentPage().isEmpty());
        QVERIFY(w.isVisible());
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(300 - 14, 45));
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }

    void dragMovesTheWindow() {
        TOwnFenster w(context());
        w.resize(300, 200);
        w.move(100, 100);
        w.show();
        const QPoint start = w.pos();
        QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(100, 100));
        QMouseEvent move(QEvent::MouseMove, QPointF(130, 120), w.mapToGlobal(QPointF(130, 120)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &move);
        QCOMPARE(w.pos(), start + QPoint(30, 20));
        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(130, 120));
    }

    void messageBoxAnswers_data() {
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Escape in a yes/no box is no") << true << int(Qt::Key_Escape) << 7;
        QTest::newRow("Escape in an OK box is OK") << false << int(Qt::Key_Escape) << 1;
        QTest::newRow("Enter takes the yes default") << true << int(Qt::Key_Return) << 6;
        QTest::newRow("Enter in an OK box") << false << int(Qt::Key_Return) << 1;
    }
    void messageBoxAnswers() {
        QFETCH(bool, yesNo);
        QFETCH(int, key);
        TMeldungDialog box(context());
        pressWhenModal(key);
        QTEST(box.ask(QStringLiteral("Möchten Sie?"), QStringLiteral("Frage"), 2, yesNo), "result");
        QCOMPARE(box.JaButton->isVisible(), false); // hidden again after closing
    }

    void messageBoxGeometry_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("height");
        QTest::newRow("1 line") << 1 << 105;
        QTest::newRow("4 lines") << 4 << 150;
    }
    void messageBoxGeometry() {
        QFETCH(int, lines);
        QFETCH(int, height);
        TMeldungDialog box(context());
        // Measured while the box is open, checked after it closed: a failed check never leaves
        // a modal box waiting.
        int shownHeight = 0, textTop = 0, textHeight = 0, okTop = 0;
        QPoint shownAt;
        QTimer::singleShot(0, [&] {
            shownHeight = box.height();
            textTop = box.Textfeld->geometry().top();
            textHeight = box.Textfeld->height();
            okTop = box.OkButton->y();
            shownAt = box.pos();
            box.OkButton->click();
        });
        QCOMPARE(box.ask(QStringLiteral("Hinweis"), QStringLiteral("Hinweis"), lines, false), 1);
        QCOMPARE(shownHeight, height);
        QCOMPARE(textTop, 36);
        QCOMPARE(textHeight, lines * 15);
        QCOMPARE(okTop, height - 41);
        QCOMPARE(shownAt, QPoint((800 - box.width()) / 2, (600 - height) / 2));
    }

    // Every text shows whole: the box takes the lines the text needs in its own font.
    void everyMessageFits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("broken installation")
            << QStringLiteral("Die Datei VELTA.INI ist defekt. Installieren Sie Velta Cocktails erneut.")
            << 1;
        QTest::newRow("tables") << QStringLiteral("Die Datenbanken konnten nicht geöffnet werden.") << 1;
        QTest::newRow("read-only") << Notice::readOnly().text << Notice::readOnly().lines;
        QTest::newRow("home bar question")
            << QStringLiteral("Möchten Sie die Änderungen an der\rHausbar wirklich speichern?") << 2;
        QTest::newRow("long, one line claimed") << QStringLiteral("Wort ").repeated(120) << 1;
    }
    void everyMessageFits() {
        QFETCH(QString, text);
        QFETCH(int, lines);
        TMeldungDialog box(context());
        int needed = 0, shown = 0, bottom = 0, okTop = 0;
        QTimer::singleShot(0, [&] {
            needed = box.Textfeld->heightForWidth(box.Textfeld->width());
            shown = box.Textfeld->height();
            bottom = box.Textfeld->geometry().bottom();
            okTop = box.OkButton->y();
            box.OkButton->click();
        });
        box.ask(text, QStringLiteral("Hinweis"), lines, false);
        QVERIFY2(needed <= shown, qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(shown)));
        QVERIFY(bottom < okTop);
    }

    // Paths are shown as they are named; the message font draws "/" and every capital itself, with
    // no gap left for a glyph it lacks.
    void messageShowsAPathAsNamed() {
        const QString path = QStringLiteral("/home/zoë/Sicherung ABCDEFGHIJKLMNOPQRSTUVWXYZ ÄÖÜ/");
        TMeldungDialog box(context());
        QString shown;
        QFont font;
        QTimer::singleShot(0, [&] {
            shown = box.Textfeld->text();
            font = box.Textfeld->font();
            box.OkButton->click();
        });
        box.ask(QStringLiteral("Die Daten wurden im Verzeichnis ") + path + QStringLiteral(" gesichert."),
                QStringLiteral("Hinweis"), 2, false);
        QVERIFY(shown.contains(path));
        const QRawFont raw = QRawFont::fromFont(font);
        for (const QChar c : QStringLiteral("/ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ")) {
            QImage glyph(32, 32, QImage::Format_Grayscale8);
            glyph.fill(Qt::white);
            QPainter painter(&glyph);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(4, 24, QString(c));
            painter.end();
            int dark = 0;
            for (int y = 0; y < glyph.height(); ++y) {
                for (int x = 0; x < glyph.width(); ++x)
                    dark += qGray(glyph.pixel(x, y)) < 128 ? 1 : 0;
            }
            QVERIFY2(raw.supportsCharacter(c) && dark > 3, qPrintable(QString(c)));
        }
    }

    void messagesGoThroughTheProgramsBox() {
        TMeldungDialog box(context());
        Meldungsfenster::setDialog(&box);
        pressWhenModal(Qt::Key_Escape);
        QCOMPARE(Meldungsfenster::show(Notice::question(QStringLiteral("Wirklich?"), 1)), 7);
        QCOMPARE(box.caption(), QStringLiteral("Frage"));
        Meldungsfenster::setDialog(nullptr);
    }

    void waitWindow() {
        TWartenDialog wait(context());
        wait.ShowWaitWindow(100, QStringLiteral("Rezepte werden gelesen"));
        QVERIFY(wait.isVisible());
        QCOMPARE(wait.Balken->maximum(), 90);
        QCOMPARE(wait.step(), 5);
        QCOMPARE(wait.Hinweislabel->text(), QStringLiteral("Rezepte werden gelesen"));
        wait.setProgress(95);
        QCOMPARE(wait.Balken->value(), 90);
        wait.HideWaitWindow();
        QVERIFY(!wait.isVisible());
        wait.ShowWaitWindow(10, QString());
        QCOMPARE(wait.Balken->maximum(), 10);
        QCOMPARE(wait.step(), 1); // step 0 counts as 1
        wait.HideWaitWindow();
        wait.ShowWaitWindow(5000, QString());
        QCOMPARE(wait.Balken->maximum(), 4500);
        QCOMPARE(wait.step(), 250);
        wait.HideWaitWindow();
    }

    void fontChooserRefusesBadSizes() {
        MessageBoxAnswerer answers;
        TSchriftdialog chooser(context(), QStringLiteral("Liberation Sans"), 16);
        chooser.show();
        QVERIFY(chooser.Schriftnamelist->count() > 0);
        QCOMPARE(chooser.Schriftnamelist->selectedItems().size(), 1);
        chooser.groesseedit->setText(QStringLiteral("73"));
        chooser.accept();
        QVERIFY(chooser.isVisible());
        QCOMPARE(answers.lastText(), QStringLiteral("Die Schriftgröße muß zwischen 4 und 72 liegen."));
        chooser.groesseedit->setText(QStringLiteral("72"));
        chooser.accept();
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.selectedSize(), 72);
        QCOMPARE(chooser.selectedName(), QStringLiteral("Liberation Sans"));
    }

    // The print defaults are not installed under their own names: their stand-in is selected and
    // OK keeps the name. A font with no stand-in selects nothing, and OK asks for a choice instead
    // of taking the first font of the list.
    void fontChooserKeepsTheFontInUse() {
        MessageBoxAnswerer answers;
        {
            TSchriftdialog chooser(context(), QStringLiteral("ARIAL"), 16);
            chooser.show();
            const QList<QListWidgetItem*> selected = chooser.Schriftnamelist->selectedItems();
            QCOMPARE(selected.size(), 1);
            QCOMPARE(selected.first()->text(), QStringLiteral("Liberation Sans"));
            QTest::mouseClick(chooser.findChild<QPushButton*>(), Qt::LeftButton); // OK comes first
            QVERIFY(!chooser.isVisible());
            QCOMPARE(chooser.selectedName(), QStringLiteral("ARIAL"));
            QCOMPARE(chooser.selectedSize(), 16);
        }
        TSchriftdialog chooser(context(), QStringLiteral("Gibt es nicht 9"), 16);
        chooser.show();
        QCOMPARE(chooser.Schriftnamelist->selectedItems().size(), 0);
        QTest::mouseClick(chooser.findChild<QPushButton*>(), Qt::LeftButton);
        QVERIFY(chooser.isVisible());
        QCOMPARE(answers.lastText(), QStringLiteral("Wählen Sie eine Schriftart aus der Liste aus."));
        QCOMPARE(chooser.selectedName(), QString());
    }
};

VELTA_TEST_MAIN_GUI(TestSkinnedWindows)
#include "tst_skinnedwindows.moc"
