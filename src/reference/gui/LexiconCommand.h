#pragma once

#include "reference/LexiconSession.h"
#include "reference/gui/TLexikonDialog.h"
#include "ui/DialogServices.h"

// "Bar&lexikon": the three pages of terms, ingredients and decorations; changes nothing stored.
class LexiconCommand {
public:
    explicit LexiconCommand(const DialogServices& services);

    void run();

    LexiconSession session;
    TLexikonDialog dialog;
};
