#pragma once

#include "common/BarCoverage.h"
#include "common/BarSettings.h"
#include "common/IngredientChoices.h"
#include "common/ListEntry.h"
#include "common/Result.h"
#include "common/StartupFolders.h"
#include "common/SubstituteFile.h"
#include "common/Substitutes.h"
#include "common/Switches.h"
#include "store/FolderLookup.h"
#include "store/OptionsRecord.h"
#include "store/SavedSearchTexts.h"
#include "store/SavedSearches.h"

#include <QRect>
#include <QStringList>

// What the windows share for the whole run: folders, start-up flags, the options record, the
// category and taste lists, the saved searches and the main window's bounds. Owned by the
// application and handed to the windows that need it.
struct AppState {
    StartupFolders folders;
    Switches switches;
    int colourDepth = 24;
    bool cdPresent = false;
    bool photosUnavailable = false;
    bool startedFromCd = false;
    bool mainShown = false;
    bool previewOpen = false;
    bool midiAvailable = false;
    bool waveAvailable = false;
    QRect mainBounds;
    OptionsRecord options;
    QStringList categoryList;
    QStringList tasteList;
    SavedSearches savedSearches;
    SavedSearchTexts savedSearchTexts; // the full text of each saved search
    int recipeTotal = 0;
    // The master ingredient list `zutatliste`, the home bar table and lists (refreshed together).
    IngredientChoices ingredientChoices;
    // Every decoration's name with its record number, in table order (refreshed as kind 4).
    QList<ListEntry> decorations;
    // Permitted purchases of the search dialog's home bar rule.
    int searchPurchases = 0;
    // The home bar's switches and basics (HAUSBAR.CFG) and the substitutes file as read, resolved
    // against the ingredient names whenever those are read again.
    BarSettings barSettings;
    SubstituteFile substituteFile;
    Substitutes substitutes;

    // What counts as at hand for a bar under the current settings.
    BarCoverage barCoverage() const { return {ingredientChoices.homeBars, substitutes, barSettings}; }
    // Reads HAUSBAR.CFG and the substitutes file and resolves the substitutes.
    void loadBarRules();
    // Takes the new settings and writes HAUSBAR.CFG; refused while read-only, and with an error when
    // the file cannot be written (the settings in use stay as they were then).
    Result saveBarSettings(const BarSettings& changed);
    void resolveSubstitutes() {
        substitutes = Substitutes::resolve(substituteFile, ingredientChoices.zutatliste);
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
    QString substitutesPath() const {
        return FolderLookup::find(folders.dataFolder, SubstituteFile::fileName());
    }
    QString savedSearchTextsPath() const {
        return FolderLookup::find(folders.dataFolder, SavedSearchTexts::fileName());
    }
    static bool sameFileSystem(const QString& a, const QString& b);
};
