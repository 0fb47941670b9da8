#pragma once
// The report of the open configuration onto the print preview, a printer or a PDF file.

#include "report/reportrenderer.h"

class Document;

// Builds the report from `document` in the current language and renders it. False when the device cannot
// be painted on (an output file that cannot be written, a printer that refuses the job).
bool printContent(QPagedPaintDevice *device, const Document &document);
