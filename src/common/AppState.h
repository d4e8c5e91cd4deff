#pragma once

#include "common/Aliases.h"
#include "common/Catalogue.h"
#include "common/IngredientMarks.h"
#include "common/MyDrinks.h"
#include "common/ProgramSettings.h"
#include "common/RunFlags.h"
#include "common/StartupFolders.h"
#include "common/Switches.h"
#include "store/FolderLookup.h"
#include "store/SavedSearchTexts.h"
#include "store/SavedSearches.h"

#include <QStringList>

// What the windows share for the whole run, as services: the folders and start-up switches, the run
// flags, the user's settings, the catalogue of lists and the saved searches. Owned by the application;
// windows that only show something take the parts they read as const.
class TApollo;

struct AppState {
    AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    StartupFolders folders;
    Switches switches;
    RunFlags run;
    ProgramSettings settings;
    Catalogue catalogue;
    SavedSearches savedSearches;
    SavedSearchTexts savedSearchTexts; // the full text of each saved search
    Aliases aliases;                   // other names of drinks and ingredients (ALIAS.TXT)
    IngredientMarks marks;             // what the search's "ohne" criteria leave out (MERKMALE.TXT)
    MyDrinks myDrinks;                 // the user's stars, notes and journal (MEINE.TXT)
    // Permitted purchases of the search dialog's home bar rule, for the run.
    int searchPurchases = 0;

    // What counts as at hand for a bar under the current settings.
    BarCoverage barCoverage() const { return settings.coverage(catalogue.ingredients().homeBars); }
    // Reads HAUSBAR.CFG and the substitutes file and resolves the substitutes.
    void loadBarRules();
    // Reads the other names of drinks and ingredients beside the tables.
    void loadAliases() { aliases = Aliases::ofFolder(folders.dataFolder); }
    // Reads the ingredient marks beside the tables.
    void loadMarks() { marks = IngredientMarks::ofFolder(folders.dataFolder); }
    // What a tool needs for the home bar rules, read as the program reads it at start: the folder,
    // the ingredient choices, HAUSBAR.CFG and the substitutes.
    void loadForBars(const QString& dataFolder, TApollo& ingredients);
    // Takes the new home bar settings and writes HAUSBAR.CFG (see ProgramSettings::saveBar).
    Result saveBarSettings(const BarSettings& changed) {
        return settings.saveBar(changed, barSettingsPath(), run);
    }

    // The CD probe, the photo availability and the read-only state, from the files as they are.
    void probeMedium();
    // Options forced on a display of 256 colours or fewer.
    void applyLowColourOverrides();
    // The settings files beside the tables, found whatever the case of their names.
    QString optionsPath() const {
        return FolderLookup::find(folders.dataFolder, QStringLiteral("OPTION.CFG"));
    }
    QString listsPath() const { return FolderLookup::find(folders.dataFolder, QStringLiteral("VE.DAT")); }
    QString savedSearchesPath() const {
        return FolderLookup::find(folders.dataFolder, QStringLiteral("SUCHEN.CFG"));
    }
    QString barSettingsPath() const {
        return FolderLookup::find(folders.dataFolder, BarSettings::fileName());
    }
    QString displayUnitPath() const {
        return FolderLookup::find(folders.dataFolder, DisplayUnit::fileName());
    }
    QString substitutesPath() const {
        return FolderLookup::find(folders.dataFolder, SubstituteFile::fileName());
    }
    QString savedSearchTextsPath() const {
        return FolderLookup::find(folders.dataFolder, SavedSearchTexts::fileName());
    }
    static bool sameFileSystem(const QString& a, const QString& b);
};
