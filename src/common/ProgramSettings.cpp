#include "common/ProgramSettings.h"

#include "store/AtomicFile.h"

#include <QDir>

Result ProgramSettings::saveBar(const BarSettings& changed, const QString& path, const RunFlags& run) {
    if (const Result may = run.mayWrite(); !may)
        return may;
    if (changed == m_bar)
        return Result::ok();
    if (!changed.save(path))
        return Result::refused(Notice::error(
            QStringLiteral("Die Einstellungen der Hausbar konnten nicht in „%1“ geschrieben werden.")
                .arg(QDir::toNativeSeparators(path)),
            2));
    m_bar = changed;
    return Result::ok();
}

Result ProgramSettings::saveShownUnit(DisplayUnit::Kind unit, const QString& path, const RunFlags& run) {
    if (unit == m_shownUnit)
        return Result::ok();
    QString reason;
    if (run.mayWrite() && !DisplayUnit::save(path, unit, &reason))
        return Result::refused(Notice::error(AtomicFile::failureText(path, reason), 3));
    m_shownUnit = unit;
    return Result::ok();
}

void ProgramSettings::useSubstitutes(const SubstituteFile& file, const QList<ListEntry>& ingredients) {
    m_substituteFile = file;
    resolveSubstitutes(ingredients);
}

void ProgramSettings::resolveSubstitutes(const QList<ListEntry>& ingredients) {
    m_substitutes = Substitutes::resolve(m_substituteFile, ingredients);
}
