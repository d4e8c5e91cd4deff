#include "store/TApolloEnv.h"

#include "store/StoreError.h"

namespace {
bool& envExists() {
    static bool exists = false;
    return exists;
}
} // namespace

TApolloEnv::TApolloEnv() {
    if (envExists())
        throw StoreError(QStringLiteral("Removing extra TApolloEnv component"));
    envExists() = true;
}

TApolloEnv::~TApolloEnv() {
    envExists() = false;
}

QString TApolloEnv::acquireAlias(const QString& tableName) {
    QString base = tableName.left(8);
    for (QChar& c : base) {
        if (c == QLatin1Char('~') || c == QLatin1Char('-') || c == QLatin1Char(' '))
            c = QLatin1Char('_');
    }
    QString alias = base;
    for (int n = 1; m_aliases.contains(alias.toUpper()); ++n)
        alias = base + QStringLiteral("_") + QString::number(n);
    m_aliases.insert(alias.toUpper());
    return alias;
}

void TApolloEnv::releaseAlias(const QString& alias) {
    m_aliases.remove(alias.toUpper());
}
