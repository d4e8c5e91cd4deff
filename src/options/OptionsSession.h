#pragma once

#include "common/DisplayUnit.h"
#include "common/Notice.h"
#include "common/Result.h"
#include "store/OptionsRecord.h"

#include <QStringList>

#include <optional>

struct AppState;

// The options dialog's state and rules, without a window: the controls' values while the dialog is
// open (a copy of the options record), which controls are enabled, the font and size checks, and
// what OK copies back into the shared options record. Nothing changes before OK.
class OptionsSession {
public:
    enum Page { Darstellung = 0, Vorgaben = 1, Schriftart = 2 };
    static constexpr int kHelpContext = 2600;
    static int pageHelpContext(int page) { return 2610 + 10 * page; }

    explicit OptionsSession(AppState& state);

    // The fonts the user may choose from, given once when the dialog is built: sorted, each once,
    // and only names the options file can hold.
    void setFontNames(const QStringList& names);
    const QStringList& fontNames() const { return m_fonts; }
    static const QStringList& sizes();

    // Showing the dialog: every control from the options record. Validation waits for ready.
    void begin();
    void setReady(bool ready) { m_ready = ready; }
    bool isReady() const { return m_ready; }

    int page() const { return m_page; }
    void setPage(int page) { m_page = qBound(0, page, 2); }
    int helpContext() const { return pageHelpContext(m_page); }

    // Check boxes and radio buttons by their control names; choosing a radio button unchooses the
    // others of its group. The unit radio buttons ("UnitCl", "UnitMl", "UnitOz") choose the unit
    // amounts are shown in, which is not part of the options record.
    bool isChecked(const QString& control) const;
    void setChecked(const QString& control, bool on);
    bool isEnabled(const QString& control) const;

    QString dashText() const { return m_dash; }
    void setDashText(const QString& text) { m_dash = text; }
    // The divisor the dash text stands for: 1 to 255; an empty field counts as 12.
    static quint8 dashValue(const QString& text);

    QString fontName() const { return m_font; } // empty: none chosen
    void setFontName(const QString& name) { m_font = m_fonts.contains(name) ? name : QString(); }
    int fontRow() const { return m_fonts.indexOf(m_font); }
    QString sizeText() const { return m_size; }
    void setSizeText(const QString& text) { m_size = text; }
    int sizeRow() const { return sizes().indexOf(m_size.trimmed()); }

    // The font check: nothing to say while not ready; otherwise the notice for a missing font or a
    // size that is not a whole number from 4 to 72.
    struct FontCheck {
        bool valid = false;
        std::optional<Notice> notice;
        bool focusSize = false;
    };
    FontCheck checkFont() const;
    // What the preview shows: the chosen font when the input is valid.
    struct Preview {
        QString name;
        int size = 0;
        bool bold = false;
        bool italic = false;
    };
    std::optional<Preview> preview() const;

    // After the dialog closed: OK copies the controls into the options record (the dialog has
    // validated first); cancelling changes nothing.
    struct Outcome {
        bool applied = false;
        bool motifChanged = false;
        // The unit is written beside the tables at once; when that fails it stays as it was.
        Result unitSaved = Result::ok();
    };
    Outcome finish(bool accepted);

private:
    AppState& m_state;
    static std::optional<DisplayUnit::Kind> unitOf(const QString& control);

    OptionsRecord m_edit;
    DisplayUnit::Kind m_unit = DisplayUnit::Cl;
    QStringList m_fonts;
    QString m_dash;
    QString m_font;
    QString m_size;
    int m_page = Darstellung;
    bool m_ready = false;
};
