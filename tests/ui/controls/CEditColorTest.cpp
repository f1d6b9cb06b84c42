#include "controls/CEditColor.h"
#include "ControlTestSupport.h"

#include <QtTest>

using namespace control_test;

namespace {
QColor system(const QWidget* w, QPalette::ColorRole role)
{
    return QApplication::palette(w).color(QPalette::Active, role);
}
// A pixel of the background near the right end, clear of the frame and the text.
QColor shownBackground(CEditColor& edit)
{
    edit.resize(120, 26);
    const QImage shot = edit.grab().toImage();
    return QColor(shot.pixel(shot.width() - 12, shot.height() / 2));
}
}  // namespace

class CEditColorTest : public QObject {
    Q_OBJECT
private slots:
    void colours_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QColor>("text");        // invalid: not set
        QTest::addColumn<QColor>("background");  // invalid: not set
        QTest::newRow("editable default") << false << QColor() << QColor();
        QTest::newRow("read-only default") << true << QColor() << QColor();
        QTest::newRow("read-only, own background") << true << QColor() << QColor(255, 0, 0);
        QTest::newRow("editable, own colours") << false << QColor(0, 0, 200) << QColor(192, 255, 192);
        QTest::newRow("read-only, own text only") << true << QColor(250, 0, 250) << QColor();
    }
    void colours()
    {
        QFETCH(bool, readOnly);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        CEditColor edit;
        edit.setReadOnly(readOnly);
        edit.setText(QStringLiteral("MMMM"));
        if (text.isValid())
            edit.setTextColor(text);
        if (background.isValid())
            edit.setBackgroundColor(background);
        const QColor defaultBack = system(&edit, readOnly ? QPalette::Button : QPalette::Base);
        const QColor defaultText = system(&edit, QPalette::WindowText);

        QCOMPARE(shownBackground(edit), background.isValid() ? background : defaultBack);
        QCOMPARE(edit.palette().color(QPalette::Text), text.isValid() ? text : defaultText);
        if (text.isValid())
            QVERIFY(CountPixels(edit.grab().toImage(), edit.rect(), text) > 5);

        edit.resetColors();
        QCOMPARE(shownBackground(edit), defaultBack);
        QCOMPARE(edit.palette().color(QPalette::Text), defaultText);
    }

    void defaultFollowsReadOnlyAndTheSystem()
    {
        // Made before the system colours change, as a child like on a page: it must follow them.
        QWidget host;
        CEditColor& edit = *new CEditColor(&host);
        PaletteGuard guard;
        QPalette distinct = guard.saved;
        distinct.setColor(QPalette::Button, QColor(200, 200, 180));
        distinct.setColor(QPalette::Base, QColor(255, 255, 250));
        QApplication::setPalette(distinct);

        QTRY_COMPARE(shownBackground(edit), QColor(255, 255, 250));
        edit.setReadOnly(true);
        QCOMPARE(shownBackground(edit), QColor(200, 200, 180));
        edit.setReadOnly(false);
        QCOMPARE(shownBackground(edit), QColor(255, 255, 250));

        // A colour the owner set survives the switch.
        edit.setBackgroundColor(QColor(10, 20, 30));
        edit.setReadOnly(true);
        QCOMPARE(shownBackground(edit), QColor(10, 20, 30));
    }
};

QTEST_MAIN(CEditColorTest)
#include "CEditColorTest.moc"
