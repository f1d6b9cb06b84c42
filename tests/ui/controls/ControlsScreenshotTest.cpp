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
#include "ui/support/ImageProbe.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QtTest>

using namespace control_test;

class ControlsScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void gallery();
};

void ControlsScreenshotTest::gallery()
{
    if (ScreenshotDir().isEmpty())
        QSKIP("QUILLMAR_SCREENSHOT_DIR is not set");
    QWidget window;
    auto* grid = new QGridLayout(&window);
    int row = 0;
    // Every control is pictured on its own as "Class-look"; held looks are taken while the
    // mouse holds the control, focused ones after Tab-like focus.
    QList<std::pair<QWidget*, QString>> shots;
    auto shot = [&](QWidget* w, const QString& name) {
        shots.append({w, name});
        return w;
    };
    // One row of the grid: a label, then the widgets, each spanning its columns (default one).
    auto addRow = [&](const QString& name, const QList<QWidget*>& widgets, QList<int> spans = {}) {
        grid->addWidget(new QLabel(name, &window), row, 0);
        for (int i = 0, column = 1; i < widgets.size(); column += spans.value(i++, 1))
            grid->addWidget(widgets[i], row, column, 1, spans.value(i, 1));
        ++row;
    };
    QList<QWidget*> widgets;
    for (const char* look : {"idle", "held"}) {
        widgets << shot(new CButtonAutoRepeat("+", &window), QString("CButtonAutoRepeat-") + look);
        widgets.last()->setFixedSize(24, 24);
    }
    addRow("CButtonAutoRepeat", widgets);

    widgets.clear();
    for (const char* look : {"unselected", "selected", "held", "focused", "disabled"}) {
        auto* b = new CButtonSelect("Reihenfolge", &window);
        b->setFixedSize(110, 48);
        b->setState(QByteArray(look) == "selected");
        b->setEnabled(QByteArray(look) != "disabled");
        widgets << shot(b, QString("CButtonSelect-") + look);
    }
    addRow("CButtonSelect", widgets);

    widgets.clear();
    const char* toggleLooks[] = {"raised-available", "raised-unavailable", "filled", "held", "focused",
                                 "disabled"};
    for (int i = 0; i < 6; ++i) {
        auto* b = new CToggleButton(QString::number(3 + 2 * i), &window);
        b->setFixedSize(34, 22);
        b->setAvailable(i != 1);
        b->setPressed(i == 2);
        b->setEnabled(i != 5);
        widgets << shot(b, QString("CToggleButton-") + toggleLooks[i]);
    }
    addRow("CToggleButton", widgets);

    widgets.clear();
    for (const char* look : {"default", "plan-colour", "focused"}) {
        auto* n = new CNumEdit(&window);
        n->setFixedSize(110, 24);
        n->setRange(0, 50);
        n->setValue(12 + int(widgets.size()));
        if (QByteArray(look) == "plan-colour")
            n->setBackgroundColor(QColor(192, 255, 192));
        widgets << shot(n, QString("CNumEdit-") + look);
    }
    addRow("CNumEdit", widgets, {2, 2, 2});

    auto* keyEdit = new CEditKeyResponse(&window);
    keyEdit->setText("42");
    auto* readOnly = new CEditColor(&window);
    readOnly->setReadOnly(true);
    readOnly->setText("1.234 (schreibgesch\u00FCtzt)");
    auto* editable = new CEditColor(&window);
    editable->setText("editierbar");
    auto* coloured = new CEditColor(&window);
    coloured->setReadOnly(true);
    coloured->setText("-7 Rest");
    coloured->setTextColor(QColor(255, 0, 0));
    coloured->setBackgroundColor(QColor(255, 255, 192));
    addRow("CEditKeyResponse / CEditColor",
           {shot(keyEdit, "CEditKeyResponse"), shot(readOnly, "CEditColor-read-only"),
            shot(editable, "CEditColor-editable"), shot(coloured, "CEditColor-own-colours")},
           {1, 2, 1, 2});

    auto* list = new CListCtrlMoreNotifies(&window);
    list->setHeaderLabels({"Name", "Art", "Level"});
    list->header()->setStretchLastSection(false);
    for (const char* n :
         {"Zorn der Ahnen", "Eiserner Wille", "Belastbarkeit", "Schnelle Hand", "Wachsamkeit"})
        list->addTopLevelItem(new QTreeWidgetItem({n, "aktiv", QString()}));
    list->setColumnWidth(0, 140);
    list->setColumnWidth(1, 60);
    list->setColumnWidth(2, 180);
    list->setFixedSize(400, 150);
    addRow("CListCtrlMoreNotifies", {shot(list, "CListCtrlMoreNotifies-level-buttons")}, {6});

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

    QVERIFY(SaveScreenshot(window.grab().toImage(), "gallery"));
    for (const auto& [w, name] : shots) {
        const bool held = name.endsWith(QLatin1String("-held"));
        if (name.endsWith(QLatin1String("-focused")))
            w->setFocus(Qt::TabFocusReason);
        if (held)
            press(w, w->rect().center());
        QVERIFY2(SaveScreenshot(w->grab().toImage(), name), qPrintable(name));
        if (held)
            release(w, {200, 200});  // released off the control: nothing flips
    }
    QCOMPARE(shots.size(), 21);
}

QTEST_MAIN(ControlsScreenshotTest)
#include "ControlsScreenshotTest.moc"
