#include "placement.hpp"
#include "window_layout.hpp"

#include <QTest>

using quellfin::shell::DesktopCentredPosition;

class PlacementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placesTheWindow_data() {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("one screen: its centre")
            << QList<QRect>{{0, 0, 1920, 1080}} << QPoint(490, 190);
        QTest::newRow("two side by side: across the seam, on both")
            << QList<QRect>{{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}} << QPoint(1450, 190);
        QTest::newRow("a third screen below: pulled up, not sideways")
            << QList<QRect>{{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}, {0, 1080, 1920, 400}}
            << QPoint(1450, 380);
        QTest::newRow("a taller screen beside: pulled sideways onto it")
            << QList<QRect>{{0, 0, 1280, 720}, {1280, 0, 1280, 1600}} << QPoint(1280, 450);
        QTest::newRow("offset screens at equal distance: the first one takes it")
            << QList<QRect>{{0, 0, 1920, 1080}, {1920, 400, 1920, 1080}} << QPoint(980, 380);
        QTest::newRow("a screen smaller than the window: top-left kept on it")
            << QList<QRect>{{0, 0, 800, 600}} << QPoint(0, 0);
        QTest::newRow("no screen at all") << QList<QRect>{} << QPoint(0, 0);
    }
    void placesTheWindow() {
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, expected);
        QCOMPARE(DesktopCentredPosition(QSize(940, 700), screens), expected);
    }
};

int RunPlacementTests(int argc, char** argv) {
    PlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "placement_test.moc"
