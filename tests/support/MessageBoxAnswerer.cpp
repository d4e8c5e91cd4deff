#include "MessageBoxAnswerer.h"

MessageBoxAnswerer::MessageBoxAnswerer() {
    m_previous = Meldungsfenster::setAnswerHook([this](const Meldungsfenster::Request& request) {
        m_shown.append(request);
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return request.yesNo ? int(Meldungsfenster::No) : int(Meldungsfenster::Ok);
    });
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    Meldungsfenster::setAnswerHook(m_previous);
}
