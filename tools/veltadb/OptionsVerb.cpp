#include "OptionsVerb.h"

#include "common/AppState.h"
#include "options/OptionsBinding.h"
#include "options/OptionsSession.h"

#include <QTextStream>

namespace {

const QString kDash = QStringLiteral("DashEdit");
const QString kFont = QStringLiteral("Schriftnamelist");
const QString kSize = QStringLiteral("groesseedit");

void list(const OptionsSession& session, QTextStream& out) {
    for (const OptionsBinding& b : OptionsBinding::all())
        out << b.control << '=' << (session.isChecked(b.control) ? 1 : 0) << '\n';
    out << kDash << '=' << session.dashText() << '\n'
        << kFont << '=' << session.fontName() << '\n'
        << kSize << '=' << session.sizeText() << '\n';
}

// Puts one assignment into the session; the German complaint when it is not one.
QString assign(OptionsSession& session, const QString& assignment) {
    const qsizetype eq = assignment.indexOf(QLatin1Char('='));
    const QString name = assignment.left(eq);
    const QString value = assignment.mid(eq + 1);
    if (eq < 1)
        return QStringLiteral("Zuweisung erwartet (STEUERELEMENT=WERT): ") + assignment;
    if (name == kDash) {
        if (!value.isEmpty() && QString::number(OptionsSession::dashValue(value)) != value.trimmed())
            return QStringLiteral("Ein Dash ist der 1. bis 255. Teil eines cl: ") + value;
        session.setDashText(value);
    } else if (name == kFont) {
        session.setFontNames(QStringList(session.fontNames()) << value);
        session.setFontName(value);
    } else if (name == kSize) {
        session.setSizeText(value);
    } else if (const OptionsBinding* b = OptionsBinding::find(name)) {
        const bool radio = b->kind != OptionsBinding::Kind::Check;
        if (value != QStringLiteral("1") && (radio || value != QStringLiteral("0")))
            return QStringLiteral("Ungültiger Wert für %1: %2 (%3)")
                .arg(name, value, radio ? QStringLiteral("1 wählt") : QStringLiteral("1 oder 0"));
        session.setChecked(name, value == QStringLiteral("1"));
    } else {
        return QStringLiteral("Unbekanntes Steuerelement: ") + name;
    }
    return {};
}

} // namespace

int optionsVerb(const QString& path, const QStringList& assignments, QTextStream& out, QTextStream& err) {
    AppState state;
    state.settings.changeOptions() = OptionsRecord::load(path);
    OptionsSession session(state);
    session.setFontNames({state.settings.options().fontName()});
    session.begin();
    session.setReady(true);
    for (const QString& a : assignments) {
        if (const QString problem = assign(session, a); !problem.isEmpty()) {
            err << "veltadb: " << problem << '\n';
            return 2;
        }
    }
    if (!assignments.isEmpty()) {
        if (const OptionsSession::FontCheck check = session.checkFont(); check.notice) {
            err << "veltadb: " << check.notice->text << '\n';
            return 2;
        }
        session.finish(true);
        if (!state.settings.options().save(path, false)) {
            err << "veltadb: " << path << " konnte nicht geschrieben werden.\n";
            return 1;
        }
        session.begin();
    }
    list(session, out);
    return 0;
}
