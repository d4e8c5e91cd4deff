#pragma once

#include "ui/Meldungsfenster.h"

#include <QList>

// While alive, answers every message box of the program instead of showing it: with the queued
// answers in order, then with the default answer (OK, or no for a yes/no question).
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    void queue(int answer) { m_answers.append(answer); }
    const QList<Meldungsfenster::Request>& shown() const { return m_shown; }
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }

private:
    QList<int> m_answers;
    QList<Meldungsfenster::Request> m_shown;
    Meldungsfenster::AnswerHook m_previous;
};
