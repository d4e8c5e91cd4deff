#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away data folder, optionally filled from a fixture folder under tests/data/.
class TempDataFolder {
public:
    explicit TempDataFolder(const QString& fixture = {});
    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    static QString fixturePath(const QString& fixture);
    static bool copyFolder(const QString& from, const QString& to);
    // The same, with every copied file made writable (the shipped image's files are read-only).
    static bool copyWritable(const QString& from, const QString& to);

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};
