// Renders the program's windows on the shipped data into PNG files for the documentation:
//   velta98-screenshots OUTPUT_FOLDER [MOTIF ...]
// Run under Xvfb (scripts/make-screenshots.sh) so that fonts and window sizes are real.
#include "app/AppState.h"
#include "app/DataTables.h"
#include "app/TMain.h"
#include "store/OptionsRecord.h"
#include "ui/HelpWindow.h"
#include "ui/Skins.h"
#include "ui/TMeldungDialog.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

void shootMotif(const QString& out, int motif) {
    AppState state;
    state.folders = StartupFolders::derive(QStringLiteral("/nonexistent/VELTA98.INI"),
                                           QApplication::applicationDirPath());
    Skins skins(state);
    UiContext context{state, skins};
    DataTables tables;
    HelpWindow help;
    TMain main(context, tables, help);
    if (!main.create())
        return;
    state.options.set(OptionsRecord::Motif, quint8(motif));
    QString failure;
    skins.SelectMainSkin(&failure);
    main.resize(800, 600);
    main.show();
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(QStringLiteral("hauptfenster-motiv%1.png").arg(motif)));

    TMeldungDialog box(context, &main);
    QTimer::singleShot(200, [&box, out, motif] {
        box.grab().save(QDir(out).filePath(QStringLiteral("meldung-motiv%1.png").arg(motif)));
        box.JaButton->click();
    });
    box.ask(QStringLiteral("Möchten Sie die Änderungen an der\rHausbar wirklich speichern?"),
            QStringLiteral("Frage"), 2, true);
    main.close();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return 2;
    QDir().mkpath(args.at(1));
    QList<int> motifs;
    for (const QString& m : args.mid(2))
        motifs << m.toInt();
    if (motifs.isEmpty())
        motifs = {1, 2, 3, 4, 5, 6, 7};
    for (int motif : motifs)
        shootMotif(args.at(1), motif);
    return 0;
}
