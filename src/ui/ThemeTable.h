#pragma once

#include <QColor>
#include <QString>

// The window themes ("Motiv"): skin names of dialogs and of the main window, and the rail colour.
struct Theme {
    int motif = 7;
    QString caption;
    QString dialogSkin;
    QString mainSkin;
    QColor railColour;
    QString backgroundPrefix; // "K1_", "K2_", "K3_"; empty: no background picture
};

class ThemeTable {
public:
    // Motif 1..6 as listed; 7 and any other value is "Route 256".
    static Theme forMotif(int motif);
    static QStringList captions(); // motif 1..7 in order
};
