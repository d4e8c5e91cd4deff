#pragma once

#include "reference/gui/TLexinfodialog.h"
#include "ui/DialogServices.h"

class TApollo;

// The lexicon info window as the recipe view opens it: one bar term or one decoration.
class LexiconInfoCommand {
public:
    explicit LexiconInfoCommand(const DialogServices& services);

    // The term with that record number of the lexicon table; nothing when there is none.
    void showTerm(int recNo);
    // The decoration with that record number; nothing when there is none.
    void showDecoration(int recNo);

    TLexinfodialog dialog;

private:
    void show(TApollo& table, int recNo, LexiconPicture::Kind kind);

    AppState& m_state;
    TApollo& m_terms;
    TApollo& m_decorations;
};
