#include "print/gui/TfrmPreview.h"

#include "common/AppState.h"
#include "print/PreviewGeometry.h"
#include "print/gui/PrinterSetup.h"
#include "print/gui/ReportPageView.h"
#include "print/gui/ReportPainter.h"
#include "ui/Meldungsfenster.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

} // namespace

TfrmPreview::TfrmPreview(UiContext context, ReportPainter& report, QPrinter& printer, QWidget* parent)
    : TOwnFenster(context, parent), m_report(&report), m_printer(printer) {
    setCaption(QStringLiteral("Druckvorschau"));
    setHelpContext(kHelpContext);
    buildControls();
    const QRect bounds = PreviewGeometry::window(context.state.run.mainBounds);
    resize(bounds.size());
    placeControls();
}

TfrmPreview::~TfrmPreview() {
    if (m_cursorSet)
        QApplication::restoreOverrideCursor();
}

QToolButton* TfrmPreview::addButton(const QString& text, const QString& hint) {
    auto* b = new QToolButton(this);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

void TfrmPreview::buildControls() {
    DasPanel = new QFrame(this);
    DasPanel->setFrameShape(QFrame::StyledPanel);
    DasPanel->setFrameShadow(QFrame::Sunken);
    scroll = new QScrollArea(DasPanel);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    view = new ReportPageView(*m_report);
    scroll->setWidget(view);
    scroll->setWidgetResizable(false);
    LSeite = new QLabel(this);
    // The page buttons show no hints; the zoom and printer buttons do.
    SpeedButton1 = addButton(QString(), QString());
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    SpeedButton2 = addButton(QString(), QString());
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_MediaSeekBackward));
    SpeedButton3 = addButton(QString(), QString());
    SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    SpeedButton4 = addButton(QString(), QString());
    SpeedButton4->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    SpeedButton5 = addButton(QStringLiteral("Seite"), QStringLiteral("ganze Seite"));
    SpeedButton6 = addButton(QStringLiteral("100%"), QStringLiteral("Ansicht 100%"));
    SpeedButton7 = addButton(QStringLiteral("Breite"), QStringLiteral("Ansicht volle Breite"));
    SpeedButton8 = addButton(QStringLiteral("Drucker"), QStringLiteral("Drucker einrichten"));
    OkButton = new QPushButton(QStringLiteral("&Drucken"), this);
    CancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    PdfButton = addButton(QStringLiteral("PDF"), QStringLiteral("Als PDF speichern"));
    PdfButton->hide();
    connect(PdfButton, &QPushButton::clicked, this, [this] {
        if (m_pdfSaver)
            m_pdfSaver(*m_report);
    });
    OkButton->setDefault(true);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { goTo(1); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { goTo(currentPage() - 1); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { goTo(currentPage() + 1); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { goTo(m_report->pageCount()); });
    connect(SpeedButton5, &QToolButton::clicked, this,
            [this] { zoom(int(ReportPageView::Zoom::WholePage)); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { zoom(int(ReportPageView::Zoom::Actual)); });
    connect(SpeedButton7, &QToolButton::clicked, this,
            [this] { zoom(int(ReportPageView::Zoom::PageWidth)); });
    connect(SpeedButton8, &QToolButton::clicked, this, &TfrmPreview::setUpPrinter);
    connect(OkButton, &QPushButton::clicked, this, &TfrmPreview::printPages);
    connect(CancelButton, &QPushButton::clicked, this, &TfrmPreview::reject);
}

void TfrmPreview::placeControls() {
    const QSize client = size();
    const QRect panel = PreviewGeometry::panel(client);
    DasPanel->setGeometry(panel);
    scroll->setGeometry(DasPanel->contentsRect());
    view->setAvailableSize(scroll->maximumViewportSize());
    const int top = PreviewGeometry::buttonTop(client);
    CancelButton->setGeometry(PreviewGeometry::cancelLeft(client, kButtonWidth), top, kButtonWidth,
                              kButtonHeight);
    OkButton->setGeometry(PreviewGeometry::printLeft(client, kButtonWidth), top, kButtonWidth, kButtonHeight);
    int x = panel.left();
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4}) {
        b->setGeometry(x, top, 28, kButtonHeight);
        x += 30;
    }
    x += 8;
    for (QToolButton* b : {SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8, PdfButton}) {
        if (b->isHidden())
            continue;
        b->setGeometry(x, top, 56, kButtonHeight);
        x += 58;
    }
    LSeite->setGeometry(x + 8, top, qMax(0, OkButton->x() - x - 16), kButtonHeight);
}

void TfrmPreview::resizeEvent(QResizeEvent* event) {
    TOwnFenster::resizeEvent(event);
    placeControls();
}

void TfrmPreview::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    move(PreviewGeometry::window(m_context.state.run.mainBounds).topLeft());
    m_printed = false;
    view->setPage(0);
    zoom(int(ReportPageView::Zoom::PageWidth));
    updatePageLabel();
}

int TfrmPreview::currentPage() const {
    return view->page() + 1;
}

// Each button lets pending window messages run first, so a page is never skipped while the last
// one is still being drawn.
void TfrmPreview::goTo(int page) {
    QApplication::processEvents();
    if (page < 1 || page > m_report->pageCount())
        return;
    view->setPage(page - 1);
    scroll->verticalScrollBar()->setValue(0);
    updatePageLabel();
}

void TfrmPreview::zoom(int mode) {
    QApplication::processEvents();
    view->setAvailableSize(scroll->maximumViewportSize());
    view->setZoom(ReportPageView::Zoom(mode));
}

void TfrmPreview::updatePageLabel() {
    LSeite->setText(m_report->pageCount() == 0
                        ? QString()
                        : PreviewGeometry::pageLabel(currentPage(), m_report->pageCount()));
}

void TfrmPreview::setPdfSaver(PdfSaver saver) {
    m_pdfSaver = std::move(saver);
    PdfButton->setHidden(!m_pdfSaver);
    placeControls();
}

// The set-up starts from the page the report is laid out for (paper, orientation and margins); what
// is chosen there lays the report out anew.
void TfrmPreview::setUpPrinter() {
    if (!m_setUp) {
        m_printer.setPageLayout(ReportPainter::pageLayout(m_report->document().page));
        PrinterSetup::run(m_printer, this);
        return;
    }
    ReportPainter* report = m_setUp();
    if (!report)
        return;
    m_report = report;
    auto* fresh = new ReportPageView(*m_report);
    delete scroll->takeWidget();
    view = fresh;
    scroll->setWidget(view);
    placeControls();
    goTo(1);
}

void TfrmPreview::printPages() {
    if (!PrinterSetup::ready(m_printer, this))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_cursorSet = true;
    const bool printed = m_report->print(m_printer);
    QApplication::restoreOverrideCursor();
    m_cursorSet = false;
    if (!printed) {
        // The preview stays, so that another printer or file can be chosen.
        Meldungsfenster::show(PrinterSetup::failedNotice());
        return;
    }
    m_printed = true;
    accept();
}

void TfrmPreview::done(int result) {
    if (result != QDialog::Accepted)
        m_printed = false;
    if (m_cursorSet) {
        QApplication::restoreOverrideCursor();
        m_cursorSet = false;
    }
    TOwnFenster::done(result);
}
