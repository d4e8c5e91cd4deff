#include "options/OptionsSession.h"

#include "common/AppState.h"
#include "options/OptionsBinding.h"
#include "store/Cp1252.h"
#include "ui/FontSizeRule.h"

namespace {

constexpr quint8 kDefaultDash = 12;

bool lowColour(const AppState& state) {
    return state.run.colourDepth < 16;
}

// Controls a display below 16-bit colour cannot show properly.
bool needsHighColour(const QString& control) {
    static const QStringList controls = {
        QStringLiteral("H1"),      QStringLiteral("H2"),  QStringLiteral("H3"),
        QStringLiteral("H4"),      QStringLiteral("H5"),  QStringLiteral("H6"),
        QStringLiteral("B1Radio"), QStringLiteral("hi1"), QStringLiteral("CheckSlow")};
    return controls.contains(control);
}

} // namespace

OptionsSession::OptionsSession(AppState& state) : m_state(state) {}

const QStringList& OptionsSession::sizes() {
    static const QStringList list = {QStringLiteral("6"),  QStringLiteral("8"),  QStringLiteral("10"),
                                     QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("14"),
                                     QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"),
                                     QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("30"),
                                     QStringLiteral("34")};
    return list;
}

void OptionsSession::setFontNames(const QStringList& names) {
    m_fonts.clear();
    for (const QString& name : names) {
        // A name the options file would store mangled could never be found again.
        if (!name.isEmpty() && Cp1252::canEncode(name) && !m_fonts.contains(name))
            m_fonts.append(name);
    }
    std::sort(m_fonts.begin(), m_fonts.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

void OptionsSession::begin() {
    m_ready = false;
    m_edit = m_state.settings.options();
    m_unit = m_state.settings.shownUnit();
    m_dash = QString::number(m_edit.get(OptionsRecord::DashesPerCl));
    m_font = m_fonts.contains(m_edit.fontName()) ? m_edit.fontName() : QString();
    m_size = QString::number(m_edit.get(OptionsRecord::FontSize));
}

std::optional<DisplayUnit::Kind> OptionsSession::unitOf(const QString& control) {
    if (control == QStringLiteral("UnitCl"))
        return DisplayUnit::Cl;
    if (control == QStringLiteral("UnitMl"))
        return DisplayUnit::Ml;
    if (control == QStringLiteral("UnitOz"))
        return DisplayUnit::Oz;
    return std::nullopt;
}

bool OptionsSession::isChecked(const QString& control) const {
    if (const std::optional<DisplayUnit::Kind> unit = unitOf(control))
        return *unit == m_unit;
    const OptionsBinding* b = OptionsBinding::find(control);
    return b && b->shows(m_edit);
}

void OptionsSession::setChecked(const QString& control, bool on) {
    if (const std::optional<DisplayUnit::Kind> unit = unitOf(control)) {
        if (on)
            m_unit = *unit;
        return;
    }
    const OptionsBinding* b = OptionsBinding::find(control);
    if (!b)
        return;
    if (b->kind == OptionsBinding::Kind::Check)
        m_edit.set(b->field, on ? b->value : b->otherValue);
    else if (on)
        m_edit.set(b->field, b->value);
}

bool OptionsSession::isEnabled(const QString& control) const {
    if (lowColour(m_state) && needsHighColour(control))
        return false;
    // The background picture is drawn only into the flicker-free scrolling's off-screen image.
    if (control == QStringLiteral("CheckSlow"))
        return isChecked(QStringLiteral("CheckmitBitmap"));
    return true;
}

quint8 OptionsSession::dashValue(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= 255 ? quint8(value) : kDefaultDash;
}

OptionsSession::FontCheck OptionsSession::checkFont() const {
    if (!m_ready)
        return {};
    const FontSizeRule::Problem problem = FontSizeRule::check(!m_font.isEmpty(), m_size);
    if (problem == FontSizeRule::Problem::None)
        return {true, std::nullopt, false};
    return {false, Notice::hint(FontSizeRule::message(problem), 1), problem != FontSizeRule::Problem::NoFont};
}

std::optional<OptionsSession::Preview> OptionsSession::preview() const {
    int size = 0;
    if (!m_ready || FontSizeRule::check(!m_font.isEmpty(), m_size, &size) != FontSizeRule::Problem::None)
        return std::nullopt;
    return Preview{m_font, size, isChecked(QStringLiteral("CheckFett")),
                   isChecked(QStringLiteral("CheckKursiv"))};
}

OptionsSession::Outcome OptionsSession::finish(bool accepted) {
    m_ready = false;
    if (!accepted)
        return {};
    OptionsRecord& o = m_state.settings.changeOptions();
    const quint8 motifBefore = o.get(OptionsRecord::Motif);
    for (const OptionsBinding& b : OptionsBinding::all())
        o.set(b.field, m_edit.get(b.field));
    o.set(OptionsRecord::DashesPerCl, dashValue(m_dash));
    int size = 0;
    if (FontSizeRule::check(!m_font.isEmpty(), m_size, &size) == FontSizeRule::Problem::None) {
        o.setFontName(m_font.left(OptionsRecord::kMaxFontName));
        o.set(OptionsRecord::FontSize, quint8(size));
    }
    const Result unitSaved = m_state.settings.saveShownUnit(m_unit, m_state.displayUnitPath(), m_state.run);
    return {true, o.get(OptionsRecord::Motif) != motifBefore, unitSaved};
}
