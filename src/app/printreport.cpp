#include "app/printreport.h"

#include "gui/document.h"
#include "gui/language.h"
#include "report/reportcontent.h"

#include <QPrinter>

bool printContent(QPagedPaintDevice *device, const Document &document) {
    auto *printer = dynamic_cast<QPrinter *>(device);
    if (printer && !printer->isValid())
        return false;
    const ReportContent content =
        buildReport(document.config(), lang::index(), document.newChannelBandText());
    if (!renderReport(device, content))
        return false;
    return !printer || printer->printerState() != QPrinter::Error;
}
