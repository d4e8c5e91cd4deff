#pragma once

#include <QStringList>

// VE.DAT: the category and taste names. A header line, the categories, the marker line, the
// tastes; Windows-1252 with CR LF.
class ListsFile {
public:
    static constexpr int kMaxEntry = 255;
    static QString headerLine();
    static QString markerLine();

    // Appends to the two lists; stops silently where the file cannot be read.
    static void load(const QString& path, QStringList* categories, QStringList* tastes);
    static void parse(const QByteArray& bytes, QStringList* categories, QStringList* tastes);
    static QByteArray serialize(const QStringList& categories, const QStringList& tastes);
    // Replaces the file atomically; false when it could not be written.
    static bool save(const QString& path, const QStringList& categories, const QStringList& tastes,
                     QString* reason = nullptr);
};
