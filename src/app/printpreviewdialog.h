#pragma once
// The print preview FrmPrint: the report rendered page by page, with re-render, print and close. Modal;
// printing renders the report again onto the printer (or PDF file) chosen in the print dialog.

#include <QDialog>

class Document;
class QAction;
class QPrintPreviewWidget;
class QPrinter;
class QToolBar;

class PrintPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // The report is built from `document` each time it is rendered.
    explicit PrintPreviewDialog(const Document &document, QWidget *parent = nullptr);
    ~PrintPreviewDialog() override;

    QPrintPreviewWidget *preview() const { return m_preview; }

    // Renders the report onto `printer`; a failure is told to the user. True when the report went out.
    bool printOn(QPrinter *printer);

    // The PDF file offered by the print dialog when the system has no printer.
    static QString defaultOutputFile();

public slots:
    void rerender();
    // Asks for the printer (or PDF file) and prints.
    void print();

private:
    QAction *addCommand(const char *name, void (PrintPreviewDialog::*slot)());
    void retranslate();

    const Document &m_document;
    QPrinter *m_printer; // the preview's page
    QPrintPreviewWidget *m_preview;
    QToolBar *m_toolbar;
};
