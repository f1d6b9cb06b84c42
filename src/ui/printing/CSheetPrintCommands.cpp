#include "printing/CSheetPrintCommands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/CPrompt.h"
#include "printing/CDlgPrintOptions.h"
#include "printing/CSheetPrinter.h"
#include "shell/CCharacterDocument.h"
#include "shell/CQuillmarApp.h"

namespace {

QString SheetTitle(const CCharacterDocument& document)
{
    return SheetName(document.Title());
}

}  // namespace

CSheetPrintCommands::CSheetPrintCommands(CQuillmarApp& app, QWidget* window)
    : QObject(window), m_app(app), m_window(window)
{
    m_hasPrinter = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
}

CSheetPrintCommands::~CSheetPrintCommands() = default;

QPrinter& CSheetPrintCommands::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageLayout(DefaultSheetLayout());
    }
    return *m_printer;
}

void CSheetPrintCommands::ShowMessage(const QString& text, bool error)
{
    m_app.Prompt().Show({m_app.Text(ui_text::kApplicationTitle).toStdString(), text.toStdString(),
                         error ? PromptIcon::Error : PromptIcon::Information, PromptButtons::Ok});
}

bool CSheetPrintCommands::AskOptions(CCharacterDocument& document)
{
    if (!m_askOptions)
        return true;
    CDlgPrintOptions dialog(m_app.Context(), document.Doc(), m_window);
    return dialog.exec() == QDialog::Accepted;
}

void CSheetPrintCommands::Print(CCharacterDocument& document)
{
    // Paper needs a printer; preview and PDF do not.
    if (!m_hasPrinter()) {
        ShowMessage(m_app.Text(ui_text::kPrintNoPrinter), true);
        return;
    }
    if (!AskOptions(document))
        return;
    QPrinter& printer = Printer();
    if (printer.outputFormat() != QPrinter::NativeFormat)
        printer.setOutputFormat(QPrinter::NativeFormat);
    QPrintDialog dialog(&printer, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setDocName(SheetTitle(document));
    CSheetPrinter sheet(m_app.Database(), document.Doc(), m_app.Settings(), document.Title());
    const bool range = printer.printRange() == QPrinter::PageRange;
    sheet.PrintAll(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}

void CSheetPrintCommands::Preview(CCharacterDocument& document)
{
    if (!AskOptions(document))
        return;
    QPrinter& printer = Printer();
    CSheetPrinter sheet(m_app.Database(), document.Doc(), m_app.Settings(), document.Title());
    QPrintPreviewDialog dialog(&printer, m_window);
    dialog.setWindowTitle(m_app.Text(ui_text::kMenuPrintPreview) + QStringLiteral(" - ") + SheetTitle(document));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&sheet](QPrinter* target) { sheet.PrintAll(*target); });
    dialog.exec();
}

void CSheetPrintCommands::PageSetup()
{
    QPageSetupDialog dialog(&Printer(), m_window);
    dialog.exec();
}

bool CSheetPrintCommands::ExportPdf(CCharacterDocument& document)
{
    if (!AskOptions(document))
        return false;
    const QString folder = document.Path().isEmpty() ? QDir::currentPath() : QFileInfo(document.Path()).absolutePath();
    const QString suggestion = QDir(folder).filePath(SheetTitle(document) + QStringLiteral(".pdf"));
    QString path = m_choosePdf ? m_choosePdf(suggestion)
                               : QFileDialog::getSaveFileName(m_window, m_app.Text(ui_text::kMenuExportPdf).remove(
                                                                            QStringLiteral("...")),
                                                              suggestion, m_app.Text(ui_text::kPrintPdfFilter));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    return ExportPdfTo(document, path);
}

bool CSheetPrintCommands::ExportPdfTo(CCharacterDocument& document, const QString& path)
{
    CSheetPrinter sheet(m_app.Database(), document.Doc(), m_app.Settings(), document.Title());
    const QString error =
        ExportSheetPdf(sheet, path, SheetTitle(document), m_printer ? m_printer->pageLayout() : DefaultSheetLayout());
    if (error.isEmpty())
        return true;
    ShowMessage(m_app.Text(ui_text::kPrintPdfFailed).arg(QDir::toNativeSeparators(path), error), true);
    return false;
}
