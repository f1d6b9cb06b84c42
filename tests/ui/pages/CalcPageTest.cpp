// The calculations page: the sample script's rows as quillmar-cli prints them,
// columns that only grow, a Cancel that lasts as long as the page, and pages
// that keep their own rows.
#include <QJsonArray>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <fstream>
#include <memory>

#include "document/CQuillmarDoc.h"
#include "pages/calc/CPage6.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/PageTestContext.h"
#include "ui/support/PrintedPage.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

using namespace ui_test;

class CalcPageTest : public QObject, PageTestContext {
    Q_OBJECT

    RecordingPrompt m_cancel{PromptAnswer::Cancel};
    QTemporaryDir m_folder;
    std::unique_ptr<CQuillmarDoc> m_doc;

    std::filesystem::path script(const char* text)
    {
        static int count = 0;
        const std::filesystem::path path = m_folder.filePath(QString("s%1.lua").arg(++count)).toStdString();
        std::ofstream(path) << text;
        return path;
    }
    static QTreeWidget* table(const CPage6& page) { return ChildOf<QTreeWidget>(&page, "calcTable"); }
    static QStringList row(const CPage6& page, int index, int cells)
    {
        QStringList texts;
        for (int column = 0; column < cells; ++column)
            texts << table(page)->topLevelItem(index)->text(column);
        return texts;
    }

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
        CPage6 page(m_context, *m_doc);
        page.resize(700, 500);
        page.show();
        QVERIFY(m_prompt.messages.empty());
        QVERIFY(ChildOf<QPlainTextEdit>(&page, "calcLog")->toPlainText().startsWith("calc.lua: "));
        const QJsonObject printed = PrintedJson(*m_doc, {"calc"});
        const QJsonArray rows = printed["rows"].toArray();
        QVERIFY(rows.size() > 5);
        QCOMPARE(rows.size(), table(page)->topLevelItemCount());
        QCOMPARE(printed["columns"].toInt(), table(page)->columnCount());
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(row(page, i, rows[i].toArray().size()), rows[i].toVariant().toStringList());
        SaveScreenshot(page.grab().toImage(), "CalcPage");
    }

    void columnsOnlyGrowAndEachPageKeepsItsRows()
    {
        CPage6 page(m_context, *m_doc), other(m_context, *m_doc);
        const int sampleColumns = table(page)->columnCount();  // the sample ran on creation
        QCOMPARE(page.RunScript(script("output(1, 'a')")), ScriptOutcome::Completed);
        QCOMPARE(table(page)->columnCount(), sampleColumns);
        QCOMPARE(row(page, 0, 2), (QStringList{"1", "a"}));
        page.RunScript(script("output(1, 2, 3, 4, 5, 6, 7, 8, 9)"));
        other.RunScript(script("output('two') output('two')"));
        page.RunScript(script("output('x') log('y') error('z')"));
        QCOMPARE(table(page)->columnCount(), 9);
        QCOMPARE(table(page)->topLevelItemCount(), 1);
        QCOMPARE(row(page, 0, 3), (QStringList{"x", "", ""}));
        QVERIFY(ChildOf<QPlainTextEdit>(&page, "calcLog")->toPlainText().startsWith("y\n"));
        QCOMPARE(table(other)->topLevelItemCount(), 2);
        QCOMPARE(table(other)->columnCount(), sampleColumns);
    }

    void cancelDisablesUntilThePageIsMadeAgain()
    {
        CShellContext context{m_database, m_settings, m_cancel, UiLanguage::English};
        const auto broken = script("output(1) x = = 1");
        auto page = std::make_unique<CPage6>(context, *m_doc);
        page->RunScript(broken);
        QCOMPARE(page->RunScript(broken), ScriptOutcome::Disabled);
        page->OnLevelChanged();
        QCOMPARE(m_cancel.messages.size(), 1u);
        QCOMPARE(table(*page)->topLevelItemCount(), 0);
        page = std::make_unique<CPage6>(context, *m_doc);
        QCOMPARE(page->RunScript(broken), ScriptOutcome::Failed);
        QCOMPARE(m_cancel.messages.size(), 2u);
    }
};

QTEST_MAIN(CalcPageTest)
#include "CalcPageTest.moc"
