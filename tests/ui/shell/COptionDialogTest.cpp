#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "shell/COptionDialog.h"
#include "support/RecordingPrompt.h"
#include "ui/support/QuietPlatform.h"

class COptionDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::filesystem::path m_file;
    CGameDatabase m_database{"."};
    CAppSettings m_settings;
    RecordingPrompt m_prompt;
    std::unique_ptr<CShellContext> m_context;
    std::unique_ptr<COptionDialog> m_dialog;

    COptionDialog& open(UiLanguage language = UiLanguage::English)
    {
        m_context =
            std::make_unique<CShellContext>(CShellContext{m_database, m_settings, m_prompt, language});
        m_dialog = std::make_unique<COptionDialog>(*m_context);
        m_dialog->SetSettingsFile(m_file);
        m_dialog->show();
        return *m_dialog;
    }
    template <typename T> T* child(const char* name) const
    {
        T* widget = m_dialog->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    QSlider* delay() const { return child<QSlider>("delay"); }
    QString delayText() const { return child<QLineEdit>("delayText")->text(); }
    QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
    // A file as the program would have written it, with remembered choices and print options.
    void writeFile(int delayValue)
    {
        CAppSettings file;
        file.Set(setting::TOOLTIP_DELAY, delayValue);
        file.Set(setting::UI_TOOLTIPS, 0);
        file.Set(setting::SHOW_OLD_RAS, 1);
        file.Set(setting::LAST_REALM, 2);
        file.Set(setting::LAST_CLASS, 7);
        file.Set(setting::LAST_RACE, 4);
        file.Set(setting::LAST_PAGE, 3);
        file.Set(setting::PrintAllSpells, 1);
        file.Set(setting::PrintNoRAs, 1);
        QVERIFY(file.Save(m_file, nullptr));
        QCOMPARE(m_settings.Load(m_file), CAppSettings::LoadResult::Read);
    }
    CNamedValueList fileContents() const
    {
        CAppSettings read;
        read.Load(m_file);
        return read.Values();
    }

private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_file = std::filesystem::path(m_dir->path().toStdString()) / "config.bin";
        m_settings.Reset();
        m_prompt.messages.clear();
    }
    void cleanup()
    {
        m_dialog.reset();
        m_dir.reset();
    }

    void delayTextFollowsTheBar_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1500") << 1500 << "1.5s";
        QTest::newRow("0") << 0 << "0.0s";
        QTest::newRow("5000") << 5000 << "5.0s";
        QTest::newRow("above the range") << 9000 << "5.0s";
    }
    void delayTextFollowsTheBar()
    {
        QFETCH(int, value);
        QFETCH(QString, shown);
        open();
        delay()->setValue(value);
        QCOMPARE(delayText(), shown);
    }

    void barMovedWithTheKeyboard()
    {
        m_settings.Set(setting::TOOLTIP_DELAY, 1500);
        open();
        QCOMPARE(delayText(), QStringLiteral("1.5s"));
        QTest::keyClick(delay(), Qt::Key_Right);
        QCOMPARE(delayText(), QStringLiteral("1.6s"));
        QTest::keyClick(delay(), Qt::Key_Home);
        QCOMPARE(delayText(), QStringLiteral("0.0s"));
        QTest::keyClick(delay(), Qt::Key_PageUp);
        QCOMPARE(delay()->value(), 500);
    }

    void controlsShowTheCurrentSettings()
    {
        m_settings.Set(setting::TOOLTIP_DELAY, 1200);
        m_settings.Set(setting::UI_TOOLTIPS, 0);
        m_settings.Set(setting::SAVE_MODIFIED, 0);
        m_settings.Set(setting::SHOW_OLD_RAS, 1);
        m_settings.Set(setting::SHOW_EXPERIMENTAL, 1);
        m_settings.Set(setting::DONT_SAVE_SELECTION, 1);
        m_settings.Set(setting::DEFAULT_DB, 7);  // anything but 0 loads English
        open();
        QCOMPARE(delay()->value(), 1200);
        QCOMPARE(delayText(), QStringLiteral("1.2s"));
        QVERIFY(!box("uiTooltips")->isChecked());
        QVERIFY(!box("saveModified")->isChecked());
        QVERIFY(box("showOldRas")->isChecked());
        QVERIFY(box("showExperimental")->isChecked());
        QVERIFY(!box("saveSelection")->isChecked());
        QCOMPARE(child<QComboBox>("defaultDb")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>("defaultDb")->itemText(0), QStringLiteral("Deutsch"));
        QCOMPARE(child<QComboBox>("defaultDb")->itemText(1), QStringLiteral("English"));
    }

    void okWritesEachControlsKey_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::newRow("delay") << "delay"
                               << "TOOLTIP_DELAY" << 2500;
        QTest::newRow("ui tooltips off") << "uiTooltips"
                                         << "UI_TOOLTIPS" << 0;
        QTest::newRow("save question off") << "saveModified"
                                           << "SAVE_MODIFIED" << 0;
        QTest::newRow("old realm abilities") << "showOldRas"
                                             << "SHOW_OLD_RAS" << 1;
        QTest::newRow("experimental pages") << "showExperimental"
                                            << "SHOW_EXPERIMENTAL" << 1;
        QTest::newRow("last selection unticked") << "saveSelection"
                                                 << "DONT_SAVE_SELECTION" << 1;
        QTest::newRow("English data") << "defaultDb"
                                      << "DEFAULT_DB" << 1;
    }
    void okWritesEachControlsKey()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        QFETCH(int, value);
        open();
        QWidget* widget = m_dialog->findChild<QWidget*>(control);
        QVERIFY(widget);
        if (auto* slider = qobject_cast<QSlider*>(widget))
            slider->setValue(value);
        else if (auto* check = qobject_cast<QCheckBox*>(widget))
            check->click();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            combo->setCurrentIndex(value);
        child<QPushButton>("okButton")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));

        const std::string name = key.toStdString();
        CAppSettings defaults;
        QCOMPARE(m_settings.Get(name), value);
        const CNamedValueList written = fileContents();
        QCOMPARE(written.Get(name), value);
        // Every other key keeps its default.
        for (const NamedValue& pair : defaults.Values()) {
            if (pair.key != name)
                QCOMPARE(written.Get(pair.key), pair.value);
        }
        QCOMPARE(written.Count(), 7);
        QVERIFY(m_prompt.messages.empty());
    }

    void defaultThenCancelLeavesTheSettingsOfTheFile()
    {
        writeFile(3000);
        const CNamedValueList before = m_settings.Values();
        open();
        QCOMPARE(delay()->value(), 3000);
        child<QPushButton>("defaultButton")->click();
        // At once: in memory and in the controls.
        QVERIFY(!m_settings.Values().Contains(setting::LAST_REALM));
        QCOMPARE(delay()->value(), 500);
        QCOMPARE(delayText(), QStringLiteral("0.5s"));
        QVERIFY(box("uiTooltips")->isChecked());
        QVERIFY(!box("showOldRas")->isChecked());
        QVERIFY(box("saveSelection")->isChecked());
        child<QPushButton>("cancelButton")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QVERIFY(m_settings.Values() == before);
        QVERIFY(fileContents() == before);
    }

    void defaultThenOkForgetsRememberedChoicesAndPrintOptions()
    {
        writeFile(3000);
        open();
        child<QPushButton>("defaultButton")->click();
        child<QPushButton>("okButton")->click();
        const CAppSettings defaults;
        QVERIFY(m_settings.Values() == defaults.Values());
        QVERIFY(fileContents() == defaults.Values());
        for (const std::string_view key : {setting::LAST_REALM, setting::LAST_CLASS, setting::LAST_RACE,
                                           setting::LAST_PAGE, setting::PrintAllSpells, setting::PrintNoRAs})
            QVERIFY(!fileContents().Contains(key));
    }

    void okKeepsRememberedChoices()
    {
        writeFile(3000);
        m_settings.Set(setting::LAST_PAGE, 5);  // chosen since the file was read
        open();
        box("showExperimental")->click();
        child<QPushButton>("okButton")->click();
        const CNamedValueList written = fileContents();
        QCOMPARE(written.Get(setting::LAST_PAGE), 5);
        QCOMPARE(written.Get(setting::LAST_REALM), 2);
        QCOMPARE(written.Get(setting::PrintAllSpells), 1);
        QCOMPARE(written.Get(setting::SHOW_EXPERIMENTAL), 1);
        QCOMPARE(written.Get(setting::TOOLTIP_DELAY), 3000);
    }

    // Cancel undoes the dialog, not what the program remembered meanwhile.
    void cancelAndCloseKeepUnsavedRememberedChoices_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("cancel") << false;
        QTest::newRow("close") << true;
    }
    void cancelAndCloseKeepUnsavedRememberedChoices()
    {
        QFETCH(bool, close);
        writeFile(3000);
        m_settings.Set(setting::LAST_PAGE, 5);
        const CNamedValueList before = m_settings.Values();
        open();
        box("showOldRas")->click();
        delay()->setValue(100);
        child<QPushButton>("defaultButton")->click();
        if (close)
            m_dialog->close();
        else
            child<QPushButton>("cancelButton")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QVERIFY(m_settings.Values() == before);
        QCOMPARE(m_settings.Get(setting::LAST_PAGE), 5);
        // Nothing was written.
        QCOMPARE(fileContents().Get(setting::LAST_PAGE), 3);
    }

    void noFileAndCancelKeepsTheDefaults()
    {
        open();
        box("saveModified")->click();
        child<QPushButton>("cancelButton")->click();
        QVERIFY(m_settings.Values() == CAppSettings().Values());
        QVERIFY(!std::filesystem::exists(m_file));
    }

    void enterIsOkAndEscapeIsCancel()
    {
        COptionDialog& dialog = open();
        dialog.hide();
        box("showExperimental")->setChecked(true);
        QTimer::singleShot(0, this, [this] {
            QApplication::setActiveWindow(m_dialog.get());
            box("uiTooltips")->setFocus();
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_dialog.get(),
                            Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(fileContents().Get(setting::SHOW_EXPERIMENTAL), 1);

        std::filesystem::remove(m_file);
        COptionDialog& second = open();
        second.hide();
        box("showOldRas")->setChecked(true);
        QTimer::singleShot(0, this, [this] {
            QApplication::setActiveWindow(m_dialog.get());
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        });
        QCOMPARE(second.exec(), int(QDialog::Rejected));
        QCOMPARE(m_settings.Get(setting::SHOW_OLD_RAS), 0);
        QVERIFY(!std::filesystem::exists(m_file));
    }

    void tabOrderAndSpaceToggles()
    {
        COptionDialog& dialog = open();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        delay()->setFocus();
        const QStringList expected = {"uiTooltips",    "saveModified", "showOldRas",    "showExperimental",
                                      "saveSelection", "defaultDb",    "defaultButton", "okButton",
                                      "cancelButton",  "delay"};
        for (const QString& name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
        // The seconds field is not a stop of its own.
        QCOMPARE(child<QLineEdit>("delayText")->focusPolicy(), Qt::NoFocus);

        box("showOldRas")->setFocus();
        QVERIFY(!box("showOldRas")->isChecked());
        QTest::keyClick(box("showOldRas"), Qt::Key_Space);
        QVERIFY(box("showOldRas")->isChecked());
        QTest::keyClick(box("showOldRas"), Qt::Key_Space);
        QVERIFY(!box("showOldRas")->isChecked());
    }

    void failedSaveIsReportedAndTheSettingsStillApply()
    {
        // A plain file where the folder would have to be.
        QFile blocker(m_dir->filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        open();
        m_dialog->SetSettingsFile(std::filesystem::path(blocker.fileName().toStdString()) / "config.bin");
        box("showOldRas")->click();
        child<QPushButton>("okButton")->click();
        QCOMPARE(m_prompt.messages.size(), std::size_t{1});
        QCOMPARE(m_prompt.messages[0].caption, std::string("Error"));
        QCOMPARE(m_prompt.messages[0].text,
                 std::string("can't create 'config.bin'! Unable to save settings"));
        QCOMPARE(m_prompt.messages[0].icon, PromptIcon::Error);
        QCOMPARE(m_settings.Get(setting::SHOW_OLD_RAS), 1);
    }

    void savesIntoAConfigFolderThatDoesNotExistYet()
    {
        open();
        m_file = std::filesystem::path(m_dir->path().toStdString()) / "user" / "Quillmar" / "config.bin";
        m_dialog->SetSettingsFile(m_file);
        child<QPushButton>("okButton")->click();
        QVERIFY(m_prompt.messages.empty());
        QVERIFY(fileContents() == CAppSettings().Values());
    }

    void textsInBothLanguages_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("de") << true
                            << QStringList{"Verzögerung",
                                           "User-Interface Tooltips",
                                           "'Änderungen speichern' Dialog beim beenden",
                                           "Zeige alte Realm Abilities",
                                           "Zeige experimentelle Seiten",
                                           "Speichern der letzten Auswahl",
                                           "Haupt DB:",
                                           "Voreinstellung",
                                           "OK",
                                           "Abbrechen",
                                           "Tool Tips"};
        QTest::newRow("en") << false
                            << QStringList{"Description delay",
                                           "User-Interface Tooltips",
                                           "Ask: \"save modified ?\" on close",
                                           "Show old Realm Abilities",
                                           "Show experimental pages",
                                           "Save last selection",
                                           "Default DB:",
                                           "Default",
                                           "OK",
                                           "Cancel",
                                           "Tool Tips"};
    }
    void textsInBothLanguages()
    {
        QFETCH(bool, german);
        QFETCH(QStringList, texts);
        open(german ? UiLanguage::German : UiLanguage::English);
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Options"));
        QStringList shown;
        for (const QLabel* label : m_dialog->findChildren<QLabel*>())
            shown << label->text();
        for (const QAbstractButton* button : m_dialog->findChildren<QAbstractButton*>())
            shown << button->text();
        for (const QGroupBox* group : m_dialog->findChildren<QGroupBox*>())
            shown << group->title();
        for (const QString& text : texts)
            QVERIFY2(shown.contains(text), qPrintable(text));
    }

    void screenshots()
    {
        const QByteArray dir = qgetenv("QUILLMAR_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("QUILLMAR_SCREENSHOT_DIR is not set");
        for (const bool german : {true, false}) {
            open(german ? UiLanguage::German : UiLanguage::English);
            QVERIFY(m_dialog->grab().save(
                QString::fromLocal8Bit(dir) +
                (german ? QStringLiteral("/options_de.png") : QStringLiteral("/options_en.png"))));
        }
    }
};

QTEST_MAIN(COptionDialogTest)
#include "COptionDialogTest.moc"
