#include "printing/CSheetPrinter.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <array>
#include <ctime>

#include "markup/QtCodePage.h"
#include "printing/CPrintPage.h"

namespace {

using namespace sheet;

constexpr double kDesignWidth = 7.5;  // the column widths below are for this width
constexpr double kTableTextSize = 8.0;
constexpr double kLineTextSize = 7.5;
constexpr double kSmallestTextSize = 6.0;
// Grid values stand right-aligned a little inside their 0.3-inch column.
constexpr double kGridCellWidth = 0.26;
constexpr double kCellPadding = 0.04;
const QColor kHeadingFill(225, 225, 225);
const QColor kUnreached(128, 128, 128);

// Column widths per table, inches at the design width; the last column takes the rest.
const std::array<std::vector<double>, kTableCount> kColumnWidths = {{
    {1.45, 0.4, 1.1, 0.6, 0.95, 0.55, 0.6},
    {1.45, 0.4, 0.8, 1.45, 0.75, 0.8},
    {1.6, 0.5, 1.0, 0.6, 0.76, 0.76, 0.76, 0.76},
}};

QString Q(const std::string& text)
{
    return Windows1252ToQString(text);
}

QString Q(std::string_view text)
{
    return Windows1252ToQString(text);
}

std::vector<double> ColumnLefts(int id, std::size_t count, double width)
{
    const double scale = width / kDesignWidth;
    std::vector<double> lefts{0.0};
    for (const double w : kColumnWidths[static_cast<std::size_t>(id)])
        lefts.push_back(lefts.back() + w * scale);
    lefts.resize(count, lefts.back());
    lefts.push_back(width);
    return lefts;
}

}  // namespace

CSheetPrinter::CSheetPrinter(CGameDatabase& database, const CQuillmarDoc& doc, const CAppSettings& settings,
                             const QString& title)
    : m_content(BuildSheetContent(database, doc, ReadPrintOptions(settings, doc), SheetInputsFor(title)))
{
}

int CSheetPrinter::Layout(const QPaintDevice& device)
{
    const double dpiY = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72.0;
    const double dpiX = device.logicalDpiX() > 0 ? device.logicalDpiX() : 72.0;
    m_width = device.width() / dpiX;
    m_pages = PlanPages(m_content, device.height() / dpiY);
    return PageCount();
}

void CSheetPrinter::PrintAll(QPagedPaintDevice& device, int fromPage, int toPage)
{
    Layout(device);
    const int first = fromPage > 0 ? std::min(fromPage, PageCount()) : 1;
    const int last = toPage > 0 ? std::min(toPage, PageCount()) : PageCount();
    QPainter painter(&device);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        DrawPage(painter, page);
    }
    painter.end();
}

void CSheetPrinter::DrawPage(QPainter& painter, int pageNumber) const
{
    if (pageNumber < 1 || pageNumber > PageCount())
        return;
    const PageRecord& record = m_pages[static_cast<std::size_t>(pageNumber - 1)];
    CPrintPage page(painter);
    if (record.title) {
        page.Push();
        page.SetFont(CPrintPage::kDefaultFont, 16, QFont::Bold);
        page.Text(0, kTitleTop, Q(kSheetTitle));
        page.Pop();
    }
    if (record.pageNumber)
        page.TextInBox(0, kTitleTop, m_width, 0.3,
                       QString::asprintf("Seite %i / %i", pageNumber, PageCount()), Qt::AlignRight | Qt::AlignTop);
    if (record.characterBlock)
        DrawCharacterBlock(page);
    if (record.skills)
        DrawSkills(page, record.skillsTop);
    for (int id = 0; id < kTableCount; ++id) {
        const TableSlice& slice = record.tables[static_cast<std::size_t>(id)];
        if (slice.first >= 0)
            DrawTable(page, id, slice, id != kStylesTable || record.styleDetails);
    }
}

void CSheetPrinter::DrawCharacterBlock(CPrintPage& page) const
{
    constexpr double kLine = 0.24, kFirst = 0.22;
    const double top = kCharacterTop;
    const double scale = m_width / kDesignWidth;
    const double characterWidth = 2.6 * scale, statsLeft = 2.7 * scale, statsWidth = 2.2 * scale;
    const double masterLeft = 5.0 * scale, masterWidth = m_width - masterLeft;

    page.Push();
    page.SetWeight(QFont::Bold);
    page.FramedBox(0, top, characterWidth, kCharacterHeight, Q(kCharacterCaption));
    page.FramedBox(statsLeft, top, statsWidth, kCharacterHeight, Q(kStatsCaption));
    page.FramedBox(masterLeft, top, masterWidth, kCharacterHeight, Q(kMasterLevelCaption));
    page.Pop();

    for (std::size_t i = 0; i < kCharacterLabels.size(); ++i) {
        const double y = top + kFirst + static_cast<double>(i) * kLine;
        page.Text(0.1, y, Q(kCharacterLabels[i]));
        page.TextInBox(0.75, y, characterWidth - 0.85, kLine, Q(m_content.character[i]), Qt::AlignLeft | Qt::AlignTop);
    }

    const double half = statsWidth / 2;
    for (std::size_t i = 0; i < kStatLabels.size(); ++i) {
        const double x = statsLeft + 0.1 + (i < 4 ? 0.0 : half);
        const double y = top + kFirst + static_cast<double>(i % 4) * kLine;
        page.Text(x, y, Q(kStatLabels[i]));
        page.TextInBox(x + 0.4, y, half - 0.55, kLine, QString::asprintf("%i", m_content.stats[i]),
                       Qt::AlignRight | Qt::AlignTop);
    }
    page.TextInBox(statsLeft + 0.1, top + kFirst + 4.4 * kLine, statsWidth - 0.2, kLine, Q(m_content.realmRank),
                   Qt::AlignLeft | Qt::AlignTop);
    page.TextInBox(statsLeft + 0.1, top + kFirst + 5.4 * kLine, statsWidth - 0.2, kLine,
                   Q(m_content.realmRankTitle), Qt::AlignLeft | Qt::AlignTop);

    if (m_content.masterLevel <= 0)
        return;
    page.Push();
    page.SetWeight(QFont::Bold);
    page.TextInBox(masterLeft + 0.1, top + kFirst, masterWidth - 0.2, kLine, Q(m_content.masterTrack),
                   Qt::AlignLeft | Qt::AlignTop);
    page.Pop();
    const std::size_t count = m_content.masterLevels.size();
    const std::size_t leftCount = (count + 1) / 2;
    const double columnWidth = (masterWidth - 0.2) / 2;
    page.Push();
    page.SetSize(9);
    for (std::size_t i = 0; i < count; ++i) {
        const bool reached = static_cast<int>(i) < m_content.masterLevel;
        page.SetColour(reached ? Qt::black : kUnreached);
        page.SetItalic(!reached);
        const double x = masterLeft + 0.1 + (i < leftCount ? 0.0 : columnWidth);
        const double y = top + kFirst + (1.2 + static_cast<double>(i < leftCount ? i : i - leftCount)) * kLine;
        page.TextInBox(x, y, columnWidth - 0.05, kLine,
                       QString::asprintf("%i ", static_cast<int>(i) + 1) + Q(m_content.masterLevels[i]),
                       Qt::AlignLeft | Qt::AlignTop);
    }
    page.Pop();
}

void CSheetPrinter::DrawSkills(CPrintPage& page, double top) const
{
    const std::size_t lines = m_content.skillLines.size();
    page.Push();
    page.SetSize(9);
    if (!m_content.careerMode) {
        for (std::size_t i = 0; i < lines; ++i) {
            const double y = top + static_cast<double>(i) * kSkillRowHeight;
            page.TextInBox(0, y, 2.2, kSkillRowHeight, Q(m_content.skillLines[i]));
            page.TextInBox(2.2, y, 0.4, kSkillRowHeight, QString::asprintf("%i", m_content.skillValues[i]),
                           Qt::AlignRight | Qt::AlignVCenter);
        }
        page.Pop();
        return;
    }
    page.SetSize(7.5);
    const double bandHeight = (static_cast<double>(lines) + 1) * kSkillRowHeight + kBandGap;
    for (int band = 0; band < BandCount(m_content); ++band) {
        const double y = top + band * bandHeight;
        const int firstStep = band * kStepsPerBand + 1;
        const int lastStep = std::min(firstStep + kStepsPerBand - 1, m_content.steps);
        page.Push();
        page.SetWeight(QFont::Bold);
        for (int step = firstStep; step <= lastStep; ++step) {
            const double x = kGridFirstColumn + (step - firstStep) * kGridColumnStep;
            page.TextInBox(x, y, kGridCellWidth, kSkillRowHeight, Q(LevelText(StepLevel(step))),
                           Qt::AlignRight | Qt::AlignVCenter);
        }
        page.Pop();
        const double right = kGridFirstColumn + (lastStep - firstStep) * kGridColumnStep + kGridCellWidth;
        page.Line(0, y + kSkillRowHeight, right, y + kSkillRowHeight, 0.007);
        for (std::size_t line = 0; line < lines; ++line) {
            const double rowY = y + (static_cast<double>(line) + 1) * kSkillRowHeight;
            page.TextInBox(0, rowY, kGridFirstColumn - 0.05, kSkillRowHeight, Q(m_content.skillLines[line]));
            for (int step = firstStep; step <= lastStep; ++step) {
                const double x = kGridFirstColumn + (step - firstStep) * kGridColumnStep;
                page.TextInBox(x, rowY, kGridCellWidth, kSkillRowHeight,
                               QString::asprintf("%i", m_content.grid[line][static_cast<std::size_t>(step - 1)]),
                               Qt::AlignRight | Qt::AlignVCenter);
            }
        }
    }
    page.Pop();
}

void CSheetPrinter::DrawTable(CPrintPage& page, int id, const TableSlice& slice, bool lines) const
{
    const SheetTable& table = m_content.tables[static_cast<std::size_t>(id)];
    const std::vector<double> lefts = ColumnLefts(id, table.columns.size(), m_width);
    page.Push();
    page.SetSize(kTableTextSize);
    // The heading line repeats on every page the table continues on.
    page.Push();
    page.SetWeight(QFont::Bold);
    for (std::size_t column = 0; column < table.columns.size(); ++column)
        page.TextInBox(lefts[column] + kCellPadding, slice.top, lefts[column + 1] - lefts[column] - kCellPadding, 0.22,
                       Q(table.columns[column]), Qt::AlignLeft | Qt::AlignBottom);
    page.Pop();
    page.Line(0, slice.top + 0.27, m_width, slice.top + 0.27, 0.01);

    double y = slice.top + kRowsBelowHeading;
    for (int i = slice.first; i < slice.end; ++i) {
        const TableRow& row = table.rows[static_cast<std::size_t>(i)];
        if (row.kind == RowKind::Heading) {
            page.FilledBox(0, y, m_width, kRowHeight, kHeadingFill);
            page.Push();
            page.SetWeight(QFont::Bold);
            page.TextInBox(kCellPadding, y, m_width - 2 * kCellPadding, kRowHeight,
                           row.cells.empty() ? QString() : Q(row.cells.front()));
            page.Pop();
        } else {
            for (std::size_t column = 0; column < row.cells.size() && column < table.columns.size(); ++column) {
                const double width = lefts[column + 1] - lefts[column] - kCellPadding;
                const QString text = Q(row.cells[column]);
                // A text too wide for its cell gets a smaller size before it is clipped.
                page.Push();
                const double wide = page.TextWidth(text);
                if (wide > width)
                    page.SetSize(std::max(kSmallestTextSize, kTableTextSize * width / wide));
                page.TextInBox(lefts[column] + kCellPadding, y, width, kRowHeight, text);
                page.Pop();
            }
        }
        if (lines && !row.lines.empty()) {
            page.Push();
            page.SetSize(kLineTextSize);
            page.SetItalic(true);
            for (std::size_t line = 0; line < row.lines.size(); ++line)
                page.TextInBox(kCellPadding, y + kRowHeight + static_cast<double>(line) * kLineHeight,
                               m_width - 2 * kCellPadding, kLineHeight, Q(row.lines[line]));
            page.Pop();
        }
        y += RowHeight(row);
    }
    page.Pop();
}

QString SheetName(const QString& title)
{
    return title.endsWith(QStringLiteral(".chr"), Qt::CaseInsensitive) ? title.chopped(4) : title;
}

SheetInputs SheetInputsFor(const QString& title)
{
    return {QStringToWindows1252(SheetName(title)), ParseVersion(QUILLMAR_VERSION), std::time(nullptr)};
}

QPageLayout DefaultSheetLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QString ExportSheetPdf(CSheetPrinter& printer, const QString& path, const QString& title, const QPageLayout& layout)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quillmar"));
        writer.setResolution(600);
        writer.setPageLayout(layout);
        printer.PrintAll(writer);
    }
    if (file.error() != QFileDevice::NoError) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
