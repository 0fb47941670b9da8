#pragma once
// Rendering of the programming-data report. One renderer serves the print preview, the printer and PDF
// output, on screen or without a display: it draws onto any paged device, using that device's page size and
// margins.

class QPagedPaintDevice;
struct ReportContent;

// The page the report is laid out for: A4 portrait with 15 mm margins. The print dialog may change it;
// the report then follows the chosen page.
void setReportPage(QPagedPaintDevice *device);

// Draws the report page after page. Returns false when the device cannot be painted on (an output file
// that cannot be written).
bool renderReport(QPagedPaintDevice *device, const ReportContent &content);
