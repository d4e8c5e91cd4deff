#pragma once

#include "ui/TOwnFenster.h"

#include <functional>

class QFrame;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QToolButton;
class ReportPageView;
class ReportPainter;

// "Druckvorschau": the pages of a report, page by page, whole, at full width or real size, with
// printing and the printer set-up. Created for one preview and freed when it closes.
class TfrmPreview : public TOwnFenster {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 2080;

    TfrmPreview(UiContext context, ReportPainter& report, QPrinter& printer, QWidget* parent = nullptr);
    ~TfrmPreview() override;

    // Set when the user printed from the preview; the print dialog closes then.
    bool printedFromPreview() const { return m_printed; }
    int currentPage() const; // 1-based
    // "Drucker einrichten": runs the set-up and returns the report laid out for the paper and
    // orientation chosen there, or null when the user cancelled. Without it the set-up only
    // chooses the printer.
    using SetUp = std::function<ReportPainter*()>;
    void setPrinterSetUp(SetUp setUp) { m_setUp = std::move(setUp); }
    // "Als &PDF…": writes the pages shown into a file; without it the button is hidden.
    using PdfSaver = std::function<void(ReportPainter& report)>;
    void setPdfSaver(PdfSaver saver);

    QFrame* DasPanel = nullptr;
    QScrollArea* scroll = nullptr;
    ReportPageView* view = nullptr;
    QLabel* LSeite = nullptr;
    QToolButton* SpeedButton1 = nullptr; // first page
    QToolButton* SpeedButton2 = nullptr; // previous page
    QToolButton* SpeedButton3 = nullptr; // next page
    QToolButton* SpeedButton4 = nullptr; // last page
    QToolButton* SpeedButton5 = nullptr; // "ganze Seite"
    QToolButton* SpeedButton6 = nullptr; // "Ansicht 100%"
    QToolButton* SpeedButton7 = nullptr; // "Ansicht volle Breite"
    QToolButton* SpeedButton8 = nullptr; // "Drucker einrichten"
    QToolButton* PdfButton = nullptr;    // "Als PDF speichern"
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* addButton(const QString& text, const QString& hint);
    void buildControls();
    void placeControls();
    void goTo(int page);
    void zoom(int mode);
    void printPages();
    void updatePageLabel();
    void setUpPrinter();

    ReportPainter* m_report;
    SetUp m_setUp;
    PdfSaver m_pdfSaver;
    QPrinter& m_printer;
    bool m_printed = false;
    bool m_cursorSet = false;
};
