#pragma once

#include <QString>
#include <QStringList>

// What velta98 and veltadb say about themselves on the command line. The build turns the same
// texts into their manual pages, so the page and "--help" never disagree.
class ProgramHelp {
public:
    static QString version();
    // "velta98 (Velta Cocktails 98) 1.0" and the line that follows it.
    static QString versionText(const QString& program);
    // velta98 --help.
    static QString programHelp();
    // The sections both programs end their help with: first start, files, the other program.
    static QString commonSections(const QString& otherProgram);
    // For "--help" or "--version" as the only argument: the text to print; otherwise empty.
    static QString answer(const QString& program, const QStringList& argumentsAfterProgram,
                          const QString& help);
};
