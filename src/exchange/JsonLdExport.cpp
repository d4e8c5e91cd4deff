#include "exchange/JsonLdExport.h"

#include "common/RecipeBook.h"
#include "exchange/JsonLdRecipe.h"
#include "store/AtomicFile.h"
#include "store/PhotoPath.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace {

QString listName(const QStringList& list, qint64 number) {
    return number >= 1 && number <= list.size() ? list.at(int(number - 1)).trimmed() : QString();
}

QString decorationName(const QList<ListEntry>& decorations, qint64 recNo) {
    for (const ListEntry& entry : decorations)
        if (recNo != 0 && entry.data == recNo)
            return entry.text.trimmed();
    return {};
}

// The photo file behind our name of it; empty when it is not there.
QString photoFile(const QString& photo, const JsonLdExport::Pictures& pictures) {
    if (photo.startsWith(QStringLiteral("BILDER/")))
        return pictures.collectionFolder.isEmpty()
                   ? QString()
                   : PhotoPath::resolve(pictures.collectionFolder, photo.mid(7));
    if (photo.startsWith(QStringLiteral("EIGENE/")))
        return pictures.ownFolder.isEmpty() ? QString()
                                            : PhotoPath::resolve(pictures.ownFolder, photo.mid(7));
    return {};
}

// "BILDER/12/1234.BMP" -> "1234.png", "EIGENE/MEIN_1.BMP" -> "eigen-MEIN_1.png": one file per photo,
// shared by the recipes that show it.
QString pngName(const QString& photo) {
    const QString base = QFileInfo(photo).completeBaseName();
    return (photo.startsWith(QStringLiteral("EIGENE/")) ? QStringLiteral("eigen-") + base : base) +
           QStringLiteral(".png");
}

QByteArray png(const QString& file) {
    const QImage image(file);
    if (image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG", 80) ? bytes : QByteArray();
}

// Puts each recipe's picture where the file can point to it and sets the address.
class PictureWriter {
public:
    PictureWriter(const QString& jsonPath, const JsonLdExport::Pictures& pictures)
        : m_pictures(pictures), m_folderName(JsonLdExport::picturesFolderName(jsonPath)),
          m_folder(QFileInfo(jsonPath).dir().filePath(m_folderName)) {}

    // False when a picture could not be written; `failure` says which and why.
    bool place(ExchangeRecipe& recipe, QString* failure) {
        const QString file = photoFile(recipe.photo, m_pictures);
        if (file.isEmpty())
            return true;
        const QString name = pngName(recipe.photo);
        if (m_pictures.embedded) {
            if (!m_embedded.contains(name))
                m_embedded.insert(name, png(file).toBase64());
            if (!m_embedded.value(name).isEmpty())
                recipe.image =
                    QStringLiteral("data:image/png;base64,") + QString::fromLatin1(m_embedded.value(name));
            return true;
        }
        if (!m_written.contains(name)) {
            const QByteArray bytes = png(file);
            if (bytes.isEmpty()) {
                m_written.insert(name, false); // a photo that does not read stays out
            } else {
                QDir().mkpath(m_folder);
                const QString target = QDir(m_folder).filePath(name);
                QString reason;
                if (!AtomicFile::write(target, bytes, &reason)) {
                    if (failure)
                        *failure = AtomicFile::failureText(target, reason);
                    return false;
                }
                m_written.insert(name, true);
            }
        }
        if (m_written.value(name))
            recipe.image =
                QString::fromLatin1(QUrl::toPercentEncoding(m_folderName)) + QLatin1Char('/') + name;
        return true;
    }

private:
    const JsonLdExport::Pictures& m_pictures;
    QString m_folderName;
    QString m_folder;
    QHash<QString, bool> m_written;
    QHash<QString, QByteArray> m_embedded;
};

} // namespace

QString JsonLdExport::photoName(const QString& bild, const QString& eigen) {
    if (!eigen.trimmed().isEmpty())
        return QStringLiteral("EIGENE/") + eigen.trimmed() + QStringLiteral(".BMP");
    const QString collection = PhotoPath::collectionPath(bild);
    return collection.isEmpty() ? QString() : QStringLiteral("BILDER/") + collection;
}

QString JsonLdExport::picturesFolderName(const QString& path) {
    return QFileInfo(path).completeBaseName() + QStringLiteral("-Bilder");
}

ExchangeRecipe JsonLdExport::read(TApollo& recipes, TApollo& ingredients, const ExchangeLists& lists,
                                  int recNo) {
    const RecipeRecord stored = RecipeBook(recipes, ingredients).read(recNo);
    ExchangeRecipe recipe;
    recipe.name = stored.name.trimmed();
    for (const RecipeRecord::Line& line : stored.lines) {
        const IngredientRecord& ingredient = line.ingredient;
        if (!ingredient.found)
            continue;
        recipe.lines.append({ingredient.unit == UnitKind::None ? 0.0 : double(line.amount),
                             Measure::fromKind(ingredient.unit),
                             ingredient.name.trimmed(),
                             {}});
    }
    if (const QString category = listName(lists.categories, stored.category); !category.isEmpty())
        recipe.categories << category;
    recipe.taste = listName(lists.tastes, stored.taste);
    recipe.decoration = decorationName(lists.decorations, stored.decoration);
    RecipeMemo::split(stored.memo, &recipe.instructions, &recipe.remark);
    recipe.photo = photoName(stored.picture, stored.ownPhoto);
    recipe.assistantCode = stored.assistantCode;
    recipe.alcohol = stored.alcohol;
    recipe.volume = stored.clTotal();
    return recipe;
}

QList<int> JsonLdExport::allRecNos(TApollo& recipes) {
    QList<int> recNos;
    for (int recNo = 1; recNo <= recipes.RecCount(); ++recNo) {
        recipes.Go(recNo);
        if (!recipes.IsDeleted())
            recNos << recNo;
    }
    return recNos;
}

QByteArray JsonLdExport::document(const QList<ExchangeRecipe>& recipes) {
    QJsonArray array;
    for (const ExchangeRecipe& recipe : recipes)
        array << JsonLdRecipe::toJson(recipe);
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

bool JsonLdExport::write(const QString& path, TApollo& recipes, TApollo& ingredients,
                         const ExchangeLists& lists, const QList<int>& recNos, const Pictures& pictures,
                         QString* failure, const Progress& progress) {
    PictureWriter writer(path, pictures);
    QList<ExchangeRecipe> list;
    for (const int recNo : recNos) {
        list << read(recipes, ingredients, lists, recNo);
        if (!writer.place(list.last(), failure))
            return false;
        if (progress)
            progress(int(list.size()), int(recNos.size()));
    }
    QString reason;
    if (AtomicFile::write(path, document(list), &reason))
        return true;
    if (failure)
        *failure = AtomicFile::failureText(path, reason);
    return false;
}
