#pragma once

#include "reference/LexiconPicture.h"

#include <optional>

class TApollo;

// One bar term or one decoration as the lexicon shows it: heading, text and picture file.
struct LexiconArticle {
    QString heading;
    QString text;    // the record's `TEXT`, empty when the memo is empty
    QString picture; // the picture file, empty when there is none to show
    LexiconPicture::Kind kind = LexiconPicture::Kind::Term;

    struct Folders {
        QString pictures;
        QString data;
    };
    // The record of the lexicon table (`BA`, a term) or of the decoration table (`DE`) with that
    // record number; empty for a number outside the table or a deleted record.
    static std::optional<LexiconArticle> read(TApollo& table, int recNo, LexiconPicture::Kind kind,
                                              const Folders& folders);

    // "Zwischenablage": heading, an empty line, the text.
    QString clipboardText() const;
    // The caption of the lexicon info window.
    QString caption() const;
};
