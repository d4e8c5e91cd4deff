#include "print/gui/PrintOutput.h"

#include "print/PrintReports.h"
#include "print/PrintSession.h"
#include "print/TextExport.h"
#include "print/gui/PrinterSetup.h"
#include "print/gui/QtReportMeasurer.h"
#include "print/gui/ReportPainter.h"
#include "print/gui/TfrmPreview.h"
#include "store/AtomicFile.h"
#include "ui/Meldungsfenster.h"
#include "ui/TWartenDialog.h"
#include "ui/WaitScope.h"

#include <QApplication>
#include <QFileDialog>
#include <QPageLayout>

#include <optional>
#include <utility>

namespace {

PrintOutput::FileAsker& fileAsker() {
    static PrintOutput::FileAsker asker;
    return asker;
}

QString askForFile(QWidget* parent, const QString& suffix = TextExport::defaultSuffix()) {
    if (fileAsker())
        return fileAsker()(parent, suffix);
    const bool pdf = suffix == QStringLiteral("pdf");
    QFileDialog dialog(parent,
                       pdf ? QStringLiteral("Als PDF speichern") : QStringLiteral("Textdatei speichern"),
                       pdf ? QStringLiteral("Velta98.pdf") : TextExport::proposedName(),
                       pdf ? QStringLiteral("PDF-Dateien (*.pdf)") : TextExport::filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

// The print table's progress as the wait window shows it; hidden however the fill ends.
class WaitProgress : public PrintTable::Progress {
public:
    explicit WaitProgress(TWartenDialog& wait) : m_wait(wait) {}
    void show(int maximum, const QString& text) override { m_scope.emplace(m_wait, maximum, text); }
    void set(int value) override {
        if (m_scope)
            m_scope->step(value);
    }
    void hide() override { m_scope.reset(); }

private:
    TWartenDialog& m_wait;
    std::optional<WaitScope> m_scope;
};

// A bar card of mixable drinks that keeps none of them is not printed; the user is told why.
bool nothingMixable(const PrintSession& session, const QList<PrintRecord>& records) {
    if (!records.isEmpty() || !session.settings.keepsOnlyMixable())
        return false;
    Meldungsfenster::show(Notice::hint(PrintSession::nothingMixableText(session.settings.mixableBar), 1));
    return true;
}

} // namespace

PrintOutput::PrintOutput(UiContext context, PrintSession& session, QWidget* parent)
    : m_context(context), m_session(session), m_parent(parent) {}

PrintOutput::~PrintOutput() {
    delete m_wait.data();
}

TWartenDialog& PrintOutput::waitWindow() {
    if (!m_wait)
        m_wait = new TWartenDialog(m_context, m_parent);
    return *m_wait;
}

PrintOutput::FileAsker PrintOutput::setFileAsker(FileAsker asker) {
    return std::exchange(fileAsker(), std::move(asker));
}

QPrinter& PrintOutput::printer(PrintSettings::Layout layout) {
    return layout == PrintSettings::Layout::RecipeCard ? m_cardPrinter : m_listPrinter;
}

bool PrintOutput::setUpPrinter(QWidget* parent) {
    PrintSettings& s = m_session.settings;
    QPrinter& p = printer(s.layout);
    p.setPageLayout(ReportPainter::pageLayout(PageSetup::from(s)));
    if (!PrinterSetup::run(p, parent ? parent : m_parent))
        return false;
    const QPageLayout chosen = p.pageLayout();
    if (chosen.pageSize().id() == QPageSize::A4)
        s.paper = PrintSettings::Paper::A4;
    else if (chosen.pageSize().id() == QPageSize::A5)
        s.paper = PrintSettings::Paper::A5;
    s.orientation = chosen.orientation() == QPageLayout::Landscape ? PrintSettings::Orientation::Landscape
                                                                   : PrintSettings::Orientation::Portrait;
    return true;
}

std::unique_ptr<ReportPainter> PrintOutput::prepare(QList<PrintRecord>* filled) {
    WaitProgress progress(waitWindow());
    const QList<PrintRecord> records = m_session.fillPrintTable(&progress);
    if (nothingMixable(m_session, records))
        return nullptr;
    if (filled)
        *filled = records;
    return build(records);
}

std::unique_ptr<ReportPainter> PrintOutput::build(const QList<PrintRecord>& records) const {
    const QtReportMeasurer measurer;
    return std::make_unique<ReportPainter>(PrintReports::build(records, m_session.settings, m_session.fonts,
                                                               measurer, m_session.photoFolders()));
}

PrintOutput::Outcome PrintOutput::print(bool preview) {
    QPrinter& p = printer(m_session.settings.layout);
    QList<PrintRecord> records;
    std::unique_ptr<ReportPainter> report = prepare(&records);
    if (!report)
        return Outcome::Nothing;
    if (preview) {
        TfrmPreview window(m_context, *report, p, m_parent);
        // The paper and orientation chosen in the preview's set-up lay the pages out anew, and the
        // dialog shows them afterwards as if chosen there.
        std::unique_ptr<ReportPainter> previous;
        window.setPrinterSetUp([this, &window, &report, &previous, &records]() -> ReportPainter* {
            if (!setUpPrinter(&window))
                return nullptr;
            previous = std::exchange(report, build(records));
            return report.get();
        });
        window.setPdfSaver([this, &window](ReportPainter& shown) { savePdf(&window, &shown); });
        m_session.setPreviewOpen(true);
        window.exec();
        m_session.setPreviewOpen(false);
        return window.printedFromPreview() ? Outcome::PrintedFromPreview : Outcome::Previewed;
    }
    if (!PrinterSetup::ready(p, m_parent))
        return Outcome::Nothing;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = report->print(p);
    QApplication::restoreOverrideCursor();
    if (!printed) {
        Meldungsfenster::show(PrinterSetup::failedNotice());
        return Outcome::Nothing;
    }
    return Outcome::Printed;
}

bool PrintOutput::savePdf(QWidget* parent, ReportPainter* report) {
    const QString path = askForFile(parent ? parent : m_parent, QStringLiteral("pdf"));
    if (path.trimmed().isEmpty())
        return false;
    std::unique_ptr<ReportPainter> own;
    if (!report) {
        own = prepare();
        if (!own)
            return false;
        report = own.get();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString reason;
    const bool written = report->writePdf(path, &reason);
    QApplication::restoreOverrideCursor();
    if (!written) {
        Meldungsfenster::show(Notice::error(AtomicFile::failureText(path, reason), 3));
        return false;
    }
    Meldungsfenster::show(Notice::hint(TextExport::doneMessage(path), 3));
    return true;
}

bool PrintOutput::exportText() {
    const QString path = askForFile(m_parent);
    if (path.trimmed().isEmpty())
        return false;
    if (m_parent)
        m_parent->repaint();
    WaitProgress progress(waitWindow());
    const QList<PrintRecord> records = m_session.fillPrintTable(&progress);
    if (nothingMixable(m_session, records))
        return false;
    QString reason;
    if (!TextExport::write(path, records, &reason)) {
        Meldungsfenster::show(Notice::error(AtomicFile::failureText(path, reason), 3));
        return false;
    }
    Meldungsfenster::show(Notice::hint(TextExport::doneMessage(path), 3));
    return true;
}
