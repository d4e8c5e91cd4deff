#pragma once

#include <QStringList>

class TApolloEnv;

// Checks a data folder the way the program relies on it: the four tables open and read completely,
// their fields are there, every recipe points only at existing ingredients, categories, tastes and
// decorations, and the settings files have their sizes. Returns one German line per problem.
class StoreChecker {
public:
    static QStringList check(const QString& folder, TApolloEnv& env);
    // The same for the files a backup holds (all but the lexicon table).
    static QStringList checkBackupSet(const QString& folder, TApolloEnv& env);
};
