#include "options/OptionsBinding.h"

namespace {

using F = OptionsRecord;
using K = OptionsBinding::Kind;

OptionsBinding check(const char* control, OptionsRecord::Field field, quint8 ticked = 1,
                     quint8 unticked = 0) {
    return {QString::fromLatin1(control), field, K::Check, ticked, unticked};
}

OptionsBinding radio(const char* control, OptionsRecord::Field field, quint8 value, K kind = K::Radio) {
    return {QString::fromLatin1(control), field, kind, value};
}

} // namespace

bool OptionsBinding::shows(const OptionsRecord& options) const {
    const quint8 stored = options.get(field);
    return kind == Kind::NonZeroRadio ? stored != 0 : stored == value;
}

const QList<OptionsBinding>& OptionsBinding::all() {
    static const QList<OptionsBinding> bindings = {
        // "&Darstellung"
        check("HyperCheck", F::LexiconMarked),
        check("CheckBlock", F::InstructionsJustified),
        check("CheckCenter", F::IngredientsCentred),
        check("CheckSlow", F::BackgroundGraphic),
        check("CheckmitBitmap", F::FlickerFree),
        radio("H1", F::Motif, 1),
        radio("H2", F::Motif, 2),
        radio("H3", F::Motif, 3),
        radio("H4", F::Motif, 4),
        radio("H5", F::Motif, 5),
        radio("H6", F::Motif, 6),
        radio("H7", F::Motif, 7),
        radio("B1Radio", F::TextBackground, 1),
        radio("b2Radio", F::TextBackground, 2),
        radio("hi1", F::HiColorIcons, 1, K::NonZeroRadio),
        radio("hi2", F::HiColorIcons, 0),
        // "&Vorgaben"
        check("SoundCheck", F::Noises),
        check("SpracheCheck", F::Speech),
        radio("M1", F::Music, 0),
        radio("M2", F::Music, 1),
        radio("M3", F::Music, 2),
        check("BilderCheck", F::Photos),
        check("FensterCheck", F::CentreDialogs, 0, 1), // ticked: dialogs stay where they were left
        check("BubbleCheck", F::ShortHelp),
        // "&Schriftart"
        check("CheckFett", F::FontBold),
        check("CheckKursiv", F::FontItalic),
    };
    return bindings;
}

const OptionsBinding* OptionsBinding::find(const QString& control) {
    for (const OptionsBinding& b : all())
        if (b.control == control)
            return &b;
    return nullptr;
}
