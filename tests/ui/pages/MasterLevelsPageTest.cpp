// The master levels page: the track button and the slider keys change the
// document and move the marks, the description follows the pointer and the
// current row, and the lists are what quillmar-cli prints.
#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>
#include <QSlider>

#include "controls/CButtonSelect.h"
#include "controls/CEditColor.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "document/CQuillmarDoc.h"
#include "markup/CEditCtrlFormat.h"
#include "markup/CRichTooltip.h"
#include "pages/masterlevels/CPage8_MasterLevels.h"
#include "pages/masterlevels/TimerPictures.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/PageTestContext.h"
#include "ui/support/PrintedPage.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

using namespace masterlevels_rules;
using namespace ui_test;

class MasterLevelsPageTest : public QObject, PageTestContext {
    Q_OBJECT

    std::unique_ptr<CShellContext> m_pageContext;
    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CPage8_MasterLevels> m_page;

    CPage8_MasterLevels* makePage(CGameDatabase& db, UiLanguage language, const std::string& cls, int option, int level)
    {
        m_page.reset();
        m_pageContext = std::make_unique<CShellContext>(db, m_settings, m_prompt, language);
        m_doc = std::make_unique<CQuillmarDoc>(db, m_settings);
        m_doc->SetClass(cls);
        m_doc->ActivateSelection();
        m_doc->StoreMasterLevels(option, level);
        m_page = std::make_unique<CPage8_MasterLevels>(*m_pageContext, *m_doc);
        m_page->resize(900, 640);
        m_page->show();
        return m_page.get();
    }
    template <typename T> T* child(const char* name) const { return ChildOf<T>(m_page.get(), name); }
    CListCtrlMoreNotifies* list(int track) const
    {
        return child<CListCtrlMoreNotifies>(track == 0 ? "firstTrackList" : "secondTrackList");
    }
    QString description() const { return QString::fromStdString(child<CEditCtrlFormat>("description")->markup()); }
    QString describe(int track, int level)
    {
        return QString::fromStdString(Description(m_database, BuildModel(m_database, *m_doc).tracks[track], level));
    }
    // Both lists' marks as drawn: "1" a marked row, "0" another.
    QString marks() const
    {
        QString shown;
        for (int track = 0; track < kTrackCount; ++track)
            for (int i = 0; i < list(track)->topLevelItemCount(); ++i)
                shown += list(track)->topLevelItem(i)->background(kTimerColumn).color() == Colour(kMarkedBackground) ? '1' : '0';
        return shown;
    }
    static QString reached(int track, int level)
    {
        const QString on = QString(level, '1') + QString(10 - level, '0');
        return track == 0 ? on + QString(10, '0') : QString(10, '0') + on;
    }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_database.Load("en");
        QVERIFY(m_database.IsLoaded());
    }

    void buttonAndSliderKeysChangeTrackAndLevel()
    {
        for (const int tips : {0, 1}) {
            m_settings.Set(setting::UI_TOOLTIPS, tips);
            makePage(m_database, UiLanguage::English, "Banner Knight", 0, 4);
            auto* tooltip = m_page->findChild<CRichTooltip*>();
            QCOMPARE(tooltip->toolCount() == 1 && tooltip->toolText(0) == "Select Master-Track you which", tips == 1);
        }
        auto* button = child<CButtonSelect>("trackButton");
        QCOMPARE(marks(), reached(0, 4));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(std::make_tuple(m_doc->GetMasterLevelOption(), m_doc->GetMasterLevel(), m_doc->IsModified()),
                 std::make_tuple(1, 4, true));
        QCOMPARE(button->text(), QStringLiteral("Path of the Wall"));
        QCOMPARE(marks(), reached(1, 4));
        QCOMPARE(description(), describe(1, 0));

        auto* slider = child<QSlider>("masterLevelSlider");
        slider->setFocus();
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Home, 0},  {Qt::Key_Down, 1}, {Qt::Key_PageDown, 3},
                                                 {Qt::Key_End, 10},  {Qt::Key_Down, 10}, {Qt::Key_PageUp, 8}};
        for (const auto& [key, level] : steps) {
            QTest::keyClick(slider, key);
            QCOMPARE(m_doc->GetMasterLevel(), level);
            QCOMPARE(child<CEditColor>("masterLevel")->text(), QString::number(level));
            QCOMPARE(marks(), reached(1, level));
        }
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(std::make_tuple(m_doc->GetMasterLevelOption(), button->text()),
                 std::make_tuple(0, QStringLiteral("Path of the Banner")));
        QCOMPARE(marks(), reached(0, 8));
    }

    // A row under the pointer is described once until another row of its
    // list is; the current row whenever it moves.
    void descriptionFollowsThePointerAndTheCurrentRow()
    {
        makePage(m_database, UiLanguage::English, "Banner Knight", 0, 2);
        const auto hover = [this](int track, int row) {
            move(list(track)->viewport(), list(track)->visualItemRect(list(track)->topLevelItem(row)).center());
            return description();
        };
        QCOMPARE(hover(0, 2), describe(0, 3));
        QTest::keyClick(child<QSlider>("masterLevelSlider"), Qt::Key_Down);
        QCOMPARE(hover(0, 2), describe(0, 0));
        QCOMPARE(hover(1, 2), describe(1, 3));
        list(0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list(0), Qt::Key_Down);
        QTest::keyClick(list(0), Qt::Key_Down);
        QCOMPARE(std::make_pair(list(0)->currentIndex().row(), description()), std::make_pair(1, describe(0, 2)));
    }

    void listsShowWhatTheCommandLinePrints()
    {
        for (const int cls : {0, 13, 27}) {
            makePage(m_database, UiLanguage::English, m_database.Classes().Name(cls), cls % 2, cls % 11);
            const QJsonObject printed = PrintedPage(*m_doc, "ml");
            QJsonArray shown;
            for (int track = 0; track < kTrackCount; ++track) {
                QJsonArray rows;
                for (int i = 0; i < list(track)->topLevelItemCount(); ++i)
                    rows << QJsonObject{{"name", list(track)->topLevelItem(i)->text(kNameColumn)},
                                        {"timer", list(track)->topLevelItem(i)->text(kTimerColumn).toInt()},
                                        {"marked", marks()[track * 10 + i] == '1'}};
                shown << rows;
            }
            QCOMPARE(shown, printed["lists"].toArray());
            QCOMPARE(description(), printed["description"].toString());
        }
    }

    // Seven different pictures, none outside 1..7; the page in both languages.
    void timerPicturesAndScreenshots()
    {
        QList<QImage> pictures;
        for (int picture = -1; picture <= kTimerIconCount; ++picture) {
            QImage image(28, 28, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            PaintTimerPicture(painter, QRectF(0, 0, 28, 28), picture);
            painter.end();
            const bool drawn = picture >= 0 && picture < kTimerIconCount;
            QCOMPARE(CountOtherPixels(image, image.rect(), Qt::white) > 100, drawn);
            QVERIFY(!drawn || !pictures.contains(image));
            pictures << image;
        }
        makePage(m_database, UiLanguage::English, "Banner Knight", 1, 6);
        SaveScreenshot(m_page->grab().toImage(), "CPage8_en");
        CGameDatabase german{QUILLMAR_SHIPPED_DATA};
        german.Load("de");
        makePage(german, UiLanguage::German, german.Classes().Name(13), 0, 10);
        QCOMPARE(m_page->windowTitle(), QString::fromUtf8("Master-Level Übersicht"));
        QCOMPARE(marks(), reached(0, 10));
        SaveScreenshot(m_page->grab().toImage(), "CPage8_de");
        m_page.reset();
        m_doc.reset();
    }
};

QTEST_MAIN(MasterLevelsPageTest)
#include "MasterLevelsPageTest.moc"
