#pragma once

#include <QStringList>

class QTextStream;

// "veltadb optionen DATEI [STEUERELEMENT=WERT ...]": shows the options file as the options dialog's
// controls, or changes them through the dialog's own session and writes the file.
int optionsVerb(const QString& path, const QStringList& assignments, QTextStream& out, QTextStream& err);
