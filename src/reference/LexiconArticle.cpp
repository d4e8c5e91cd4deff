#include "reference/LexiconArticle.h"

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
    a.heading = table.GetTrimString(QStringLiteral("NAME"));
    if (!table.IsEmpty(QStringLiteral("TEXT")))
        a.text = table.GetMemo(QStringLiteral("TEXT"));
    a.picture = LexiconPicture::file(table.GetPaddedString(QStringLiteral("BILD")), kind, folders.pictures,
                                     folders.data);
    return a;
}

QString LexiconArticle::clipboardText() const {
    return heading + QStringLiteral("\r\n\r\n") + text;
}

QString LexiconArticle::caption() const {
    return kind == LexiconPicture::Kind::Term ? QStringLiteral("Barlexikon") : QStringLiteral("Dekoration");
}
