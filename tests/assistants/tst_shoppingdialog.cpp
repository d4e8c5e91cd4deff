#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "assistants/HomeBarPresets.h"
#include "assistants/gui/HomeBarCommand.h"
#include "assistants/gui/NearMissCommand.h"
#include "assistants/gui/ShoppingCommand.h"
#include "store/Fields.h"
#include "store/TApollo.h"
#include "ui/EntryList.h"

#include <QCheckBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>

// The shopping assistant as the user meets it: opened from the menu command or from the home bar
// dialog on the shipped data, driven by clicks; what it showed is captured and checked after it closed.
class TestShoppingDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;

    TEinkaufDialog& dialog() { return m_w->main.dialogs().get<ShoppingCommand>().dialog; }

    // Runs the command by name; `act` drives the dialog that opens and closes it.
    template <class Window>
    void runWith(Window& window, const QString& command, const std::function<void()>& act) {
        QTimer::singleShot(0, &window, act);
        m_w->main.commands->run(command);
    }

    struct Shown {
        int page = -1;
        QStringList names;
        QStringList counts;
        int progress = -1;
        int progressMaximum = -1;
        bool forward = false;
        bool back = false;
    };
    Shown capture() {
        TEinkaufDialog& d = dialog();
        Shown s{d.Note->currentIndex(),
                {},
                {},
                d.Balken->value(),
                d.Balken->maximum(),
                d.Weiterbutton->isEnabled(),
                d.BackButton->isEnabled()};
        for (int k = 0; k < 3; ++k) {
            s.names << d.zz[k]->text();
            s.counts << d.a[k]->text();
        }
        return s;
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), false);
        QVERIFY(m_w);
        // Bar 1 holds the basic preset; bars 2 and 3 are empty.
        m_w->state.catalogue.changeIngredients([](IngredientChoices& c) {
            for (int number : HomeBarPresets::numbers(HomeBarPresets::Preset::Basis))
                c.homeBars.set(1, number, true);
        });
    }
    void cleanup() { StartupFixture::closeProgram(m_w); }

    // A bar that lacks nothing gives the notice and no rows; back, the basic bar, forward again gives
    // three tips. (An empty bar still has tips: some shipped drinks need a single ingredient.)
    void fullBarThenBackAndTheBasicBar() {
        MessageBoxAnswerer answers;
        TApollo& ingredients = m_w->tables.ApolloZutaten;
        for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip())
            m_w->state.catalogue.changeIngredients([&](IngredientChoices& c) {
                c.homeBars.set(2, int(ingredients.GetInteger(Fields::Ingredient::Number)), true);
            });
        Shown first, empty, backAgain, tips;
        bool einrichten = false;
        runWith(dialog(), QStringLiteral("Einkauf"), [&] {
            TEinkaufDialog& d = dialog();
            first = capture();
            einrichten = d.Hausbutton->isEnabled();
            QTest::mouseClick(d.r2, Qt::LeftButton);
            QTest::mouseClick(d.Weiterbutton, Qt::LeftButton);
            empty = capture();
            QTest::mouseClick(d.BackButton, Qt::LeftButton);
            backAgain = capture();
            QTest::mouseClick(d.r1, Qt::LeftButton);
            QTest::keyClick(&d, Qt::Key_Return); // "&Weiter >>>" is the default button
            tips = capture();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY(!dialog().isVisible());
        QCOMPARE(first.page, 0);
        QVERIFY(first.forward && !first.back && einrichten);

        QCOMPARE(empty.page, 2);
        QVERIFY(empty.forward && empty.back); // on to the purchase plan
        QCOMPARE(empty.names, QStringList(3));
        QCOMPARE(empty.counts, QStringList(3));
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().text, ShoppingSession::tooFewNotice().text);
        QCOMPARE(answers.shown().first().caption, QStringLiteral("Hinweis"));
        QCOMPARE(answers.shown().first().lines, 2);

        QCOMPARE(backAgain.page, 0);
        QVERIFY(backAgain.forward && !backAgain.back);

        QCOMPARE(tips.page, 2);
        QCOMPARE(tips.progress, m_w->state.catalogue.recipeTotal());
        QCOMPARE(tips.progressMaximum, m_w->tables.ApolloRezepte.RecCount());
        for (int k = 0; k < 3; ++k) {
            QVERIFY2(!tips.names.at(k).isEmpty(), qPrintable(QString::number(k)));
            QVERIFY(tips.counts.at(k).toInt() > 0);
        }
        QVERIFY(tips.counts.at(0).toInt() >= tips.counts.at(2).toInt());
        QCOMPARE(answers.shown().size(), 1);
    }

    // "&Weiter >>>" on the result leads to the plan: its first step is the first tip, one row per
    // purchase (the basic bar has a single purchase for each), a click on a step lists its new drinks,
    // the count field replans, "<<< &Zurück" returns to the result. With more steps than the list
    // shows, the counts stay beside the scroll bar, not under it.
    void planPage() {
        struct Plan {
            int page = -1;
            QStringList rows; // "ingredient|drinks"
            int listed = -1;
            QString caption;
            bool forward = true;
        };
        const auto plan = [this] {
            TEinkaufDialog& d = dialog();
            Plan p{d.Note->currentIndex(),
                   {},
                   d.PlanDrinks->count(),
                   d.PlanDrinksLabel->text(),
                   d.Weiterbutton->isEnabled()};
            for (int k = 0; k < d.PlanListe->topLevelItemCount(); ++k)
                p.rows << d.PlanListe->topLevelItem(k)->text(1) + u'|' +
                              d.PlanListe->topLevelItem(k)->text(2);
            return p;
        };
        Shown tips;
        Plan first, second, more, fewer;
        Shown back;
        bool scrolling = false;
        QString cost;
        QList<double> perEuro;
        int countsRight = -1;
        int viewportWidth = 0;
        runWith(dialog(), QStringLiteral("Einkauf"), [&] {
            TEinkaufDialog& d = dialog();
            QTest::mouseClick(d.Weiterbutton, Qt::LeftButton);
            tips = capture();
            QTest::mouseClick(d.Weiterbutton, Qt::LeftButton);
            first = plan();
            QTreeWidgetItem* step2 = d.PlanListe->topLevelItem(1);
            QTest::mouseClick(d.PlanListe->viewport(), Qt::LeftButton, {},
                              d.PlanListe->visualItemRect(step2).center());
            second = plan();
            QTest::keyClick(d.PlanAnzahl, Qt::Key_Up);
            more = plan();
            scrolling = QTest::qWaitFor([&] { return d.PlanListe->verticalScrollBar()->isVisible(); });
            const QHeaderView* columns = d.PlanListe->header();
            countsRight = columns->sectionViewportPosition(2) + columns->sectionSize(2);
            viewportWidth = d.PlanListe->viewport()->width();
            d.PlanAnzahl->selectAll();
            QTest::keyClicks(d.PlanAnzahl, QStringLiteral("2"));
            fewer = plan();
            cost = d.PlanKosten->text();
            // "je Euro": the two steps by new drinks per euro of what they buy.
            QTest::mouseClick(d.PlanJeEuro, Qt::LeftButton);
            for (int k = 0; k < d.PlanListe->topLevelItemCount(); ++k)
                perEuro << d.PlanListe->topLevelItem(k)->text(2).toDouble() /
                               QLocale(QLocale::German)
                                   .toDouble(d.PlanListe->topLevelItem(k)->text(3).chopped(2));
            QTest::mouseClick(d.PlanJeEuro, Qt::LeftButton);
            QTest::mouseClick(d.BackButton, Qt::LeftButton);
            back = capture();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(first.page, 3);
        QVERIFY(!first.forward);
        QCOMPARE(first.rows.size(), 5);
        QCOMPARE(first.rows.first(), tips.names.first() + u'|' + tips.counts.first());
        QCOMPARE(first.listed, tips.counts.first().toInt());
        QCOMPARE(first.caption, QStringLiteral("Neu mixbar mit Schritt 1:"));
        QCOMPARE(second.caption, QStringLiteral("Neu mixbar mit Schritt 2:"));
        QCOMPARE(second.listed, first.rows.at(1).section(u'|', 1).toInt());
        QCOMPARE(more.rows.size(), 6);
        QCOMPARE(more.rows.mid(0, 5), first.rows);
        QVERIFY(scrolling);
        QVERIFY2(countsRight <= viewportWidth,
                 qPrintable(QStringLiteral("%1 > %2").arg(countsRight).arg(viewportWidth)));
        QCOMPARE(fewer.rows, first.rows.mid(0, 2));
        QVERIFY2(cost.startsWith(QStringLiteral("Kosten: ")) && cost.endsWith(QStringLiteral(" €")),
                 qPrintable(cost));
        QCOMPARE(perEuro.size(), 2);
        QVERIFY2(perEuro.at(0) >= perEuro.at(1),
                 qPrintable(QStringLiteral("%1 < %2").arg(perEuro.at(0)).arg(perEuro.at(1))));
        QCOMPARE(back.page, 2);
        QVERIFY(back.forward && back.back);
        QCOMPARE(back.names, tips.names);
    }

    // " Einrichten" opens the home bar dialog, which cannot open the assistant a second time; the
    // home bar dialog's button opens the assistant, whose " Einrichten" is then disabled.
    void theTwoDialogsOpenEachOtherOnce() {
        THausbardialog& homeBar = m_w->main.dialogs().get<HomeBarCommand>().dialog;
        bool homeBarShown = false;
        bool shoppingButtonInHomeBar = true;
        runWith(dialog(), QStringLiteral("Einkauf"), [&] {
            QTimer::singleShot(0, &homeBar, [&] {
                homeBarShown = homeBar.isVisible();
                shoppingButtonInHomeBar = homeBar.Einkaufbutton->isEnabled();
                QTest::mouseClick(homeBar.CancelButton, Qt::LeftButton);
            });
            QTest::mouseClick(dialog().Hausbutton, Qt::LeftButton);
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        });
        QVERIFY(homeBarShown);
        QVERIFY(!shoppingButtonInHomeBar);

        bool shoppingShown = false;
        bool einrichtenInShopping = true;
        runWith(homeBar, QStringLiteral("Hausbar"), [&] {
            QTimer::singleShot(0, &dialog(), [&] {
                shoppingShown = dialog().isVisible();
                einrichtenInShopping = dialog().Hausbutton->isEnabled();
                QTest::keyClick(&dialog(), Qt::Key_Escape);
            });
            QVERIFY(homeBar.Einkaufbutton->isEnabled());
            QTest::mouseClick(homeBar.Einkaufbutton, Qt::LeftButton);
            QTest::mouseClick(homeBar.CancelButton, Qt::LeftButton);
        });
        QVERIFY(shoppingShown);
        QVERIFY(!einrichtenInShopping);
        QVERIFY(!dialog().isVisible() && !homeBar.isVisible());
    }

    void weitereTipsOpensItsHelpTopic() {
        runWith(dialog(), QStringLiteral("Einkauf"), [&] {
            QTest::mouseClick(dialog().Weiterbutton, Qt::LeftButton);
            QTest::mouseClick(dialog().ExplorerButton1, Qt::LeftButton);
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        });
        QCOMPARE(m_w->help.currentPage(), HelpWindow::pageFor(2450));
        m_w->help.close();
    }

    // "Fast mixbar" on the result page opens the list of drinks the bar is one ingredient short of.
    void fastMixbarFromTheResult() {
        NearMissDialog& near = m_w->main.dialogs().get<NearMissCommand>().dialog;
        QString heading;
        runWith(dialog(), QStringLiteral("Einkauf"), [&] {
            QTest::mouseClick(dialog().Weiterbutton, Qt::LeftButton);
            QTimer::singleShot(0, &near, [&] {
                heading = near.Ueberschrift->text();
                near.reject();
            });
            QTest::mouseClick(dialog().FastMixbarButton, Qt::LeftButton);
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        });
        QVERIFY2(heading.contains(QStringLiteral("Hausbar Nr. 1")), qPrintable(heading));
    }

    // "Ersatzzutaten zulassen" on the first page is the home bar's setting: ticking it saves it at
    // once; read-only data refuse it and the box shows the setting in use again.
    void substitutesSwitch() {
        MessageBoxAnswerer answers;
        bool shownBefore = true;
        runWith(dialog(), QStringLiteral("Einkauf"), [&] {
            TEinkaufDialog& d = dialog();
            shownBefore = d.substitutesBox->isChecked();
            QTest::mouseClick(d.substitutesBox, Qt::LeftButton, {}, QPoint(8, 11));
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY(!shownBefore);
        QVERIFY(answers.shown().isEmpty());
        QVERIFY(m_w->state.settings.bar().allowSubstitutes);
        QVERIFY(BarSettings::load(m_w->state.barSettingsPath()).allowSubstitutes);

        m_w->state.run.readOnly = true;
        bool shownAfterRefusal = false;
        runWith(dialog(), QStringLiteral("Einkauf"), [&] {
            TEinkaufDialog& d = dialog();
            QTest::mouseClick(d.substitutesBox, Qt::LeftButton, {}, QPoint(8, 11));
            shownAfterRefusal = d.substitutesBox->isChecked();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(answers.lastText(), Notice::readOnly().text);
        QVERIFY(shownAfterRefusal);
        QVERIFY(m_w->state.settings.bar().allowSubstitutes);
    }

    // With "Ersatzzutaten zulassen" a purchase counts for what it stands in for. On the basic bar
    // without citrus, each step's "neue Drinks" is what the mixable test keeps once that step is
    // bought as well, and no step buys what an earlier purchase already stands in for: lemon juice
    // comes first and lime juice, which it stands in for, never after it.
    void planCountsThroughTheCoverage() {
        MessageBoxAnswerer answers;
        m_w->state.catalogue.changeIngredients([](IngredientChoices& c) {
            for (int citrus : {4, 5, 97, 99}) // Zitronensaft, Limettensaft, Limette, Zitrone
                c.homeBars.set(1, citrus, false);
        });
        QStringList rows; // "ingredient|new drinks"
        runWith(dialog(), QStringLiteral("Einkauf"), [&] {
            TEinkaufDialog& d = dialog();
            QTest::mouseClick(d.substitutesBox, Qt::LeftButton, {}, QPoint(8, 11));
            QTest::mouseClick(d.Weiterbutton, Qt::LeftButton);
            QTest::mouseClick(d.Weiterbutton, Qt::LeftButton);
            for (int k = 0; k < d.PlanListe->topLevelItemCount(); ++k)
                rows << d.PlanListe->topLevelItem(k)->text(1) + u'|' + d.PlanListe->topLevelItem(k)->text(2);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY(m_w->state.settings.bar().allowSubstitutes);
        QCOMPARE(rows.size(), ShoppingPlan::kDefaultPurchases);
        QHash<QString, int> numbers;
        for (const ListEntry& e : m_w->state.catalogue.ingredients().zutatliste)
            numbers.insert(e.text.trimmed(), e.data);
        QStringList zs;
        TApollo& recipes = m_w->tables.ApolloRezepte;
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip())
            zs << recipes.GetPaddedString(QStringLiteral("Z"));
        const BarCoverage coverage = m_w->state.barCoverage();
        IngredientSet bought;
        for (const QString& row : rows) {
            const IngredientSet before = coverage.present(1, bought);
            for (const QString& name : row.section(u'|', 0, 0).split(QStringLiteral(" + "))) {
                QVERIFY2(numbers.contains(name), qPrintable(name));
                QVERIFY2(!before.test(size_t(numbers.value(name))), qPrintable(row));
                bought.set(size_t(numbers.value(name)));
            }
            const IngredientSet after = coverage.present(1, bought);
            int added = 0;
            for (const QString& z : zs)
                added += !HomeBarTable::Mixable(z, before, 0) && HomeBarTable::Mixable(z, after, 0) ? 1 : 0;
            QCOMPARE(row.section(u'|', 1).toInt(), added);
        }
        QCOMPARE(rows.first().section(u'|', 0, 0), QStringLiteral("Zitronensaft"));
    }

    // Substitutes switched off in the assistant opened from the home bar dialog stay off when the home
    // bar dialog is then confirmed with a changed bar: the later change wins, and the home bar's box
    // shows it as soon as the assistant is closed.
    void substitutesSwitchedInTheAssistantOverTheHomeBar() {
        BarSettings on = m_w->state.settings.bar();
        on.allowSubstitutes = true;
        QVERIFY(m_w->state.saveBarSettings(on));
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::Yes);
        THausbardialog& homeBar = m_w->main.dialogs().get<HomeBarCommand>().dialog;
        bool boxInAssistant = false;
        bool boxAfterAssistant = true;
        runWith(homeBar, QStringLiteral("Hausbar"), [&] {
            homeBar.VorgabePopup->actions().at(2)->trigger(); // a changed bar: "&Basis"
            QTimer::singleShot(0, &dialog(), [&] {
                boxInAssistant = dialog().substitutesBox->isChecked();
                QTest::mouseClick(dialog().substitutesBox, Qt::LeftButton, {}, QPoint(8, 11));
                QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(homeBar.Einkaufbutton, Qt::LeftButton);
            boxAfterAssistant = homeBar.substitutesBox->isChecked();
            QTest::mouseClick(homeBar.OkButton, Qt::LeftButton);
        });
        QCOMPARE(answers.lastText(), HomeBarStore::saveQuestion());
        QCOMPARE(m_w->state.catalogue.ingredients().homeBars.count(1), 28);
        QVERIFY(!m_w->state.settings.bar().allowSubstitutes);
        QVERIFY(!BarSettings::load(m_w->state.barSettingsPath()).allowSubstitutes);
        QVERIFY(boxInAssistant);
        QVERIFY(!boxAfterAssistant);
    }
};

VELTA_TEST_MAIN_GUI(TestShoppingDialog)
#include "tst_shoppingdialog.moc"
