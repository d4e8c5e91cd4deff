#include "assistants/gui/TAssiDialog.h"

#include "assistants/gui/PageLabel.h"
#include "common/AppState.h"
#include "ui/SoundPlayer.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

constexpr int kPageLeft = 184;
constexpr int kPageTop = 36;
constexpr int kPageWidth = 336;
constexpr int kPageHeight = 250;

} // namespace

TAssiDialog::TAssiDialog(UiContext context, CocktailSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_assistant(session) {
    setCaption(QStringLiteral("Cocktailassistent"));
    setHelpContext(CocktailSession::kHelpContext);
    setFixedSize(572, 340);
    Bild = new QLabel(this);
    Bild->setGeometry(20, kPageTop, 150, 250);
    Bild->setFrameShape(QFrame::Panel);
    Bild->setFrameShadow(QFrame::Sunken);
    note = new QStackedWidget(this);
    note->setGeometry(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    for (int page = 0; page < CocktailSession::kPages; ++page)
        note->addWidget(buildPage(page));
    buildButtons();
}

QWidget* TAssiDialog::buildPage(int index) {
    const CocktailSession::PageText& text = CocktailSession::pageText(index);
    auto* page = new QWidget;
    page->setObjectName(text.title);
    pageLabel(text.heading, page, {0, 0, kPageWidth, 20}, true);
    int top = 30;
    for (const QString& paragraph : text.texts) {
        const int height = paragraph.size() > 90 ? 96 : paragraph.size() > 45 ? 48 : 24;
        pageLabel(paragraph, page, {0, top, kPageWidth, height});
        top += height + 8;
    }
    if (text.answers.isEmpty())
        return page;
    const int question = index - 1;
    m_groups[question] = new QButtonGroup(page);
    const char letter = char('a' + question);
    for (int i = 0; i < int(text.answers.size()); ++i) {
        auto* button = new QRadioButton(text.answers.at(i), page);
        button->setObjectName(QStringLiteral("%1%2").arg(QLatin1Char(letter)).arg(i + 1));
        // As wide as its text: a click beside the text chooses nothing.
        button->setGeometry(16, top + 6 + i * 28, qMin(button->sizeHint().width(), kPageWidth - 16), 24);
        m_groups[question]->addButton(button, i + 1);
        answerButtons[question][i] = button;
    }
    connect(m_groups[question], &QButtonGroup::idClicked, this,
            [this, question](int digit) { m_assistant.setAnswer(question, digit); });
    return page;
}

void TAssiDialog::buildButtons() {
    const auto button = [this](const QString& text, int x) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(x, 298, 104, 25);
        return b;
    };
    zurueckbutton = button(QStringLiteral("<<< &Zurück"), kPageLeft);
    weiterbutton = button(CocktailSession::forwardCaption(), kPageLeft + 112);
    OkButton = button(QStringLiteral("Abbrechen"), kPageLeft + 224);
    weiterbutton->setDefault(true);
    connect(weiterbutton, &QPushButton::clicked, this, &TAssiDialog::weiterbuttonClick);
    connect(zurueckbutton, &QPushButton::clicked, this, &TAssiDialog::zurueckbuttonClick);
    connect(OkButton, &QPushButton::clicked, this, &TAssiDialog::reject);
}

void TAssiDialog::syncAnswers() {
    for (int q = 0; q < CocktailSession::kQuestions; ++q) {
        if (QAbstractButton* b = m_groups[q]->button(m_assistant.answer(q)))
            b->setChecked(true);
    }
}

void TAssiDialog::showEvent(QShowEvent* event) {
    for (int page = 0; page < CocktailSession::kPages; ++page)
        m_pictures[page] =
            QPixmap(m_context.state.folders.dataFolder + CocktailSession::pageText(page).picture);
    TOwnFenster::showEvent(event);
    syncAnswers();
    const CocktailSession::Move move = m_assistant.begin();
    weiterbutton->setFocus();
    pageChanged(move);
}

void TAssiDialog::hideEvent(QHideEvent* event) {
    Bild->clear();
    for (QPixmap& picture : m_pictures)
        picture = QPixmap();
    TOwnFenster::hideEvent(event);
}

void TAssiDialog::playSound(CocktailSession::SoundKind kind, int number) {
    m_context.sound->PlaySound(kind == CocktailSession::Noise ? SoundKind::Noise : SoundKind::Speech, number);
}

void TAssiDialog::pageChanged(const CocktailSession::Move& move) {
    note->setCurrentIndex(m_assistant.page());
    Bild->setPixmap(m_pictures[m_assistant.page()]);
    weiterbutton->setText(m_assistant.forwardButtonCaption());
    zurueckbutton->setEnabled(m_assistant.backEnabled());
    if (move.sound == 0)
        return;
    repaint();
    playSound(CocktailSession::Speech, move.sound);
}

void TAssiDialog::weiterbuttonClick() {
    const CocktailSession::Move move = m_assistant.forward();
    if (move.start) {
        accept();
        return;
    }
    pageChanged(move);
}

void TAssiDialog::zurueckbuttonClick() {
    pageChanged(m_assistant.back());
}
