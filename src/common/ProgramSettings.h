#pragma once

#include "common/BarCoverage.h"
#include "common/BarSettings.h"
#include "common/DisplayUnit.h"
#include "common/ListEntry.h"
#include "common/Result.h"
#include "common/RunFlags.h"
#include "common/SubstituteFile.h"
#include "common/Substitutes.h"
#include "store/OptionsRecord.h"

// The user's settings for the run: the options record, the home bar's switches and basics and the
// substitutes. The substitutes are only reachable through `coverage`, so every mixable test counts
// them the same way.
class ProgramSettings {
public:
    const OptionsRecord& options() const { return m_options; }
    // The few places that change an option (the options dialog, the search's bar, start-up).
    OptionsRecord& changeOptions() { return m_options; }

    const BarSettings& bar() const { return m_bar; }
    // Takes the home bar's settings without writing them (start-up, tools).
    void useBar(const BarSettings& bar) { m_bar = bar; }
    // Changes them in memory only (what a tool or test assumes).
    BarSettings& changeBar() { return m_bar; }
    // Takes the new settings and writes them to `path`; refused while read-only, and with an error
    // when the file cannot be written (the settings in use stay as they were then).
    Result saveBar(const BarSettings& changed, const QString& path, const RunFlags& run);

    // The unit amounts in cl are shown in.
    DisplayUnit::Kind shownUnit() const { return m_shownUnit; }
    // Takes it without writing it (start-up, tools).
    void useShownUnit(DisplayUnit::Kind unit) { m_shownUnit = unit; }
    // Takes a new unit and writes it to `path`; read-only, it holds for the run like the other options.
    // When the file cannot be written, the error says why and the unit in use stays as it was.
    Result saveShownUnit(DisplayUnit::Kind unit, const QString& path, const RunFlags& run);

    const SubstituteFile& substituteFile() const { return m_substituteFile; }
    // Takes the substitutes file and resolves it against the ingredient names.
    void useSubstitutes(const SubstituteFile& file, const QList<ListEntry>& ingredients);
    // The ingredient names changed: the file's names are looked up again.
    void resolveSubstitutes(const QList<ListEntry>& ingredients);

    // What counts as at hand for the bars under the current settings.
    BarCoverage coverage(const HomeBarTable& bars) const { return {bars, m_substitutes, m_bar}; }

private:
    OptionsRecord m_options;
    BarSettings m_bar;
    DisplayUnit::Kind m_shownUnit = DisplayUnit::Cl;
    SubstituteFile m_substituteFile;
    Substitutes m_substitutes;
};
