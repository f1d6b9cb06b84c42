// The character sheet on a paint device: the layout pass (the page plan for
// the device's printable area) and the output pass (one page drawn from the
// plan and the sheet's texts). Printer, print preview and PDF share it.
#pragma once

#include <QPageLayout>
#include <QString>

#include <vector>

#include "printing/PagePlan.h"
#include "printing/PrintOptions.h"
#include "printing/SheetContent.h"

class CAppSettings;
class CGameDatabase;
class CQuillmarDoc;
class QPaintDevice;
class QPainter;
class QPagedPaintDevice;

class CSheetPrinter {
public:
    // The texts are taken from the character now; the options as stored in the settings.
    CSheetPrinter(CGameDatabase& database, const CQuillmarDoc& doc, const CAppSettings& settings,
                  const QString& title);

    // Layout pass for the device's printable area; the page count.
    int Layout(const QPaintDevice& device);
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    const std::vector<sheet::PageRecord>& Pages() const { return m_pages; }
    const sheet::SheetContent& Content() const { return m_content; }

    // Output pass: page 1..PageCount() onto a painter open on the laid-out device.
    void DrawPage(QPainter& painter, int page) const;
    // Lays out and draws the pages from..to (0, 0: all) onto the device.
    void PrintAll(QPagedPaintDevice& device, int fromPage = 0, int toPage = 0);

private:
    void DrawCharacterBlock(class CPrintPage& page) const;
    void DrawSkills(CPrintPage& page, double top) const;
    void DrawTable(CPrintPage& page, int id, const sheet::TableSlice& slice, bool lines) const;

    sheet::SheetContent m_content;
    std::vector<sheet::PageRecord> m_pages;
    double m_width = 7.5;  // printable width, inches
};

// The name on the sheet: the document title without a ".chr" ending.
QString SheetName(const QString& title);
// The name and the texts taken from outside the character.
sheet::SheetInputs SheetInputsFor(const QString& title);

// Writes the sheet as a PDF with real text and the title as document title,
// through a temporary file renamed over the target, so that a failure leaves
// nothing half written. Empty on success, else the reason.
QString ExportSheetPdf(CSheetPrinter& printer, const QString& path, const QString& title,
                       const QPageLayout& layout);
// A4 portrait with 10 mm margins.
QPageLayout DefaultSheetLayout();
