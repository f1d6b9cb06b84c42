#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "pages/skills/CDlgRespec.h"
#include "shell/CShellContext.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

class CDlgRespecTest : public QObject {
    Q_OBJECT

private:
    CGameDatabase m_database;
    CAppSettings m_settings;
    RecordingPrompt m_prompt;
    std::unique_ptr<CShellContext> m_context;
    std::unique_ptr<CDlgRespec> m_dialog;
    // Style lines, then spell lines; Windows-1252 as the data has them.
    const std::vector<std::string> m_lines = {"Klingen", "Stumpfe Waffen", "Schildk\xE4mpfe", "Schlachtrufe"};

    void open(int level, UiLanguage language = UiLanguage::English)
    {
        m_dialog.reset();
        m_context =
            std::make_unique<CShellContext>(CShellContext{m_database, m_settings, m_prompt, language});
        m_dialog = std::make_unique<CDlgRespec>(*m_context, m_lines, level);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    QStringList labelTexts() const
    {
        QStringList texts;
        for (const QLabel* label : m_dialog->findChildren<QLabel*>())
            texts.append(label->text());
        return texts;
    }
    QPushButton* button(const char* name) const
    {
        return m_dialog->findChild<QPushButton*>(QLatin1String(name));
    }

private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }
    void cleanup() { m_dialog.reset(); }

    void showsTheFixedTextsInBothLanguages()
    {
        struct Case {
            UiLanguage language;
            const char* full;
            const char* line;
            QStringList labels;
            const char* cancel;
            const char* screenshot;
        };
        const Case cases[] = {
            {UiLanguage::German,
             "Voll Respec",
             "Line Respec",
             {"(Voll-Respec-Stein)", "(Line-Respec-Stein oder bei Level 20/40)",
              QStringLiteral(
                  "Der Character ist derzeit nicht Level 20 oder 40.\nSie benötigen einen Respec-Stein."),
              QStringLiteral("Ein Respec setzt die verteilten Punkte zurück auf 1."),
              "Falls eine Linie eine Autotrain-linie ist, wird diese wieder auf das minimum Level gesetz."},
             "Abbrechen",
             "respec_de"},
            {UiLanguage::English,
             "Full respec",
             "Line Respec",
             {"(Full-Respec-Stone)", "(Line-Respec-Stone or Level 20/40)",
              "This character is not Level 20 or 40.\nYou'll need a respec-stone.",
              "A repsec resets all skills to 1.",
              "If a line is 'auto-train' it will be refilled to the current minimum level."},
             "Cancel",
             "respec_en"},
        };
        for (const Case& c : cases) {
            open(35, c.language);
            QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Respec"));
            QCOMPARE(m_dialog->fullChoice()->text(), QString::fromLatin1(c.full));
            QCOMPARE(m_dialog->lineChoice()->text(), QString::fromLatin1(c.line));
            const QStringList texts = labelTexts();
            for (const QString& label : c.labels)
                QVERIFY2(texts.contains(label), qPrintable(label));
            QCOMPARE(button("ok")->text(), QStringLiteral("OK"));
            QCOMPARE(button("cancel")->text(), QString::fromLatin1(c.cancel));
            QVERIFY(SaveScreenshot(m_dialog->grab().toImage(), QLatin1String(c.screenshot)) ||
                    ScreenshotDir().isEmpty());
        }
    }

    void startsWithLineRespecOnTheFirstLine()
    {
        open(50);
        QVERIFY(m_dialog->lineChoice()->isChecked());
        QVERIFY(!m_dialog->fullChoice()->isChecked());
        QListWidget* list = m_dialog->lineList();
        QVERIFY(list->isEnabled());
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(2)->text(), QStringLiteral("Schildkämpfe"));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(list->selectedItems().size(), 1);
    }

    void theListIsEnabledOnlyForLineRespec()
    {
        open(50);
        QTest::mouseClick(m_dialog->fullChoice(), Qt::LeftButton);
        QVERIFY(m_dialog->fullChoice()->isChecked());
        QVERIFY(!m_dialog->lineList()->isEnabled());
        QVERIFY(button("ok")->isEnabled());
        QTest::mouseClick(m_dialog->lineChoice(), Qt::LeftButton);
        QVERIFY(m_dialog->lineList()->isEnabled());
    }

    void warnsAwayFromLevelTwentyAndForty()
    {
        const std::pair<int, bool> cases[] = {{35, true}, {20, false}, {40, false},
                                              {5, true},  {50, true},  {21, true}};
        for (const auto& [level, warned] : cases) {
            open(level);
            QCOMPARE(m_dialog->warningLabel()->isVisible(), warned);
            // The warning blocks nothing.
            QVERIFY(button("ok")->isEnabled());
        }
    }

    void okNamesTheChosenLineOrNone()
    {
        open(35);
        m_dialog->lineList()->setCurrentRow(2);
        button("ok")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->chosenLine(), std::string("Schildk\xE4mpfe"));

        open(35);
        QTest::mouseClick(m_dialog->fullChoice(), Qt::LeftButton);
        button("ok")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->chosenLine(), std::string());

        // A line chosen before switching to full respec does not count.
        open(35);
        m_dialog->lineList()->setCurrentRow(3);
        QTest::mouseClick(m_dialog->fullChoice(), Qt::LeftButton);
        button("ok")->click();
        QCOMPARE(m_dialog->chosenLine(), std::string());

        open(35);
        m_dialog->lineList()->setCurrentRow(1);
        button("cancel")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(m_dialog->chosenLine(), std::string());
    }

    void lineRespecWithoutASelectedLineCannotBeConfirmed()
    {
        // Confirming it would hand back the empty name, which means every line.
        open(50);
        m_dialog->lineList()->clearSelection();
        QVERIFY(!button("ok")->isEnabled());
        m_dialog->accept();
        QVERIFY(m_dialog->isVisible());
        QTest::mouseClick(m_dialog->fullChoice(), Qt::LeftButton);
        QVERIFY(button("ok")->isEnabled());

        // A class without lines.
        m_dialog = std::make_unique<CDlgRespec>(*m_context, std::vector<std::string>{}, 50);
        QCOMPARE(m_dialog->lineList()->count(), 0);
        QVERIFY(!button("ok")->isEnabled());
        m_dialog->fullChoice()->setChecked(true);
        QVERIFY(button("ok")->isEnabled());
    }
};

QTEST_MAIN(CDlgRespecTest)
#include "CDlgRespecTest.moc"
