#pragma once

#include <QSet>
#include <QString>

// Store-wide settings shared by every open table; exactly one exists per program.
class TApolloEnv {
public:
    static constexpr int kMemoBlockSize = 64;
    static constexpr int kLockTimeout = 1;
    static constexpr int kEpoch = 1900;
    static constexpr int kDateFormat = 99; // the system's own short date format

    // Throws StoreError("Removing extra TApolloEnv component") when one exists already.
    TApolloEnv();
    ~TApolloEnv();
    TApolloEnv(const TApolloEnv&) = delete;
    TApolloEnv& operator=(const TApolloEnv&) = delete;

    // On: deleted records are invisible to every read.
    void SetDeleted(bool hide) { m_hideDeleted = hide; }
    bool deletedHidden() const { return m_hideDeleted; }

    // The name's first 8 characters with "~", "-" and blanks turned into "_", suffixed "_1",
    // "_2", … while taken.
    QString acquireAlias(const QString& tableName);
    void releaseAlias(const QString& alias);

private:
    bool m_hideDeleted = false;
    QSet<QString> m_aliases;
};
