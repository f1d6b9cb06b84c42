// The master levels page: the track button and the slider change the document
// and move the marks, the description follows the pointer and the current row,
// and the lists are what quillmar-cli prints for the same saved character.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>

#include <memory>

#include "controls/CButtonSelect.h"
#include "controls/CEditColor.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"
#include "markup/CEditCtrlFormat.h"
#include "markup/CRichTooltip.h"
#include "pages/masterlevels/CPage8_MasterLevels.h"
#include "pages/masterlevels/TimerPictures.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

using namespace masterlevels_rules;
using namespace ui_test;

class MasterLevelsPageTest : public QObject {
    Q_OBJECT

    CGameDatabase m_database{QUILLMAR_SHIPPED_DATA};
    CAppSettings m_settings;
    RecordingPrompt m_prompt;
    CShellContext m_context{m_database, m_settings, m_prompt, UiLanguage::English};
    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CPage8_MasterLevels> m_page;

    CPage8_MasterLevels* makePage(const std::string& className, int option, int level)
    {
        m_page.reset();
        m_doc = std::make_unique<CQuillmarDoc>(m_database, m_settings);
        m_doc->SetClass(className);
        m_doc->ActivateSelection();
        m_doc->StoreMasterLevels(option, level);
        m_doc->SetModified(false);
        m_page = std::make_unique<CPage8_MasterLevels>(m_context, *m_doc);
        m_page->resize(900, 640);
        m_page->show();
        return m_page.get();
    }
    CListCtrlMoreNotifies* list(int track) const
    {
        return ChildOf<CListCtrlMoreNotifies>(m_page.get(), track == 0 ? "firstTrackList" : "secondTrackList");
    }
    QString description() const
    {
        return QString::fromStdString(ChildOf<CEditCtrlFormat>(m_page.get(), "description")->markup());
    }
    QString describe(int track, int level)
    {
        return QString::fromStdString(Description(m_database, BuildModel(m_database, *m_doc).tracks[track], level));
    }
    // The marks of both lists as 0/1 strings, read from the drawn background.
    QStringList marks() const
    {
        QStringList shown;
        for (int track = 0; track < kTrackCount; ++track) {
            QString row;
            for (int i = 0; i < list(track)->topLevelItemCount(); ++i)
                row += list(track)->topLevelItem(i)->background(kTimerColumn).color() ==
                               Colour(kMarkedBackground) ? '1' : '0';
            shown << row;
        }
        return shown;
    }
    static QStringList reached(int track, int level)
    {
        const QString on = QString(level, '1') + QString(10 - level, '0');
        return track == 0 ? QStringList{on, QString(10, '0')} : QStringList{QString(10, '0'), on};
    }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_database.Load("en");
        QVERIFY(m_database.IsLoaded());
    }
    void cleanup() { m_page.reset(); }

    void trackButtonMovesTheMarksAndKeepsTheLevel()
    {
        makePage("Banner Knight", 0, 4);
        auto* button = ChildOf<CButtonSelect>(m_page.get(), "trackButton");
        QCOMPARE(marks(), reached(0, 4));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(std::make_tuple(m_doc->GetMasterLevelOption(), m_doc->GetMasterLevel(), m_doc->IsModified()),
                 std::make_tuple(1, 4, true));
        QCOMPARE(button->text(), QStringLiteral("Path of the Wall"));
        QCOMPARE(marks(), reached(1, 4));
        QCOMPARE(description(), describe(1, 0));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(m_doc->GetMasterLevelOption(), 0);
        QCOMPARE(button->text(), QStringLiteral("Path of the Banner"));
        QCOMPARE(marks(), reached(0, 4));
    }

    void sliderKeysSetTheLevel()
    {
        makePage("Banner Knight", 1, 6);
        auto* slider = ChildOf<QSlider>(m_page.get(), "masterLevelSlider");
        QCOMPARE(slider->value(), 6);
        slider->setFocus();
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Home, 0}, {Qt::Key_Down, 1}, {Qt::Key_PageDown, 3},
                                                 {Qt::Key_End, 10}, {Qt::Key_Down, 10}, {Qt::Key_Up, 9},
                                                 {Qt::Key_PageUp, 7}};
        for (const auto& [key, level] : steps) {
            QTest::keyClick(slider, key);
            QCOMPARE(m_doc->GetMasterLevel(), level);
            QCOMPARE(ChildOf<CEditColor>(m_page.get(), "masterLevel")->text(), QString::number(level));
            QCOMPARE(marks(), reached(1, level));
        }
    }

    // The pointer describes a row once until another row of its list is
    // described; the current row of a list is described whenever it moves.
    void descriptionFollowsThePointerAndTheCurrentRow()
    {
        makePage("Banner Knight", 0, 2);
        const auto hover = [this](int track, int row) {
            QWidget* area = list(track)->viewport();
            move(area, list(track)->visualItemRect(list(track)->topLevelItem(row)).center());
        };
        QCOMPARE(description(), describe(0, 0));
        hover(0, 2);
        QCOMPARE(description(), describe(0, 3));
        QTest::keyClick(ChildOf<QSlider>(m_page.get(), "masterLevelSlider"), Qt::Key_Down);
        QCOMPARE(description(), describe(0, 0));
        hover(0, 2);
        QCOMPARE(description(), describe(0, 0));
        hover(1, 2);
        QCOMPARE(description(), describe(1, 3));
        list(0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list(0), Qt::Key_Down);
        QTest::keyClick(list(0), Qt::Key_Down);
        QCOMPARE(description(), describe(0, list(0)->currentIndex().row() + 1));
        QCOMPARE(list(0)->currentIndex().row(), 1);
    }

    void trackButtonTooltipOnlyWithInterfaceTooltips()
    {
        for (const int on : {1, 0}) {
            m_settings.Set(setting::UI_TOOLTIPS, on);
            makePage("Banner Knight", 0, 0);
            auto* tooltip = m_page->findChild<CRichTooltip*>();
            QCOMPARE(tooltip->toolCount(), on);
            if (on)
                QCOMPARE(tooltip->toolText(0), std::string("Select Master-Track you which"));
        }
    }

    void listsShowWhatTheCommandLinePrints()
    {
        for (const int cls : {0, 13, 27}) {
            makePage(m_database.Classes().Name(cls), cls % 2, cls % 11);
            QTemporaryDir folder;
            const QString file = folder.filePath("hero.chr");
            QVERIFY(SaveCharacterFile(*m_doc, file.toStdString(), UiLanguage::English).ok);
            QProcess cli;
            cli.start(QUILLMAR_CLI, {"page", "ml", file, "--data-root", QUILLMAR_SHIPPED_DATA, "--data", "en"});
            QVERIFY(cli.waitForFinished(30000) && cli.exitCode() == 0);
            const QJsonObject printed = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
            QJsonArray shown;
            for (int track = 0; track < kTrackCount; ++track) {
                QJsonArray rows;
                for (int i = 0; i < list(track)->topLevelItemCount(); ++i) {
                    const QTreeWidgetItem* item = list(track)->topLevelItem(i);
                    rows << QJsonObject{{"name", item->text(kNameColumn)},
                                        {"timer", item->text(kTimerColumn).toInt()},
                                        {"marked", marks()[track][i] == '1'}};
                }
                shown << rows;
            }
            QCOMPARE(shown, printed["lists"].toArray());
            QCOMPARE(description(), printed["description"].toString());
            QVERIFY(shown[0].toArray().size() == 10 && shown[1].toArray().size() == 10);
        }
    }

    // Seven different pictures, none for the numbers outside 1..7; then how
    // the page looks in both languages.
    void timerPicturesDifferAndScreenshots()
    {
        QList<QImage> pictures;
        for (int picture = -1; picture <= kTimerIconCount; ++picture) {
            QImage image(28, 28, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            PaintTimerPicture(painter, QRectF(0, 0, 28, 28), picture);
            painter.end();
            const int painted = CountOtherPixels(image, image.rect(), Qt::white);
            QCOMPARE(painted > 100, picture >= 0 && picture < kTimerIconCount);
            if (painted > 0)
                QVERIFY2(!pictures.contains(image), qPrintable(QString::number(picture)));
            pictures << image;
        }
        // The strip at 100 % and 200 %, enlarged to the same size.
        QImage strip(kTimerIconCount * 28, 28 + 14, QImage::Format_ARGB32);
        strip.fill(Qt::white);
        QPainter painter(&strip);
        for (int picture = 0; picture < kTimerIconCount; ++picture) {
            PaintTimerPicture(painter, QRectF(picture * 28, 0, 28, 28), picture);
            PaintTimerPicture(painter, QRectF(picture * 14, 28, 14, 14), picture);
        }
        painter.end();
        SaveScreenshot(strip.scaled(strip.size() * 8), "TimerPictures");
        makePage("Banner Knight", 1, 6);
        SaveScreenshot(m_page->grab().toImage(), "CPage8_en");
        CGameDatabase german{QUILLMAR_SHIPPED_DATA};
        german.Load("de");
        CShellContext context{german, m_settings, m_prompt, UiLanguage::German};
        CQuillmarDoc doc(german, m_settings);
        doc.SetClass(german.Classes().Name(13));
        doc.ActivateSelection();
        doc.StoreMasterLevels(0, 10);
        CPage8_MasterLevels page(context, doc);
        page.resize(900, 640);
        QCOMPARE(page.findChild<CListCtrlMoreNotifies*>("firstTrackList")->topLevelItemCount(), 10);
        SaveScreenshot(page.grab().toImage(), "CPage8_de");
    }
};

QTEST_MAIN(MasterLevelsPageTest)
#include "MasterLevelsPageTest.moc"
