// The File menu's printing commands for the current character: print, print
// preview, page set-up and PDF export. Each asks for the print options first.
// The printer is made on first use, so that start-up does not wait for the
// printing system.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class CCharacterDocument;
class CQuillmarApp;

class CSheetPrintCommands : public QObject {
    Q_OBJECT
public:
    CSheetPrintCommands(CQuillmarApp& app, QWidget* window);
    ~CSheetPrintCommands() override;

    void Print(CCharacterDocument& document);
    void Preview(CCharacterDocument& document);
    void PageSetup();
    // Asks for the file name; false when nothing was written.
    bool ExportPdf(CCharacterDocument& document);
    // Writes the PDF to the path with the stored options; failures are shown.
    bool ExportPdfTo(CCharacterDocument& document, const QString& path);

    // Seams: whether a printer exists, whether the options dialog is shown,
    // and how the PDF's file name is asked for.
    void SetPrinterCheck(std::function<bool()> check) { m_hasPrinter = std::move(check); }
    void SetAskOptions(bool ask) { m_askOptions = ask; }
    void SetPdfChooser(std::function<QString(const QString&)> chooser) { m_choosePdf = std::move(chooser); }

private:
    QPrinter& Printer();
    bool AskOptions(CCharacterDocument& document);
    void ShowMessage(const QString& text, bool error);

    CQuillmarApp& m_app;
    QWidget* m_window;
    std::unique_ptr<QPrinter> m_printer;
    std::function<bool()> m_hasPrinter;
    std::function<QString(const QString&)> m_choosePdf;
    bool m_askOptions = true;
};
