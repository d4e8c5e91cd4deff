#pragma once

#include <QList>
#include <QPair>
#include <QString>

// A data file of numbered blocks: "[12]" opens a record, "Key: value" lines fill it, lines
// starting with two blanks continue the previous value, "#" starts a comment.
class BlockFile {
public:
    struct Block {
        int number = 0;
        int line = 0;
        QList<QPair<QString, QString>> fields;
        QString value(const QString& key) const;
        QStringList values(const QString& key) const;
        bool has(const QString& key) const;
    };

    // Throws DataError naming the file and line on a malformed line.
    static QList<Block> read(const QString& path);
    static QList<Block> parse(const QString& text, const QString& fileName);
};
