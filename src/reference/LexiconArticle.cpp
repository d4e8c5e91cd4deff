#include "reference/LexiconArticle.h"

#include "store/Fields.h"
#include "store/TApollo.h"

std::optional<LexiconArticle> LexiconArticle::read(TApollo& table, int recNo, LexiconPicture::Kind kind,
                                                   const Folders& folders) {
    if (recNo < 1 || recNo > table.RecCount())
        return std::nullopt;
    table.Go(recNo);
    if (table.Eof() || table.IsDeleted())
        return std::nullopt;
    LexiconArticle a;
    a.kind = kind;
    a.heading = table.GetTrimString(Fields::Term::Name);
    if (!table.IsEmpty(Fields::Term::Text))
        a.text = table.GetMemo(Fields::Term::Text);
    a.picture = LexiconPicture::file(table.GetPaddedString(Fields::Term::Picture), kind, folders.pictures,
                                     folders.data);
    return a;
}

QString LexiconArticle::clipboardText() const {
    return heading + QStringLiteral("\r\n\r\n") + text;
}

QString LexiconArticle::caption() const {
    return kind == LexiconPicture::Kind::Term ? QStringLiteral("Barlexikon") : QStringLiteral("Dekoration");
}
