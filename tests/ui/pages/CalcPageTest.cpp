// The calculations page: the rows of its script, columns that only grow, a
// Cancel that lasts as long as the page, pages that keep their own rows, and
// the same rows from quillmar-cli.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <fstream>
#include <memory>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"
#include "pages/calc/CPage6.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

using namespace ui_test;

class CalcPageTest : public QObject {
    Q_OBJECT

    CGameDatabase m_database{QUILLMAR_SHIPPED_DATA};
    CAppSettings m_settings;
    RecordingPrompt m_prompt;
    RecordingPrompt m_cancel{PromptAnswer::Cancel};
    QTemporaryDir m_folder;
    std::unique_ptr<CQuillmarDoc> m_doc;

    std::filesystem::path script(const char* name, const char* text)
    {
        const std::filesystem::path path = m_folder.filePath(name).toStdString();
        std::ofstream(path) << text;
        return path;
    }
    static QStringList row(const CPage6& page, int index)
    {
        const auto* table = ChildOf<QTreeWidget>(&page, "calcTable");
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->topLevelItem(index)->text(column);
        return cells;
    }
    static QTreeWidget* table(const CPage6& page) { return ChildOf<QTreeWidget>(&page, "calcTable"); }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_database.Load("en");
        m_doc = std::make_unique<CQuillmarDoc>(m_database, m_settings);
        m_doc->SetClass(m_database.Classes().Name(0));
        m_doc->ActivateSelection();
        m_doc->SetSpecLevel("Blades", 30);
    }

    void sampleScriptRowsMatchTheCommandLine()
    {
        CShellContext context{m_database, m_settings, m_prompt, UiLanguage::English};
        CPage6 page(context, *m_doc);
        page.resize(700, 500);
        page.show();
        QVERIFY(m_prompt.messages.empty());
        QCOMPARE(ChildOf<QLabel>(&page, "calcTestPage")->text(), QStringLiteral("DIES IST DEZEIT EINE REINE TESTSEITE"));
        QVERIFY(table(page)->topLevelItemCount() > 5);
        QVERIFY(ChildOf<QPlainTextEdit>(&page, "calcLog")->toPlainText().startsWith("calc.lua: "));

        const QString file = m_folder.filePath("hero.chr");
        QVERIFY(SaveCharacterFile(*m_doc, file.toStdString(), UiLanguage::English).ok);
        QProcess cli;
        cli.start(QUILLMAR_CLI, {"calc", file, "--data-root", QUILLMAR_SHIPPED_DATA, "--data", "en"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject printed = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        const QJsonArray rows = printed["rows"].toArray();
        QCOMPARE(rows.size(), table(page)->topLevelItemCount());
        QCOMPARE(printed["columns"].toInt(), table(page)->columnCount());
        for (int i = 0; i < rows.size(); ++i) {
            QStringList cells = row(page, i);
            cells.resize(rows[i].toArray().size());
            QCOMPARE(cells, rows[i].toVariant().toStringList());
        }
        SaveScreenshot(page.grab().toImage(), "CalcPage");
    }

    void columnsOnlyGrowAndRowsBeforeAnErrorStay()
    {
        CShellContext context{m_database, m_settings, m_prompt, UiLanguage::English};
        CPage6 page(context, *m_doc);
        const int sampleColumns = table(page)->columnCount();  // the sample script ran on creation
        QVERIFY(sampleColumns >= 2);
        QCOMPARE(page.RunScript(script("a.lua", "output(1, 'a')")), ScriptOutcome::Completed);
        QCOMPARE(table(page)->columnCount(), sampleColumns);
        QCOMPARE(row(page, 0).mid(0, 2), (QStringList{"1", "a"}));
        page.RunScript(script("b.lua", "output(1, 2, 3, 4, 5, 6, 7, 8, 9)"));
        QCOMPARE(table(page)->columnCount(), 9);
        const std::size_t boxes = m_prompt.messages.size();
        page.RunScript(script("c.lua", "output('x') log('y') error('z')"));
        QCOMPARE(table(page)->columnCount(), 9);
        QCOMPARE(table(page)->topLevelItemCount(), 1);
        QCOMPARE(row(page, 0).mid(0, 3), (QStringList{"x", "", ""}));
        QCOMPARE(m_prompt.messages.size(), boxes + 1);
        QVERIFY(ChildOf<QPlainTextEdit>(&page, "calcLog")->toPlainText().startsWith("y\n"));
    }

    void cancelDisablesUntilThePageIsMadeAgain()
    {
        CShellContext context{m_database, m_settings, m_cancel, UiLanguage::English};
        const auto broken = script("broken.lua", "output(1) x = = 1");
        auto page = std::make_unique<CPage6>(context, *m_doc);
        page->RunScript(broken);
        QCOMPARE(m_cancel.messages.size(), 1u);
        QCOMPARE(page->RunScript(broken), ScriptOutcome::Disabled);
        page->OnLevelChanged();
        QCOMPARE(m_cancel.messages.size(), 1u);
        QCOMPARE(table(*page)->topLevelItemCount(), 0);
        page = std::make_unique<CPage6>(context, *m_doc);
        QVERIFY(page->RunScript(broken) == ScriptOutcome::Failed);
        QCOMPARE(m_cancel.messages.size(), 2u);
    }

    void twoPagesGetTheirOwnRows()
    {
        CShellContext context{m_database, m_settings, m_prompt, UiLanguage::English};
        CPage6 first(context, *m_doc);
        CPage6 second(context, *m_doc);
        first.RunScript(script("one.lua", "output('one')"));
        second.RunScript(script("two.lua", "output('two') output('two')"));
        QCOMPARE(table(first)->topLevelItemCount(), 1);
        QCOMPARE(row(first, 0).first(), QStringLiteral("one"));
        QCOMPARE(table(second)->topLevelItemCount(), 2);
    }
};

QTEST_MAIN(CalcPageTest)
#include "CalcPageTest.moc"
