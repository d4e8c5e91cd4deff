#pragma once

#include "print/PrintRecord.h"
#include "print/PrintSettings.h"
#include "ui/UiContext.h"

#include <QPointer>
#include <QPrinter>

#include <functional>
#include <memory>

class PrintSession;
class QWidget;
class ReportPainter;
class TWartenDialog;

// The three outputs of the print dialog: `PrintRecipeCards` and `PrintDrinkList` (printed, or
// shown in the preview), and `ExportTextFile`. Each fills the print table first (with the wait
// window for many drinks) and lays the report out with the print fonts. Every report keeps its
// own printer set-up for the run.
class PrintOutput {
public:
    enum class Outcome { Nothing, Printed, Previewed, PrintedFromPreview };
    // Asks for the text file's name; empty when the user cancelled. Tests put their own in.
    // Asks for the file to write; `suffix` is "txt" or "pdf".
    using FileAsker = std::function<QString(QWidget* parent, const QString& suffix)>;

    PrintOutput(UiContext context, PrintSession& session, QWidget* parent);
    ~PrintOutput();

    void setParent(QWidget* parent) { m_parent = parent; }
    QPrinter& printer(PrintSettings::Layout layout);
    // " &Einrichten": the printer set-up of the chosen layout's report; the paper and orientation
    // chosen there become the dialog's when they are ones it offers. False when it was cancelled.
    bool setUpPrinter(QWidget* parent = nullptr);
    // Prints the chosen layout, or shows it in the preview window until that closes.
    Outcome print(bool preview);
    // "&Textdatei": asks for the file, fills the table and writes it; false when nothing was written.
    bool exportText();
    // "Als &PDF speichern…": asks for the file and writes the chosen layout as a PDF, or `report`
    // when given (the preview's); false when nothing was written.
    bool savePdf(QWidget* parent, ReportPainter* report = nullptr);

    static FileAsker setFileAsker(FileAsker asker);

private:
    std::unique_ptr<ReportPainter> prepare(QList<PrintRecord>* filled = nullptr);
    std::unique_ptr<ReportPainter> build(const QList<PrintRecord>& records) const;

    UiContext m_context;
    PrintSession& m_session;
    QWidget* m_parent;
    QPrinter m_cardPrinter;
    QPrinter m_listPrinter;
    TWartenDialog& waitWindow();

    // Owned by the parent window when there is one; deleted here otherwise or when still alive.
    QPointer<TWartenDialog> m_wait;
};
