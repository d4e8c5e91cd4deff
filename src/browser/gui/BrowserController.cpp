#include "browser/gui/BrowserController.h"

#include "ui/ClipboardText.h"

#include "browser/MissingIngredients.h"

#include "browser/MainLayout.h"
#include "browser/RecipeClipboard.h"
#include "browser/RecipeMarks.h"
#include "browser/gui/ClientFrame.h"
#include "browser/gui/RecipePhoto.h"
#include "browser/gui/RecipeView.h"
#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/HomeBarTable.h"
#include "common/ListCollation.h"
#include "store/Fields.h"
#include "ui/EntryList.h"
#include "ui/Meldungsfenster.h"
#include "ui/StoreGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
constexpr int kMarkSound = 6;
} // namespace

BrowserController::BrowserController(const AppState& state, DataTables& tables, const Widgets& widgets,
                                     QObject* parent)
    : QObject(parent), m_state(state), m_tables(tables), m_w(widgets),
      m_browser({tables.ApolloRezepte, tables.ApolloZutaten, tables.ApolloDeko}, state.catalogue.categories(),
                state.catalogue.tastes(), &state.aliases) {
    m_browser.setRunFlags(&state.run);
    m_browser.setMyDrinks(&state.myDrinks);
    m_hiTimer.setInterval(40);
    m_w.view->setTerms(&m_terms);
    m_w.view->setDisplay(&m_browser.display());
    connect(&m_hiTimer, &QTimer::timeout, this, &BrowserController::scrollTick);
    connect(m_w.edit, &QLineEdit::textEdited, this, &BrowserController::quickSearch);
    connect(m_w.list, &EntryList::rowChosen, this, [this] {
        m_w.edit->setFocus();
        selectionChanged();
    });
    connect(m_w.list, &EntryList::rowDoubleClicked, this, [this] { m_w.edit->setFocus(); });
    connect(m_w.next, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_w.previous, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_w.view, &RecipeView::clicked, this, &BrowserController::handleClick);
    connect(m_w.frame, &ClientFrame::scrollPressed, this, [this] { m_hiTimer.start(); });
    connect(m_w.frame, &ClientFrame::scrollReleased, this, [this] { m_hiTimer.stop(); });
}

void BrowserController::loadTerms() {
    m_termEntries.clear();
    TApollo& ba = m_tables.ApolloLex;
    if (ba.LockFile()) {
        ba.SetTurboRead(true);
        for (ba.GoTop(); !ba.Eof(); ba.Skip())
            m_termEntries.append({ba.GetTrimString(Fields::Term::Name), ba.RecNo()});
        ba.SetTurboRead(false);
        ba.Unlock();
    }
    ListCollation::sort(m_termEntries);
    m_terms = LexiconTerms::fromEntries(m_termEntries);
}

void BrowserController::applyTextFont() {
    m_w.view->ApplyTextFont();
    m_browser.setWrap({&m_w.view->measurer(), m_w.view->width(),
                       m_state.settings.options().get(OptionsRecord::InstructionsJustified) != 0});
    refreshView();
}

void BrowserController::fillListWidget() {
    m_filling = true;
    m_w.list->setEntries(m_browser.list().entries());
    m_w.list->setCurrentRow(m_w.list->count() > 0 ? 0 : -1);
    m_filling = false;
    m_w.count->setText(m_browser.list().CountLabelText());
    ShowMarkPicture();
}

void BrowserController::FillRecipeList(bool homeBarOnly, const RecipeRecordTest& alsoKeep) {
    RecipeList::KeepRecipe keep;
    if (homeBarOnly)
        keep = [test = m_state.barCoverage().test(m_state.settings.options().get(OptionsRecord::HomeBar),
                                                  m_state.searchPurchases)](const QList<int>& numbers) {
            return test.keeps(numbers);
        };
    if (!StoreGuard::run([&] { m_browser.list().fill(m_tables.ApolloRezepte, keep, alsoKeep); }))
        return;
    fillListWidget();
    emit listFilled();
    if (m_browser.list().enablesCancelSearch(m_state.catalogue.recipeTotal()))
        emit cancelSearchEnabled(true);
}

void BrowserController::RecipeSaved(bool isNew, const QString& name) {
    const int index = m_browser.RecipeSaved(isNew, m_w.list->currentRow(), name);
    m_filling = true;
    m_w.list->setEntries(m_browser.list().entries());
    m_w.list->setCurrentRow(index);
    m_filling = false;
    m_w.count->setText(m_browser.list().CountLabelText());
    selectionChanged();
}

int BrowserController::ListedCount() const {
    return m_browser.list().ListedCount();
}

void BrowserController::ClearQuickSearch() {
    m_w.edit->clear();
}

int BrowserController::CurrentRecNo() const {
    return m_browser.shown().CurrentRecNo();
}

QList<ListEntry> BrowserController::ListedRecipes() const {
    return m_w.list->entries();
}

int BrowserController::SelectedRow() const {
    return m_w.list->currentRow();
}

QString BrowserController::CountText() const {
    return m_w.count->text();
}

void BrowserController::ShowFirst() {
    if (m_w.list->count() == 0)
        return;
    m_w.list->setCurrentRow(0);
    selectionChanged();
}

bool BrowserController::ShowRecipe(int recNo) {
    const int row = m_browser.list().indexOfRecord(recNo);
    if (row < 0)
        return false;
    m_w.list->setCurrentRow(row);
    selectionChanged();
    return true;
}

void BrowserController::selectionChanged() {
    const int row = m_w.list->currentRow();
    if (row < 0 || m_filling)
        return;
    bool loaded = false;
    // A recipe that cannot be read is reported; the view keeps the recipe shown before, and
    // choosing the entry again tries again.
    m_browser.setDashesPerCl(int(m_state.settings.options().get(OptionsRecord::DashesPerCl)));
    m_browser.setShownUnit(m_state.settings.shownUnit());
    if (StoreGuard::run([&] { loaded = m_browser.ShowSelected(row); }))
        showCurrent(loaded);
}

void BrowserController::ReloadCurrent() {
    m_browser.shown().forget();
    selectionChanged();
}

void BrowserController::showCurrent(bool loaded) {
    if (!loaded)
        return;
    SyncSearchField();
    const RecipeDisplay& d = m_browser.display();
    m_w.photo->LoadPhoto(d.photoName, d.collectionPhoto);
    m_w.frame->setTitle(d.name, m_w.view->font());
    m_w.frame->setStars(d.stars);
    ShowMarkPicture();
    refreshView();
}

void BrowserController::refreshView() {
    // The arrows depend on which lines the layout found visible.
    m_w.view->relayout();
    m_w.view->update();
    m_w.frame->setCanScroll(m_browser.display().canScroll());
}

void BrowserController::SyncSearchField() {
    m_w.edit->setFocus();
    if (m_w.list->currentRow() >= 0)
        m_w.edit->setText(m_w.list->currentText());
    m_w.edit->selectAll();
}

void BrowserController::quickSearch(const QString& text) {
    const TypeAhead::Found found = m_browser.list().QuickSearch(text, m_state.aliases.drinkNames());
    // The field says when the drink was found other than by the beginning of its name.
    m_w.edit->setToolTip(found.index >= 0 ? TypeAhead::matchNote(found, text) : QString());
    if (found.index >= 0) {
        m_filling = true; // typing selects without showing
        m_w.list->setCurrentRow(found.index);
        m_filling = false;
    }
}

void BrowserController::step(int delta) {
    const int row = m_w.list->currentRow();
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= m_w.list->count())
        return;
    m_w.list->setCurrentRow(target);
    if (delta > 0)
        m_w.edit->setFocus();
    selectionChanged();
}

void BrowserController::scrollTick() {
    // Only the arrow held now scrolls; a release stops the timer before the next tick.
    const ClientFrame::HotSpot held = m_w.frame->held();
    if (held == ClientFrame::HotSpot::None)
        return;
    RecipeDisplay& d = m_browser.display();
    const bool moved = held == ClientFrame::HotSpot::Down ? d.scrollDown() : d.scrollUp();
    if (moved)
        refreshView();
}

void BrowserController::relayout(const MainLayout& layout) {
    m_w.view->setGeometry(layout.text);
    m_w.photo->setGeometry(layout.photo);
    m_w.frame->setHotSpots(layout.scrollDown, layout.scrollUp);
    m_w.markPanel->setGeometry(layout.markPanel);
    m_browser.setWrap({&m_w.view->measurer(), layout.text.width(),
                       m_state.settings.options().get(OptionsRecord::InstructionsJustified) != 0});
    m_w.frame->setTitle(m_browser.display().name, m_w.view->font());
    refreshView();
}

void BrowserController::ShowMarkPicture() {
    m_w.mark->setVisible(m_w.list->count() > 0 && m_browser.shown().CurrentMarked());
}

void BrowserController::ToggleMark() {
    if (Meldungsfenster::refuses(m_browser.mayChange()) || m_browser.display().lastLine < 0)
        return;
    const bool marked = StoreGuard::run([this] { m_browser.ToggleMark(); });
    ShowMarkPicture();
    if (marked)
        m_sound->PlaySound(SoundKind::Noise, kMarkSound);
}

void BrowserController::MarkAllListed() {
    if (Meldungsfenster::refuses(m_browser.mayChange()))
        return;
    const int n = m_browser.list().ListedCount();
    if (RecipeMarks::markAllAsks(n) &&
        Meldungsfenster::show(Notice::question(RecipeMarks::markAllQuestion(n),
                                               RecipeMarks::kMarkAllQuestionLines)) != Meldungsfenster::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (StoreGuard::run([this] { m_browser.MarkAllListed(); })) {
        QApplication::restoreOverrideCursor();
        m_sound->PlaySound(SoundKind::Noise, kMarkSound);
    }
    ShowMarkPicture();
}

void BrowserController::ClearAllMarks() {
    if (Meldungsfenster::refuses(m_browser.mayChange()))
        return;
    if (Meldungsfenster::show(Notice::question(RecipeMarks::clearAllQuestion(),
                                               RecipeMarks::kClearAllQuestionLines)) != Meldungsfenster::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (StoreGuard::run([this] { m_browser.ClearAllMarks(); })) {
        QApplication::restoreOverrideCursor();
        m_sound->PlaySound(SoundKind::Noise, kMarkSound);
    }
    ShowMarkPicture();
}

void BrowserController::copyRecipeText() {
    copyText(false);
}

void BrowserController::copyRecipeTextWithNote() {
    copyText(true);
}

void BrowserController::copyText(bool withNote) {
    if (m_browser.display().lastLine < 0)
        return;
    // Line breaks as this platform's programs expect them.
    QString text = RecipeClipboard::recipeText(m_browser.display(), withNote);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QApplication::clipboard()->setText(text);
    Meldungsfenster::show(Notice::hint(RecipeClipboard::textCopied(), 1));
}

bool BrowserController::hasMissingIngredients() const {
    return m_browser.display().lastLine >= 0 &&
           !MissingIngredients::lines(m_browser.display(), m_state).isEmpty();
}

void BrowserController::copyMissingIngredients() {
    const QList<int> lines = MissingIngredients::lines(m_browser.display(), m_state);
    if (m_browser.display().lastLine >= 0 && !lines.isEmpty())
        ClipboardText::putAndConfirm(MissingIngredients::clipboardText(m_browser.display(), lines));
}

void BrowserController::copyPhoto() {
    QApplication::clipboard()->setPixmap(m_w.photo->pixmap());
    Meldungsfenster::show(Notice::hint(RecipeClipboard::photoCopied(), 1));
}

void BrowserController::handleClick(const RecipeHitTest::Click& click) {
    const RecipeDisplay& d = m_browser.display();
    switch (click.target) {
    case RecipeHitTest::Target::Category: {
        const int term = RecipeHitTest::categoryTerm(d.categoryName, m_terms);
        if (term < 0)
            Meldungsfenster::show(
                Notice::hint(RecipeHitTest::noCategoryInfoText(), RecipeHitTest::kNoCategoryInfoLines));
        else
            emit lexiconTermClicked(m_termEntries.at(term).data);
        break;
    }
    case RecipeHitTest::Target::LexiconTerm:
        emit lexiconTermClicked(m_termEntries.at(click.term).data);
        break;
    case RecipeHitTest::Target::Ingredient:
        emit ingredientClicked(click.ingredient);
        break;
    case RecipeHitTest::Target::Decoration:
        emit decorationClicked(d.decoration);
        break;
    case RecipeHitTest::Target::Alcohol:
        emit alcoholClicked();
        break;
    case RecipeHitTest::Target::Amount:
        emit amountClicked();
        break;
    case RecipeHitTest::Target::Word: {
        const RecipeHitTest::WordLookup found = RecipeHitTest::lookUpWord(
            click.word, LexiconTerms::fromEntries(m_state.catalogue.ingredients().zutatliste), m_terms);
        if (found.ingredientEntry >= 0)
            emit ingredientClicked(m_state.catalogue.ingredients().zutatliste.at(found.ingredientEntry).data);
        else if (found.term >= 0)
            emit lexiconTermClicked(m_termEntries.at(found.term).data);
        else
            Meldungsfenster::show(Notice::hint(RecipeHitTest::noInfoText(), RecipeHitTest::kNoInfoLines));
        break;
    }
    default:
        break;
    }
}
