#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "UserInput.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "browser/RecipeDisplay.h"
#include "browser/RecipeTextLayout.h"
#include "browser/gui/BrowserController.h"
#include "browser/gui/RecipeView.h"
#include "reference/gui/ArticleView.h"
#include "reference/gui/DisplayMemo.h"
#include "reference/gui/IngredientInfoCommand.h"
#include "reference/gui/IngredientInfoView.h"
#include "reference/gui/LexiconCommand.h"
#include "reference/gui/LexiconInfoCommand.h"
#include "reference/gui/RecipeIngredientsCommand.h"
#include "ui/EntryList.h"
#include "ui/TypeAheadField.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace UserInput;

namespace {

QString lines(int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << u"Zeile %1"_s.arg(i);
    return out.join(u"\r\n"_s);
}

QString clipboard() {
    return QApplication::clipboard()->text();
}

} // namespace

// The bar lexicon and the ingredient info windows as the user meets them: opened by their
// commands and by clicks in the recipe on the shipped data; what they showed is captured and
// checked after they closed.
class TestLexiconDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;

    template <class Command> auto& dialogOf() { return m_w->main.dialogs().get<Command>().dialog; }
    const RecipeDisplay& display() { return m_w->main.browser->browser().display(); }
    void clickLine(int line) {
        QTest::mouseClick(m_w->main.AusgabePaintBox, Qt::LeftButton, {}, linePoint(display(), line));
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(StartupFixture::make(m_dir->path()));
        m_w = std::make_unique<ProgramWindows>(ProgramWindows::withoutIni(m_dir->path()));
        QVERIFY(m_w->main.create());
        m_w->main.setWindowState(Qt::WindowNoState);
        m_w->main.resize(800, 600);
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->main));
        // The lexicon's pictures of the built image.
        m_w->state.folders.picturesFolder = QStringLiteral(VELTA_IMAGE_DIR "/BILDER/");
        EntryList* list = m_w->main.HauptListBox;
        list->setCurrentRow(list->findRow(u"Mojito"_s));
        m_w->main.browser->selectionChanged();
    }
    void cleanup() {
        if (m_w)
            m_w->main.close();
        m_w.reset();
    }

    void scrollBarOnlyWhenTheTextDoesNotFit() {
        DisplayMemo memo;
        memo.resize(240, 120);
        const int fit = memo.visibleLines();
        QVERIFY(fit >= 3);
        memo.setText(lines(fit));
        QCOMPARE(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        QTextCursor end(memo.document());
        end.movePosition(QTextCursor::End);
        QVERIFY(memo.cursorRect(end).bottom() < memo.viewport()->height()); // every line in full
        memo.setText(lines(fit + 1));
        QCOMPARE(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo.verticalScrollBar()->value(), 0);
        // A long paragraph counts with every line it wraps into.
        memo.setText(u"Wort "_s.repeated(30 * fit));
        QCOMPARE(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        memo.setText(QString());
        QCOMPARE(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo.focusPolicy(), Qt::NoFocus);
    }

    void lexiconPages() {
        MessageBoxAnswerer answers;
        int terms = 0;
        bool termFocused = false;
        QString firstHeading;
        QString firstTerm;
        bool termPicture = false;
        QString typedTerm;
        QString ingredient;
        QString percent;
        QString ingredientCopy;
        QString decoration;
        QString decorationField;
        bool decorationPicture = false;
        QString decorationCopy;
        TLexikonDialog& dialog = dialogOf<LexiconCommand>();
        whileOpen<TLexikonDialog>(dialog, [&](TLexikonDialog& d) {
            terms = d.FachListbox->count();
            termFocused = d.focusWidget() == d.FachListbox;
            firstHeading = d.fach->heading->text();
            firstTerm = d.FachListbox->text(0);
            termPicture = !d.fach->image->pixmap().isNull() && !d.fach->memo->toPlainText().isEmpty();
            QTest::keyClicks(d.edits[0], u"SHAKER"_s);
            QTest::keyClick(d.edits[0], Qt::Key_Down);
            typedTerm = d.fach->heading->text();
            QTest::mouseClick(d.DasControl->tabBar(), Qt::LeftButton, {},
                              d.DasControl->tabBar()->tabRect(1).center());
            QTest::keyClicks(d.edits[1], u"wodka"_s);
            ingredient = d.zutat->Namelabel->text();
            percent = d.zutat->Prozentlabel->text();
            d.Zwischenablage1->trigger();
            ingredientCopy = clipboard();
            QTest::mouseClick(d.DasControl->tabBar(), Qt::LeftButton, {},
                              d.DasControl->tabBar()->tabRect(2).center());
            clickRow(d.DekoListbox, d.DekoListbox->findRow(u"Zitronenscheibe"_s));
            decoration = d.deko->heading->text();
            decorationField = d.edits[2]->text();
            decorationPicture = !d.deko->image->pixmap().isNull();
            d.Zwischenablage1->trigger();
            decorationCopy = clipboard();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Lexikon"_s);
        QCOMPARE(terms, m_w->tables.ApolloLex.RecCount());
        QVERIFY(termFocused);
        QCOMPARE(firstHeading, firstTerm);
        QVERIFY(termPicture);
        QCOMPARE(typedTerm, u"Shaved Ice"_s); // the entry after "Shaker"
        QCOMPARE(ingredient, u"Wodka"_s);
        QCOMPARE(percent, u"40%"_s);
        QVERIFY(ingredientCopy.startsWith(u"Wodka 40%\n\nKlare, möglichst neutrale Spirituose"_s));
        QCOMPARE(answers.lastText(), u"Der Text wurde in die Zwischenablage kopiert."_s);
        QCOMPARE(decoration, u"Zitronenscheibe"_s);
        QCOMPARE(decorationField, u"Zitronenscheibe"_s);
        QVERIFY(decorationPicture);
        QVERIFY(decorationCopy.startsWith(u"Zitronenscheibe\n\nWaschen Sie die Zitrone"_s));

        // Reopening shows the entries selected when it was closed, on the page last shown.
        QString reopenedDecoration;
        QString reopenedIngredient;
        QString reopenedTerm;
        whileOpen<TLexikonDialog>(dialog, [&](TLexikonDialog& d) {
            reopenedDecoration = d.DekoListbox->currentText();
            reopenedIngredient = d.HListbox->currentText();
            reopenedTerm = d.fach->heading->text();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        m_w->main.commands->run(u"Lexikon"_s);
        QCOMPARE(reopenedDecoration, u"Zitronenscheibe"_s);
        QCOMPARE(reopenedIngredient, u"Wodka"_s);
        QCOMPARE(reopenedTerm, typedTerm);
    }

    void lexiconContextMenu() {
        bool popup = false;
        TLexikonDialog& dialog = dialogOf<LexiconCommand>();
        whileOpen<TLexikonDialog>(dialog, [&](TLexikonDialog& d) {
            // Through the window, as the window system delivers it: press, then release.
            const QPoint at = d.fach->memo->viewport()->mapTo(&d, QPoint(10, 10));
            QTest::mousePress(d.windowHandle(), Qt::RightButton, {}, at);
            QTest::mouseRelease(d.windowHandle(), Qt::RightButton, {}, at);
            QTRY_VERIFY(d.PopupMenu->isVisible());
            popup = true;
            d.PopupMenu->hide();
            d.reject();
        });
        m_w->main.commands->run(u"Lexikon"_s);
        QVERIFY(popup);
    }

    void recipeIngredientInfo() {
        MessageBoxAnswerer answers;
        QStringList listed;
        bool listFocused = false;
        QString first;
        QString third;
        QString thirdPercent;
        QString copied;
        TZutateninfodialog& dialog = dialogOf<RecipeIngredientsCommand>();
        whileOpen<TZutateninfodialog>(dialog, [&](TZutateninfodialog& d) {
            for (int row = 0; row < d.HListbox->count(); ++row)
                listed << d.HListbox->text(row);
            listFocused = d.focusWidget() == d.HListbox;
            first = d.info->Namelabel->text();
            clickRow(d.HListbox, 2);
            third = d.info->Namelabel->text();
            thirdPercent = d.info->Prozentlabel->text();
            d.Zwischenablage1->trigger();
            copied = clipboard();
            QTest::keyClick(&d, Qt::Key_Return);
        });
        m_w->main.commands->run(u"Zutateninfo"_s);
        // Recipe order, not sorted.
        QCOMPARE(listed, (QStringList{u"Weißer Rum"_s, u"Limettensaft"_s, u"Minze"_s, u"Rohrzucker"_s,
                                      u"Soda"_s, u"Crushed Ice"_s}));
        QVERIFY(listFocused);
        QCOMPARE(first, u"Weißer Rum"_s);
        QCOMPARE(third, u"Minze"_s);
        QCOMPARE(thirdPercent, u"0%"_s);
        QVERIFY(copied.startsWith(u"Minze 0%\n\n"_s));
        QCOMPARE(answers.shown().size(), 1);
    }

    // The recipe's category, decoration and ingredient lines open their windows.
    void clicksInTheRecipe() {
        const QString category = display().categoryName;
        QString categoryCaption;
        QString categoryHeading;
        TLexinfodialog& info = dialogOf<LexiconInfoCommand>();
        whileOpen<TLexinfodialog>(info, [&](TLexinfodialog& d) {
            categoryCaption = d.caption();
            categoryHeading = d.view->heading->text();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        clickLine(display().categoryLine);
        QCOMPARE(categoryCaption, u"Barlexikon"_s);
        QVERIFY2(categoryHeading.startsWith(category), qPrintable(categoryHeading));

        QString decorationCaption;
        QString decorationHeading;
        bool decorationPicture = false;
        whileOpen<TLexinfodialog>(info, [&](TLexinfodialog& d) {
            decorationCaption = d.caption();
            decorationHeading = d.view->heading->text();
            decorationPicture = !d.view->image->pixmap().isNull();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY(display().decorationLine >= 0);
        clickLine(display().decorationLine);
        QCOMPARE(decorationCaption, u"Dekoration"_s);
        QCOMPARE(decorationHeading,
                 display().lines.at(display().decorationLine).text.mid(1).section(u": "_s, 1));
        QVERIFY(decorationPicture);

        QString ingredient;
        bool okFocused = false;
        TZInfoDialog& single = dialogOf<IngredientInfoCommand>();
        whileOpen<TZInfoDialog>(single, [&](TZInfoDialog& d) {
            ingredient = d.info->Namelabel->text();
            okFocused = d.focusWidget() == d.OkButton;
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        clickLine(0);
        QCOMPARE(ingredient, u"Weißer Rum"_s);
        QVERIFY(okFocused);
    }
};

VELTA_TEST_MAIN_GUI(TestLexiconDialogs)
#include "tst_lexicondialogs.moc"
