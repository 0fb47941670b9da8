#pragma once
// Rendering of the programming-data report. One renderer serves the print preview, the printer and PDF
// output: it draws onto any paged device, using that device's page size and margins.

class QPagedPaintDevice;
class QWidget;
struct ReportContent;

// The page the report is laid out for: A4 portrait with 15 mm margins. The print dialog may change it;
// the report then follows the chosen page.
void setReportPage(QPagedPaintDevice *device);

// Draws the report page after page. Returns false when the device cannot be painted on (an output file
// that cannot be written, a printer that refuses the job).
bool renderReport(QPagedPaintDevice *device, const ReportContent &content);

// Collects the report from the editor windows below `root` (see collectReport) and renders it.
bool printContent(QPagedPaintDevice *device, const QWidget *root);
