#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "app/MainMenu.h"
#include "common/AppState.h"
#include "options/OptionsSession.h"
#include "ui/HelpWindow.h"
#include "ui/Skins.h"
#include "ui/TOwnFenster.h"

#include <QDirIterator>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

QString read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Every help context number the sources name: in a line that sets, opens or declares one.
QSet<int> contextsInSources() {
    static const QRegularExpression line(u"(?i)(helpcontext|showcontext|help topic|hilfe)[^\\n]*"_s);
    static const QRegularExpression number(u"\\b(2\\d\\d\\d)\\b"_s);
    QSet<int> found;
    QDirIterator it(QStringLiteral(VELTA_SOURCE_DIR "/src"), {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString text = read(it.next());
        for (auto l = line.globalMatch(text); l.hasNext();)
            for (auto n = number.globalMatch(l.next().captured()); n.hasNext();)
                found.insert(n.next().captured(1).toInt());
    }
    return found;
}

int contextOf(const HelpWindow& help) {
    return help.currentPage().section(u'/', -1).section(u'.', 0, 0).toInt();
}

} // namespace

// The help window: a page for every help context number, links that lead somewhere, and a window
// that stays usable beside a modal dialog.
class TestHelpWindow : public QObject {
    Q_OBJECT

    TempDataFolder m_dir;
    AppState m_state;
    std::unique_ptr<Skins> m_skins;
    std::unique_ptr<HelpWindow> m_help;

    UiContext context() { return {m_state, *m_skins, m_help.get()}; }

private slots:
    void initTestCase() {
        StartupFixture::writeSkins(m_dir.path());
        m_state.folders.dataFolder = m_dir.path() + u"/"_s;
        m_state.run.mainBounds = QRect(0, 0, 800, 600);
        m_skins = std::make_unique<Skins>(m_state);
    }
    void init() { m_help = std::make_unique<HelpWindow>(); }
    void cleanup() { m_help.reset(); }

    void everyContextHasAPage_data() {
        QTest::addColumn<int>("context");
        // The windows' and menu items' numbers, also those whose windows are still to come.
        QSet<int> all = {2010, 2020, 2030, 2040, 2050, 2080, 2110, 2120, 2140, 2150,
                         2160, 2170, 2180, 2190, 2310, 2320, 2350, 2410, 2420, 2430,
                         2440, 2450, 2460, 2470, 2510, 2600, 2610, 2620, 2630};
        all += contextsInSources();
        for (const char* command : {"SucheAn", "SucheAus", "Assistent", "Menge", "Hausbar", "Promille",
                                    "Einkauf", "Zutateninfo", "Lexikon", "Optionen"})
            all.insert(MainMenu::helpContext(QString::fromLatin1(command)));
        for (int page : {0, 1, 2})
            all.insert(OptionsSession::pageHelpContext(page));
        QList<int> sorted(all.begin(), all.end());
        std::sort(sorted.begin(), sorted.end());
        for (int c : sorted)
            QTest::addRow("%d", c) << c;
    }
    void everyContextHasAPage() {
        QFETCH(int, context);
        const QString page = HelpWindow::pageFor(context);
        QVERIFY2(!page.isEmpty(), "no help page");
        const QString html = read(page);
        QVERIFY(html.contains(u"<h2>"_s));
        QVERIFY(html.contains(u"index.html"_s)); // the way back to the contents
    }

    void contextWithoutPageShowsTheContents() {
        m_help->showContext(0);
        QCOMPARE(m_help->currentPage(), u":/help/index.html"_s);
        m_help->showContext(2999);
        QCOMPARE(m_help->currentPage(), u":/help/index.html"_s);
        m_help->showContext(2420);
        QCOMPARE(m_help->currentPage(), u":/help/2420.html"_s);
    }

    void everyLinkAndPictureIsThere() {
        static const QRegularExpression ref(u"(href|src)=\"([^\"#:]+)\""_s);
        int links = 0;
        QDirIterator it(u":/help"_s, {u"*.html"_s});
        while (it.hasNext()) {
            const QString page = it.next();
            for (auto m = ref.globalMatch(read(page)); m.hasNext(); ++links) {
                const QString target = m.next().captured(2);
                QVERIFY2(QFile::exists(u":/help/"_s + target), qPrintable(page + u" → "_s + target));
            }
        }
        QVERIFY(links > 100);
    }

    // The licences of the data sources ask to travel with the data: the help shows SOURCES.md and
    // every licence text word for word, and the image holds the files themselves.
    void dataLicencesAreShown() {
        const QString page = read(u":/help/quellen.html"_s);
        QStringList notices = {QStringLiteral(VELTA_SOURCE_DIR "/data/SOURCES.md")};
        for (const QFileInfo& f :
             QDir(QStringLiteral(VELTA_SOURCE_DIR "/data/licenses")).entryInfoList({u"*.txt"_s}, QDir::Files))
            notices << f.filePath();
        QVERIFY(notices.size() > 1);
        for (const QString& path : notices) {
            for (QString line : read(path).split(u'\n')) {
                line = line.trimmed();
                if (line.isEmpty())
                    continue;
                line.replace(u'&', u"&amp;"_s).replace(u'<', u"&lt;"_s).replace(u'>', u"&gt;"_s);
                QVERIFY2(page.contains(line), qPrintable(path + u": "_s + line));
            }
            QVERIFY2(QFile::exists(QStringLiteral(VELTA_IMAGE_DIR "/LIZENZEN/") + QFileInfo(path).fileName()),
                     qPrintable(path));
        }
    }

    void linksAreFollowedInTheWindow() {
        m_help->showContents();
        QTextBrowser* browser = m_help->browser();
        browser->setSource(QUrl(u"qrc:/help/2600.html"_s));
        QCOMPARE(contextOf(*m_help), 2600);
        QVERIFY(browser->isBackwardAvailable());
        browser->backward();
        QCOMPARE(m_help->currentPage(), u":/help/index.html"_s);
    }

    void questionBoxAndF1OpenTheWindowsHelp() {
        TOwnFenster w(context());
        w.setHelpContext(2420);
        w.setCaption(u"Test"_s);
        w.resize(300, 200);
        w.show();
        QTest::mouseClick(&w, Qt::LeftButton, {}, TOwnFenster::helpBox(w.width()).center());
        QTRY_VERIFY(m_help->isVisible());
        QCOMPARE(contextOf(*m_help), 2420);
        m_help->close();
        w.setHelpContext(2630);
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(contextOf(*m_help), 2630);
        w.setHelpContext(0); // a window without help: F1 opens the contents
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(m_help->currentPage(), u":/help/index.html"_s);
    }

    // Opened from a modal dialog's "?", the help window takes clicks and keys while the dialog waits.
    void usableBesideAModalDialog() {
        TOwnFenster dialog(context());
        dialog.setHelpContext(2610);
        dialog.setCaption(u"Optionen"_s);
        dialog.resize(400, 300);
        int scrolled = -1;
        bool closedByClick = false;
        bool dialogStillOpen = false;
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseClick(&dialog, Qt::LeftButton, {}, TOwnFenster::helpBox(dialog.width()).center());
            QTest::qWait(20); // the window follows the dialog once it is the modal one
            QWindow* window = m_help->windowHandle();
            QScrollBar* bar = m_help->browser()->verticalScrollBar();
            const int before = bar->value();
            m_help->browser()->setFocus();
            QTest::keyClick(window, Qt::Key_PageDown);
            scrolled = bar->value() - before;
            QPushButton* close = m_help->findChild<QPushButton*>(u"Schliessen"_s);
            QTest::mouseClick(window, Qt::LeftButton, {}, close->mapTo(m_help.get(), close->rect().center()));
            closedByClick = !m_help->isVisible();
            dialogStillOpen = dialog.isVisible();
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(scrolled > 0);
        QVERIFY(closedByClick);
        QVERIFY(dialogStillOpen);
    }

    // The check above notices blocking: beside a modal dialog the help does not follow, it takes no
    // input.
    void blockedBesideAForeignModalDialog() {
        m_help->showContext(2610);
        QDialog foreign;
        bool closedByClick = true;
        QTimer::singleShot(0, &foreign, [&] {
            QTest::qWait(20);
            QPushButton* close = m_help->findChild<QPushButton*>(u"Schliessen"_s);
            QTest::mouseClick(m_help->windowHandle(), Qt::LeftButton, {},
                              close->mapTo(m_help.get(), close->rect().center()));
            closedByClick = !m_help->isVisible();
            foreign.reject();
        });
        foreign.exec();
        QVERIFY(!closedByClick);
    }
};

VELTA_TEST_MAIN_GUI(TestHelpWindow)
#include "tst_helpwindow.moc"
