#include "app/printpreviewdialog.h"

#include "app/printreport.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
struct CommandText {
    const char *name;
    const char *chinese;
    const char *english;
};
constexpr CommandText commandTexts[] = {
    {"PrintCommand", "打印", "Print"},
    {"RefreshCommand", "刷新", "Refresh"},
    {"ZoomInCommand", "放大", "Zoom In"},
    {"ZoomOutCommand", "缩小", "Zoom Out"},
    {"FitWidthCommand", "适合宽度", "Fit Width"},
    {"FitPageCommand", "整页", "Whole Page"},
    {"CloseCommand", "关闭", "Close"},
};
} // namespace

PrintPreviewDialog::PrintPreviewDialog(const Document &document, QWidget *parent)
    : QDialog(parent), m_document(document), m_printer(new QPrinter(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("FrmPrint"));
    setModal(true);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setReportPage(m_printer);

    m_toolbar = new QToolBar(this);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_preview = new QPrintPreviewWidget(m_printer, this);
    m_preview->setObjectName(QStringLiteral("CurtPrinter1"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { printContent(printer, m_document); });

    addCommand("PrintCommand", &PrintPreviewDialog::print);
    addCommand("RefreshCommand", &PrintPreviewDialog::rerender);
    m_toolbar->addSeparator();
    connect(addCommand("ZoomInCommand", nullptr), &QAction::triggered, m_preview,
            [this] { m_preview->zoomIn(); });
    connect(addCommand("ZoomOutCommand", nullptr), &QAction::triggered, m_preview,
            [this] { m_preview->zoomOut(); });
    connect(addCommand("FitWidthCommand", nullptr), &QAction::triggered, m_preview,
            &QPrintPreviewWidget::fitToWidth);
    connect(addCommand("FitPageCommand", nullptr), &QAction::triggered, m_preview,
            &QPrintPreviewWidget::fitInView);
    m_toolbar->addSeparator();
    addCommand("CloseCommand", &PrintPreviewDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_preview, 1);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(area.width(), std::max(800, area.width() * 3 / 5)), area.height() * 9 / 10);
    }
    m_preview->fitToWidth();

    retranslate();
    connect(&Language::instance(), &Language::changed, this, &PrintPreviewDialog::retranslate);
}

PrintPreviewDialog::~PrintPreviewDialog() {
    delete m_preview; // it paints through the printer until it goes
    delete m_printer;
}

QAction *PrintPreviewDialog::addCommand(const char *name, void (PrintPreviewDialog::*slot)()) {
    auto *action = m_toolbar->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void PrintPreviewDialog::retranslate() {
    setWindowTitle(lang::pick("打印预览", "Print preview"));
    for (const CommandText &c : commandTexts) {
        if (auto *action = m_toolbar->findChild<QAction *>(QString::fromLatin1(c.name)))
            action->setText(lang::pick(c.chinese, c.english));
    }
}

void PrintPreviewDialog::rerender() {
    m_preview->updatePreview();
}

QString PrintPreviewDialog::defaultOutputFile() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::homePath();
    return QDir(dir).filePath(QStringLiteral("ORLEX-K7.pdf"));
}

void PrintPreviewDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_printer->pageLayout());
    // Without any printer the dialog offers its PDF output; give it a file to start from.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(defaultOutputFile());
    }
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printOn(&printer);
}

bool PrintPreviewDialog::printOn(QPrinter *printer) {
    if (printContent(printer, m_document))
        return true;
    const QString where =
        printer->outputFileName().isEmpty()
            ? lang::pick("打印机：", "Printer: ") + printer->printerName()
            : lang::pick("文件：", "File: ") + QDir::toNativeSeparators(printer->outputFileName());
    LocalizedMsgBox(lang::pick("打印失败！\r\n", "Printing failed!\r\n") + where, msgbox::StyleExclamation);
    return false;
}
