#include "assistants/CocktailSession.h"

#include "store/Fields.h"
#include "store/TApollo.h"

namespace {

QString intro() {
    return QStringLiteral("Velta Cocktails 98 - Cocktailassistent");
}

const std::array<CocktailSession::PageText, CocktailSession::kPages>& pages() {
    static const std::array<CocktailSession::PageText, CocktailSession::kPages> texts{{
        {QStringLiteral("Intro"),
         intro(),
         {QStringLiteral(
              "Der Cocktailassistent wird Ihnen auf den folgenden Seiten einige Fragen stellen und "
              "Ihnen auf diese Weise bei der Auswahl von Drinks helfen."),
          QStringLiteral("Klicken Sie auf 'Weiter', um zur ersten Frage zu gelangen.")},
         {},
         QStringLiteral("c1.bmp"),
         13},
        {QStringLiteral("Anlass"),
         QStringLiteral("Anlaß"),
         {QStringLiteral("Zu welchem Anlaß möchten Sie Drinks anbieten?")},
         {QStringLiteral("Karibische Nacht"), QStringLiteral("Dinner Party"),
          QStringLiteral("Abend zu zweit"), QStringLiteral("Gartenfest")},
         QStringLiteral("c2.bmp"),
         11},
        {QStringLiteral("Geschmack"),
         QStringLiteral("Geschmack"),
         {QStringLiteral("Welche Geschmacksrichtung bevorzugen Sie?")},
         {QStringLiteral("fruchtig"), QStringLiteral("süß"), QStringLiteral("herb"),
          QStringLiteral("extravagant")},
         QStringLiteral("c3.bmp"),
         14},
        {QStringLiteral("Alkohol"),
         QStringLiteral("Alkohol"),
         {QStringLiteral("Möchten Sie Drinks mit Alkohol oder ohne?")},
         {QStringLiteral("spielt keine Rolle"), QStringLiteral("alkoholfrei"),
          QStringLiteral("wenig Alkohol"), QStringLiteral("viel Alkohol")},
         QStringLiteral("c4.bmp"),
         10},
        {QStringLiteral("Menge"),
         QStringLiteral("Menge"),
         {QStringLiteral("Möchten Sie viel oder wenig trinken?")},
         {QStringLiteral("spielt keine Rolle"), QStringLiteral("kleiner Drink"),
          QStringLiteral("großer Drink")},
         QStringLiteral("c5.bmp"),
         18},
        {QStringLiteral("Ergebnis"),
         intro(),
         {QStringLiteral(
             "Klicken Sie nun auf 'Start', und der Cocktailassistent sucht nach passenden "
             "Drinks.\r\n\r\nDie Rezeptliste enthält dann die Vorschläge, die nach Ihren Wünschen "
             "zusammengestellt wurden.")},
         {},
         QStringLiteral("c1.bmp"),
         12},
    }};
    return texts;
}

} // namespace

const CocktailSession::PageText& CocktailSession::pageText(int page) {
    return pages()[size_t(qBound(0, page, kPages - 1))];
}

CocktailSession::Move CocktailSession::reached() {
    if (m_playedOut)
        return {};
    // The last page's sound is the last one until the dialog is shown again.
    m_playedOut = m_page == kStartPage;
    return {false, pageText(m_page).sound};
}

CocktailSession::Move CocktailSession::begin() {
    m_page = 0;
    m_playedOut = false;
    return reached();
}

CocktailSession::Move CocktailSession::forward() {
    if (m_page == kStartPage)
        return {true, 0};
    ++m_page;
    return reached();
}

CocktailSession::Move CocktailSession::back() {
    if (m_page == 0)
        return {};
    --m_page;
    return reached();
}

int CocktailSession::answer(int question) const {
    return question >= 0 && question < kQuestions ? m_answers[size_t(question)] : 0;
}

void CocktailSession::setAnswer(int question, int digit) {
    if (question >= 0 && question < kQuestions && digit >= 1 && digit <= answerCount(question))
        m_answers[size_t(question)] = digit;
}

QString CocktailSession::filterExpression() const {
    QString code;
    for (int digit : m_answers)
        code += QString::number(digit);
    return Fields::Recipe::AssistantCode + QStringLiteral(" = ") + code;
}

Result CocktailSession::start(const std::function<void()>& fillList) const {
    bool listed = false;
    try {
        if (m_recipes.Query(filterExpression()) > 0) {
            fillList();
            listed = true;
        }
    } catch (...) {
        m_recipes.Query(QString());
        throw;
    }
    m_recipes.Query(QString());
    return listed ? Result::ok() : Result::refused(noMatchNotice());
}
