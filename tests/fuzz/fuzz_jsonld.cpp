// Feeds arbitrary bytes to the JSON-LD recipe reader as a downloaded file would reach it: every
// recipe either reads or is refused with a message (never a crash), and a recipe that reads is
// written and read back unchanged, so an exported file always imports as it was.
#include "exchange/JsonLdError.h"
#include "exchange/JsonLdRecipe.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &error);
    if (error.error != QJsonParseError::NoError)
        return 0;
    const QJsonArray items = document.isArray() ? document.array() : QJsonArray{document.object()};
    for (qsizetype i = 0; i < items.size() && i < 50; ++i) {
        ExchangeRecipe recipe;
        try {
            recipe = JsonLdRecipe::fromJson(items.at(i), int(i + 1));
        } catch (const JsonLdError& refused) {
            if (refused.text().isEmpty())
                abort(); // a refusal must say why
            continue;
        }
        try {
            if (JsonLdRecipe::fromJson(JsonLdRecipe::toJson(recipe), 1) != recipe)
                abort(); // our own export of it reads back differently
        } catch (const JsonLdError&) {
            abort(); // our own export of a recipe we read is refused
        }
    }
    return 0;
}
