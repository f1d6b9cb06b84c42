// The printing commands of the main window: the print options dialog and its
// settings, the message when there is no printer, and PDF export from the
// menu, written whole or not at all.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QtTest>

#include "document/CAppSettings.h"
#include "printing/CDlgPrintOptions.h"
#include "printing/CSheetPrintCommands.h"
#include "shell/CCharacterDocument.h"
#include "shell/CMainFrame.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/ShellFixture.h"
#include "ui/support/UiTestSupport.h"

class PrintingTest : public QObject {
    Q_OBJECT

    ShellFixture m_shell{PromptAnswer::Ok};
    RecordingPrompt& m_prompt = m_shell.prompt;
    CQuillmarApp* m_app = &m_shell.App();

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        QVERIFY(m_shell.Start());
        QVERIFY(m_app->DocumentCount() == 1);
    }

    void optionsDialogReadsTheKeysAndWritesEachChange()
    {
        CAppSettings& settings = m_app->Settings();
        CQuillmarDoc& doc = m_app->Document(0)->Doc();
        doc.SetOption(doc_option::ShowAllStyles, 1);
        doc.SetOption(doc_option::ShowAllSpells, 1);
        // All styles follows the page (ticked); all spells is only usable, whatever the page says.
        for (const auto& [key, value] : {std::pair{setting::PrintAllStyles, 0}, {setting::PrintAllSpells, -1},
                                         {setting::PrintStyleSort, 2}, {setting::PrintNoStyles, 0},
                                         {setting::PrintNoSpells, 1}, {setting::PrintNoRAs, 0}})
            settings.Set(key, value);

        CDlgPrintOptions dialog(m_app->Context(), doc);
        QVERIFY(dialog.AllStyles()->isChecked());
        QVERIFY(!dialog.AllSpells()->isChecked());
        QCOMPARE(dialog.StyleSort()->currentData().toInt(), 2);
        QCOMPARE(dialog.StyleSort()->currentText(), QStringLiteral("By level only"));
        QVERIFY(!dialog.AllSpells()->isEnabled() && !dialog.SpellDescriptions()->isEnabled());
        QVERIFY(dialog.AllStyles()->isEnabled() && dialog.StyleSort()->isEnabled());
        QVERIFY(dialog.AllRealmAbilities()->isEnabled());
        SaveScreenshot(dialog.grab().toImage(), "PrintOptions");

        dialog.NoStyles()->setChecked(true);
        QCOMPARE(settings.Get(setting::PrintNoStyles), 1);
        QVERIFY(!dialog.AllStyles()->isEnabled() && !dialog.StyleSort()->isEnabled());
        dialog.AllStyles()->setChecked(false);
        QCOMPARE(settings.Get(setting::PrintAllStyles), -1);
        dialog.NoSpells()->setChecked(false);
        QCOMPARE(settings.Get(setting::PrintNoSpells), 0);
        QVERIFY(dialog.AllSpells()->isEnabled() && dialog.SpellDescriptions()->isEnabled());
        dialog.AllSpells()->setChecked(true);
        QCOMPARE(settings.Get(setting::PrintAllSpells), 1);
        dialog.StyleSort()->setCurrentIndex(dialog.StyleSort()->findData(3));
        QCOMPARE(settings.Get(setting::PrintStyleSort), 3);
        dialog.NoRealmAbilities()->setChecked(true);
        QVERIFY(!dialog.AllRealmAbilities()->isEnabled());
        QCOMPARE(settings.Get(setting::PrintNoRAs), 1);
    }

    void printingNeedsAPrinterPdfDoesNot()
    {
        CMainFrame* frame = m_app->MainFrame();
        for (QAction* action : {frame->PrintAction(), frame->PrintPreviewAction(), frame->ExportPdfAction()})
            QVERIFY(action->isEnabled());
        CSheetPrintCommands* commands = frame->PrintCommands();
        commands->SetAskOptions(false);
        commands->SetPrinterCheck([] { return false; });
        CCharacterDocument& document = *m_app->Document(0);

        m_prompt.messages.clear();
        commands->Print(document);
        QCOMPARE(m_prompt.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m_prompt.messages[0].text), QStringLiteral("No printer found."));

        // The preview needs no printer: it lays the sheet out for its own printer.
        int pages = 0;
        ui_test::WhenModalOpens<QPrintPreviewDialog>([&pages](QPrintPreviewDialog* preview) {
            pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->reject();
        });
        commands->Preview(document);
        QVERIFY(pages >= 1);

        const QString written = m_shell.FilePath(QStringLiteral("sheet"));
        commands->SetPdfChooser([&written](const QString& suggestion) {
            // A new character's sheet is named after its untitled name.
            return suggestion.endsWith(QStringLiteral("Quillmar1.pdf")) ? written : QString();
        });
        m_prompt.messages.clear();
        QVERIFY(commands->ExportPdf(document));
        QFile pdf(written + QStringLiteral(".pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(m_prompt.messages.empty());

        const QString nowhere = m_shell.FilePath(QStringLiteral("no/such/folder/sheet.pdf"));
        QVERIFY(!commands->ExportPdfTo(document, nowhere));
        QCOMPARE(m_prompt.messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(m_prompt.messages[0].text).startsWith(QStringLiteral("The PDF file")));
        QVERIFY(!QFile::exists(nowhere));
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
