#pragma once
// Documents laid out through the inch canvas on paper or in a file: the printer the agent
// chose, painting a document's pages on any paged device, a PDF that replaces its file
// only when written whole, and one print job for a whole document.
#include "platform/messages.h"
#include "printing/inch_canvas.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace andel {

// The printer chosen in the print dialog, shared by the whole process.
QPrinter& selectedPrinter();
// True when the printer writes a PDF file chosen in the printer choice.
bool printsToFile(const QPrinter& printer);
// True when the selected printer can take a job: a printer of the system, or a PDF file
// chosen in the printer choice.
bool printerReady();
// The selected printer's name ("PDF-fil: " and the file for a PDF), the system's
// default while none was chosen.
QString currentPrinterName();

// A page of its own size, such as a receipt printer's slip; the margins keep the printed
// part clear of the paper's edges.
struct PaperSize {
    double widthMm = 0, heightMm = 0;
    double sideMarginMm = 0, endMarginMm = 0;
    friend bool operator==(const PaperSize&, const PaperSize&) = default;
};

struct InchDocument {
    QString title;  // the PDF's title and the print job's name
    std::size_t pages = 0;
    // Draws page `page` (0 first) from the canvas's setup on; the page is begun for it.
    std::function<void(InchCanvas& canvas, std::size_t page)> drawPage;
    // One size a page (the last one for the pages beyond); A4 with the usual margins when empty.
    std::vector<PaperSize> papers;
};

// Every page on one device, a new page before each after the first.
void paintDocument(QPagedPaintDevice& device, const InchDocument& document);
// The same with a painter already active on the device.
void paintDocument(QPainter& painter, QPagedPaintDevice& device, const InchDocument& document);

// One PDF of A4 pages (or of the document's own paper sizes). The file is replaced only when it was written whole; IoError
// otherwise, naming the file and why.
void writeDocumentPdf(const QString& file, const InchDocument& document);

// The whole document as one print job. A PDF printer's file is named to the agent
// afterwards (`what` is the document's words, "kontoutskriften"); a job that cannot
// begin is reported and false.
bool printDocument(QPrinter& printer, const InchDocument& document, std::string_view what, Messages& messages);

// "Kontoutskriften" from "kontoutskriften".
std::string capitalised(std::string_view what);

}  // namespace andel
