// Writes PNG pictures of every control in each of its looks for a person to inspect.
// Runs only when QUILLMAR_SCREENSHOT_DIR names the folder to write to.
#include "ControlTestSupport.h"
#include "controls/CButtonAutoRepeat.h"
#include "controls/CButtonSelect.h"
#include "controls/CEditColor.h"
#include "controls/CEditKeyResponse.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CNumEdit.h"
#include "controls/CToggleButton.h"

#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QtTest>

using namespace control_test;

class ControlsScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void gallery();

private:
    void save(QWidget* w, const QString& name);
    QDir m_dir;
    int m_saved = 0;
};

void ControlsScreenshotTest::initTestCase()
{
    const QByteArray dir = qgetenv("QUILLMAR_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("QUILLMAR_SCREENSHOT_DIR is not set");
    QVERIFY(QDir().mkpath(QString::fromLocal8Bit(dir)));
    m_dir.setPath(QString::fromLocal8Bit(dir));
}

void ControlsScreenshotTest::save(QWidget* w, const QString& name)
{
    const QPixmap shot = w->grab();
    QVERIFY2(!shot.isNull(), qPrintable(name));
    QVERIFY2(shot.save(m_dir.filePath(name + QStringLiteral(".png"))), qPrintable(name));
    ++m_saved;
}

void ControlsScreenshotTest::gallery()
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Controls"));
    auto* grid = new QGridLayout(&window);
    int row = 0;
    auto label = [&](const QString& text) { grid->addWidget(new QLabel(text, &window), row, 0); };

    label(QStringLiteral("CButtonAutoRepeat"));
    auto* repeatIdle = new CButtonAutoRepeat(QStringLiteral("+"), &window);
    auto* repeatHeld = new CButtonAutoRepeat(QStringLiteral("+"), &window);
    for (auto* b : {repeatIdle, repeatHeld})
        b->setFixedSize(24, 24);
    grid->addWidget(repeatIdle, row, 1);
    grid->addWidget(repeatHeld, row++, 2);

    label(QStringLiteral("CButtonSelect"));
    CButtonSelect* selects[5];
    for (int i = 0; i < 5; ++i) {
        selects[i] = new CButtonSelect(QStringLiteral("Reihenfolge"), &window);
        selects[i]->setFixedSize(110, 48);
        grid->addWidget(selects[i], row, 1 + i);
    }
    selects[1]->setState(true);
    selects[4]->setEnabled(false);
    ++row;

    label(QStringLiteral("CToggleButton"));
    CToggleButton* toggles[6];
    for (int i = 0; i < 6; ++i) {
        toggles[i] = new CToggleButton(QStringLiteral("%1").arg(3 + 2 * i), &window);
        toggles[i]->setFixedSize(34, 22);
        grid->addWidget(toggles[i], row, 1 + i);
    }
    toggles[0]->setAvailable(true);   // raised, can be taken
    toggles[1]->setAvailable(false);  // raised, too dear
    toggles[2]->setPressed(true);     // taken
    toggles[3]->setAvailable(true);   // held: about to be taken
    toggles[4]->setAvailable(true);   // focused
    toggles[5]->setAvailable(true);
    toggles[5]->setEnabled(false);
    ++row;

    label(QStringLiteral("CNumEdit"));
    CNumEdit* nums[3];
    for (int i = 0; i < 3; ++i) {
        nums[i] = new CNumEdit(&window);
        nums[i]->setFixedSize(110, 24);
        nums[i]->setRange(0, 50);
        nums[i]->setValue(12 + i);
        grid->addWidget(nums[i], row, 1 + 2 * i, 1, 2);
    }
    nums[1]->setBackgroundColor(QColor(192, 255, 192));
    ++row;

    label(QStringLiteral("CEditKeyResponse / CEditColor"));
    auto* keyEdit = new CEditKeyResponse(&window);
    keyEdit->setText(QStringLiteral("42"));
    auto* readOnly = new CEditColor(&window);
    readOnly->setReadOnly(true);
    readOnly->setText(QStringLiteral("1.234 (schreibgesch\u00FCtzt)"));
    auto* editable = new CEditColor(&window);
    editable->setText(QStringLiteral("editierbar"));
    auto* coloured = new CEditColor(&window);
    coloured->setReadOnly(true);
    coloured->setText(QStringLiteral("-7 Rest"));
    coloured->setTextColor(QColor(255, 0, 0));
    coloured->setBackgroundColor(QColor(255, 255, 192));
    grid->addWidget(keyEdit, row, 1);
    grid->addWidget(readOnly, row, 2, 1, 2);
    grid->addWidget(editable, row, 4);
    grid->addWidget(coloured, row++, 5, 1, 2);

    label(QStringLiteral("CListCtrlMoreNotifies"));
    auto* list = new CListCtrlMoreNotifies(&window);
    list->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Art"), QStringLiteral("Level")});
    list->header()->setStretchLastSection(false);
    const char* names[] = {"Zorn der Ahnen", "Eiserner Wille", "Belastbarkeit", "Schnelle Hand",
                           "Wachsamkeit"};
    for (const char* n : names)
        list->addTopLevelItem(
            new QTreeWidgetItem({QString::fromUtf8(n), QStringLiteral("aktiv"), QString()}));
    list->setColumnWidth(0, 140);
    list->setColumnWidth(1, 60);
    list->setColumnWidth(2, 180);
    list->setFixedSize(400, 150);
    grid->addWidget(list, row++, 1, 1, 6);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Without a window manager (plain Xvfb) nothing activates the window; focus looks need it.
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Level buttons over the "Level" cells, in five slices, as the realm-ability pages place them.
    for (int r = 0; r < 5; ++r) {
        const QRect cell = list->visualRect(list->model()->index(r, 2));
        const int slice = cell.width() / 5;
        for (int k = 0; k < 5; ++k) {
            auto* b = new CToggleButton(QString::number((k + 1) * (r + 1)), list->viewport());
            b->setGeometry(cell.left() + k * slice, cell.top(), slice, cell.height());
            b->setPressed(k < r);
            b->setAvailable(k < r + 2);
            b->show();
        }
    }
    list->setCurrentItem(list->topLevelItem(2));

    save(&window, QStringLiteral("gallery"));

    save(repeatIdle, QStringLiteral("CButtonAutoRepeat-idle"));
    press(repeatHeld, {12, 12});
    save(repeatHeld, QStringLiteral("CButtonAutoRepeat-held"));
    release(repeatHeld, {12, 12});

    save(selects[0], QStringLiteral("CButtonSelect-unselected"));
    save(selects[1], QStringLiteral("CButtonSelect-selected"));
    press(selects[2], {55, 24});
    save(selects[2], QStringLiteral("CButtonSelect-held"));
    release(selects[2], {200, 200});  // released off the button: no flip
    selects[3]->setFocus(Qt::TabFocusReason);
    save(selects[3], QStringLiteral("CButtonSelect-focused"));
    save(selects[4], QStringLiteral("CButtonSelect-disabled"));

    save(toggles[0], QStringLiteral("CToggleButton-raised-available"));
    save(toggles[1], QStringLiteral("CToggleButton-raised-unavailable"));
    save(toggles[2], QStringLiteral("CToggleButton-filled"));
    press(toggles[3], {17, 11});
    save(toggles[3], QStringLiteral("CToggleButton-held"));
    release(toggles[3], {200, 200});
    toggles[4]->setFocus(Qt::TabFocusReason);
    save(toggles[4], QStringLiteral("CToggleButton-focused"));
    save(toggles[5], QStringLiteral("CToggleButton-disabled"));

    save(nums[0], QStringLiteral("CNumEdit-default"));
    save(nums[1], QStringLiteral("CNumEdit-plan-colour"));
    nums[2]->setFocus(Qt::TabFocusReason);
    save(nums[2], QStringLiteral("CNumEdit-focused"));

    save(keyEdit, QStringLiteral("CEditKeyResponse"));
    save(readOnly, QStringLiteral("CEditColor-read-only"));
    save(editable, QStringLiteral("CEditColor-editable"));
    save(coloured, QStringLiteral("CEditColor-own-colours"));
    save(list, QStringLiteral("CListCtrlMoreNotifies-level-buttons"));

    QCOMPARE(m_saved, 22);
}

QTEST_MAIN(ControlsScreenshotTest)
#include "ControlsScreenshotTest.moc"
