#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "ui/AboutCommand.h"
#include "ui/AboutCredits.h"
#include "ui/ScrollingText.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

using namespace Qt::StringLiterals;

// Catches the web pages the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(u"http"_s, this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(u"http"_s); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// The about box as the user meets it: opened by "&Info über...", the picture, the credits under way,
// the link, and the credits naming every source the data and media come from.
class TestAboutDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;

    void runAbout(const std::function<void(TAboutDialog&)>& act) {
        TAboutDialog& d = m_w->main.dialogs().get<AboutCommand>().dialog;
        QTimer::singleShot(0, &d, [&d, act] {
            QApplication::setActiveWindow(&d);
            act(d);
            if (d.isVisible())
                d.reject();
        });
        m_w->main.commands->run(u"Info"_s);
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), false);
        QVERIFY(m_w);
    }
    void cleanup() { StartupFixture::closeProgram(m_w); }

    void showsPictureAndCreditsUnderWay() {
        QImage picture(150, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkMagenta);
        QVERIFY(picture.save(m_dir->filePath(u"DATEN/info.bmp"_s), "BMP"));
        UrlCatcher urls;
        bool pictureShown = false;
        bool scrolling = false;
        bool scrolledAfterHiding = true;
        runAbout([&](TAboutDialog& d) {
            pictureShown = !d.Image1->pixmap().isNull() &&
                           d.Image1->pixmap().toImage().pixelColor(75, 100) == QColor(Qt::darkMagenta);
            const int start = d.Scrolltext->offset();
            scrolling = QTest::qWaitFor([&] { return d.Scrolltext->offset() > start + 2; }, 2000);
            QTest::mouseClick(d.LLL, Qt::LeftButton, {}, QPoint(10, d.LLL->height() / 2));
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            const int hidden = d.Scrolltext->offset();
            QTest::qWait(3 * ScrollingText::kStepMs);
            scrolledAfterHiding = d.Scrolltext->offset() != hidden;
        });
        QVERIFY(pictureShown);
        QVERIFY(scrolling);
        QVERIFY(!scrolledAfterHiding);
        QCOMPARE(urls.opened, QList<QUrl>{QUrl(AboutCredits::webAddress())});
    }

    void missingPictureLeavesTheFrameEmpty() {
        QFile::remove(m_dir->filePath(u"DATEN/info.bmp"_s));
        MessageBoxAnswerer answers;
        bool empty = false;
        QString caption;
        runAbout([&](TAboutDialog& d) {
            empty = d.Image1->pixmap().isNull();
            caption = d.caption();
            QTest::keyClick(&d, Qt::Key_Return);
        });
        QVERIFY(empty);
        QCOMPARE(caption, u"Info über..."_s);
        QVERIFY(answers.shown().isEmpty());
    }

    void creditsNameEveryDataSource() {
        const QString credits = AboutCredits::lines().join(u'\n');
        const QDir licences(QStringLiteral(VELTA_SOURCE_DIR "/data/licenses"));
        const QStringList files = licences.entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        static const QRegularExpression licenceSuffix(u"-(MIT|BSD.*|Apache.*|CC.*|L?GPL.*|OFL.*|ISC)$"_s);
        for (const QString& file : files) {
            const QString project = QFileInfo(file).completeBaseName().remove(licenceSuffix);
            QVERIFY2(credits.contains(project), qPrintable(project));
        }
        // And the third-party fonts, sound font, voice and libraries the program uses.
        for (const char* asset :
             {"Liberation", "Wine", "Symbola", "TimGM6mb", "eSpeak NG", "Qt 6", "FluidSynth"})
            QVERIFY2(credits.contains(QString::fromUtf8(asset)), asset);
    }

    void creditsAreShapedAsGroups() {
        const QStringList lines = AboutCredits::lines();
        QCOMPARE(lines.first(), u"VELTA COCKTAILS 98"_s);
        int titles = 0;
        for (int i = 1; i < lines.size(); ++i) {
            if (!AboutCredits::isTitle(lines.at(i)))
                continue;
            ++titles;
            QVERIFY2(lines.at(i - 1).isEmpty(), qPrintable(lines.at(i))); // groups apart by an empty line
            QVERIFY(!lines.value(i + 1).isEmpty());                       // a title has names under it
        }
        QVERIFY(titles >= 6);
    }
};

VELTA_TEST_MAIN_GUI(TestAboutDialog)
#include "tst_aboutdialog.moc"
