#include "MessageBoxAnswerer.h"
#include "SilentSoundBackend.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "assistants/gui/CocktailCommand.h"
#include "store/Fields.h"
#include "ui/EntryList.h"

#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

// The cocktail assistant as the user meets it: opened by its command on the shipped data, driven by
// clicks and keys; what it showed is captured and checked after it closed.
class TestAssiDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<SilentSoundBackend> m_sound;
    std::unique_ptr<ProgramWindows> m_w;

    TAssiDialog& dialog() { return m_w->main.dialogs().get<CocktailCommand>().dialog; }

    void run(const std::function<void()>& act) {
        QTimer::singleShot(0, &dialog(), act);
        m_w->main.commands->run(u"Assistent"_s);
    }
    void next() { QTest::mouseClick(dialog().weiterbutton, Qt::LeftButton); }
    // Clicks the answer of the question shown (digit from 1).
    void choose(int question, int digit) {
        QTest::mouseClick(dialog().answerButtons[question][digit - 1], Qt::LeftButton);
    }
    QList<int> recordsWith(const QString& code) {
        TApollo& re = m_w->tables.ApolloRezepte;
        QList<int> out;
        re.Query(Fields::Recipe::AssistantCode + u" = "_s + code);
        for (re.GoTop(); !re.Eof(); re.Skip())
            out << re.RecNo();
        re.Query(QString());
        return out;
    }
    QList<int> listedRecords() const {
        QList<int> out;
        for (const ListEntry& e : m_w->main.HauptListBox->entries())
            out << e.data;
        std::sort(out.begin(), out.end());
        return out;
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_sound = std::make_unique<SilentSoundBackend>();
        m_w = StartupFixture::showProgram(m_dir->path(), false);
        QVERIFY(m_w);
    }
    void cleanup() {
        StartupFixture::closeProgram(m_w);
        m_sound.reset();
    }

    // Through every page with the example answers: the page sounds once each, "&Start" on the last
    // page, then the list holds exactly the drinks with that code and the first one is shown.
    void startListsTheDrinksOfTheAnswers() {
        QList<int> pages;
        QStringList captions;
        QList<bool> backEnabled;
        run([&] {
            const auto note = [&] {
                pages << dialog().note->currentIndex();
                captions << dialog().weiterbutton->text();
                backEnabled << dialog().zurueckbutton->isEnabled();
            };
            note();
            next();
            choose(0, 3); // Abend zu zweit
            note();
            next();
            choose(1, 3); // herb
            next();
            choose(2, 2); // alkoholfrei
            next();
            note();
            next();
            note();
            next(); // "&Start"
        });
        QVERIFY(!dialog().isVisible());
        QCOMPARE(pages, (QList<int>{0, 1, 4, 5}));
        QCOMPARE(captions, (QStringList{u"&Weiter >>>"_s, u"&Weiter >>>"_s, u"&Weiter >>>"_s, u"&Start"_s}));
        QCOMPARE(backEnabled, (QList<bool>{false, true, true, true}));
        // The speech of every page, then the noise once the list is filled.
        QCOMPARE(m_sound->playedNumbers(), (QList<int>{13, 11, 14, 10, 18, 12, 30}));

        const QList<int> expected = recordsWith(u"3321"_s);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(listedRecords(), expected);
        QCOMPARE(m_w->main.HauptListBox->currentRow(), 0);
        QCOMPARE(m_w->main.recipes().CurrentRecNo(), m_w->main.HauptListBox->entries().first().data);
        QCOMPARE(m_w->tables.ApolloRezepte.filterText(), QString());
    }

    // Back from the last page turns "&Start" into "&Weiter >>>" without a page sound; cancelling
    // there leaves the list alone, and the answers are preselected at the next showing.
    void backCancelAndTheAnswersStay() {
        const QList<int> before = listedRecords();
        QString captionAfterBack;
        int soundsAtEnd = 0;
        run([&] {
            next();
            choose(0, 4); // Gartenfest
            next();
            choose(1, 2); // süß
            next();
            next();
            choose(3, 3); // großer Drink
            next();
            soundsAtEnd = int(m_sound->played().size());
            QTest::mouseClick(dialog().zurueckbutton, Qt::LeftButton);
            captionAfterBack = dialog().weiterbutton->text();
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        });
        QCOMPARE(captionAfterBack, u"&Weiter >>>"_s);
        QCOMPARE(int(m_sound->played().size()), soundsAtEnd);
        QCOMPARE(listedRecords(), before);

        QList<bool> pressed;
        int pageAtStart = -1;
        run([&] {
            pageAtStart = dialog().note->currentIndex();
            pressed << dialog().answerButtons[0][3]->isChecked() << dialog().answerButtons[1][1]->isChecked()
                    << dialog().answerButtons[2][0]->isChecked() << dialog().answerButtons[3][2]->isChecked();
            QTest::keyClick(&dialog(), Qt::Key_Escape);
        });
        QCOMPARE(pageAtStart, 0);
        QCOMPARE(pressed, (QList<bool>{true, true, true, true}));
        QCOMPARE(dialog().session().filterExpression(), u"CANR = 4213"_s);
        QCOMPARE(listedRecords(), before);
    }

    // A combination that no drink carries: the notice, and the list as it was.
    void noMatchKeepsTheList() {
        TApollo& re = m_w->tables.ApolloRezepte;
        for (int recNo : recordsWith(u"4443"_s)) {
            re.Go(recNo);
            re.Edit();
            re.ReplaceInteger(Fields::Recipe::AssistantCode, 1111);
            re.Commit();
        }
        const QList<int> before = listedRecords();
        MessageBoxAnswerer answers;
        run([&] {
            for (const auto& [question, digit] :
                 {std::pair{0, 4}, std::pair{1, 4}, std::pair{2, 4}, std::pair{3, 3}}) {
                next();
                choose(question, digit);
            }
            next();
            QTest::keyClick(&dialog(), Qt::Key_Return); // "&Start" is the default button
        });
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().text, CocktailSession::noMatchNotice().text);
        QCOMPARE(answers.shown().first().caption, u"Hinweis"_s);
        QCOMPARE(listedRecords(), before);
        QCOMPARE(re.filterText(), QString());
    }
};

VELTA_TEST_MAIN_GUI(TestAssiDialog)
#include "tst_assidialog.moc"
