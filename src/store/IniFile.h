#pragma once

#include <QList>
#include <QString>

// A Windows-style INI file as the installer writes and the start-up reads it: sections and keys
// compared without regard to case, values taken raw (backslashes and all), ';' comments, CR LF,
// Windows-1252 text.
class IniFile {
public:
    bool load(const QString& path);
    void parse(const QByteArray& bytes);
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    bool contains(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    void remove(const QString& section, const QString& key);
    QByteArray toBytes() const;
    // Replaces the file atomically; false when it could not be written.
    bool save(const QString& path, QString* reason = nullptr) const;

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    Entry* find(const QString& section, const QString& key);
    const Entry* find(const QString& section, const QString& key) const;
    QList<Section> m_sections;
};
