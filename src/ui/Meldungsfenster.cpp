#include "ui/Meldungsfenster.h"

#include "ui/TMeldungDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {
Meldungsfenster::AnswerHook& answerHook() {
    static Meldungsfenster::AnswerHook hook;
    return hook;
}
TMeldungDialog*& dialog() {
    static TMeldungDialog* d = nullptr;
    return d;
}
} // namespace

void Meldungsfenster::setDialog(TMeldungDialog* d) {
    dialog() = d;
}

void Meldungsfenster::showPlain(const QString& text, const QString& caption, Plain kind) {
    if (answerHook()) {
        answerHook()({text, caption, 1, false, true});
        return;
    }
    if (kind == Plain::Information)
        QMessageBox::information(nullptr, caption, text);
    else
        QMessageBox::critical(nullptr, caption, text);
}

Meldungsfenster::AnswerHook Meldungsfenster::setAnswerHook(AnswerHook hook) {
    return std::exchange(answerHook(), std::move(hook));
}

int Meldungsfenster::show(const Notice& notice) {
    const QString& text = notice.text;
    const QString caption = notice.captionText();
    const int lines = notice.lines;
    const bool yesNo = notice.isQuestion();
    if (answerHook())
        return answerHook()({text, caption, lines, yesNo, false});
    if (dialog())
        return dialog()->ask(text, caption, lines, yesNo);
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    QString shown = text;
    box.setText(shown.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (!yesNo) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Yes : No;
}

bool Meldungsfenster::refuses(const Result& result) {
    if (result)
        return false;
    show(result.notice());
    return true;
}
