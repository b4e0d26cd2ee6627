// QtScreen on a real X server (run under xvfb-run): a rectangle read straight from the server is, pixel for
// pixel, the same part of the screen as QScreen::grabWindow shows, at its corners and edges too.
#include "platform/qt/QtScreen.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

// A window whose every pixel has its own colour, so that a picture one pixel off never passes.
class NumberedWindow : public QWidget {
public:
    NumberedWindow()
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setGeometry(37, 21, 300, 200);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image(size(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 0x80 | (x >> 8) << 4 | y >> 8));
        QPainter(this).drawImage(0, 0, image);
    }
};

QImage ToolkitPicture()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class QtScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run)");
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
        // Drawn on the screen once the toolkit's own grab shows it.
        QVERIFY(QTest::qWaitFor([] { return ToolkitPicture().pixel(37 + 258, 21 + 3) == qRgb(2, 3, 0x90); }));
        m_reference = ToolkitPicture();
    }

    void theAreaIsThePrimaryScreenInDevicePixels()
    {
        QCOMPARE(m_screen.snapshotArea(), QRect(QPoint(), m_reference.size()));
    }

    void aRectangleIsTheToolkitsPictureCut_data()
    {
        QTest::addColumn<QRect>("rectangle");
        const QRect area(QPoint(), m_reference.size());
        QTest::newRow("whole screen") << area;
        QTest::newRow("top-left pixel") << QRect(0, 0, 1, 1);
        QTest::newRow("bottom-right pixel") << QRect(area.bottomRight(), QSize(1, 1));
        QTest::newRow("across the window's edge") << QRect(300, 150, 128, 128);
        QTest::newRow("inside the window") << QRect(40, 30, 250, 7);
        QTest::newRow("last row") << QRect(0, area.bottom(), area.width(), 1);
        QTest::newRow("last column") << QRect(area.right(), 0, 1, area.height());
    }
    void aRectangleIsTheToolkitsPictureCut()
    {
        QFETCH(QRect, rectangle);
        const std::optional<QImage> grabbed = m_screen.grab(rectangle);
        QVERIFY(grabbed);
        QCOMPARE(grabbed->size(), rectangle.size());
        QCOMPARE(grabbed->convertToFormat(QImage::Format_RGB32), m_reference.copy(rectangle));
    }

    void aRectangleBeyondTheScreenGivesNothing()
    {
        const QRect area = m_screen.snapshotArea();
        QVERIFY(!m_screen.grab(QRect(area.right() - 9, 0, 20, 20)));
        QVERIFY(!m_screen.grab(QRect()));
    }

private:
    tw::platform::QtScreen m_screen;
    NumberedWindow m_window;
    QImage m_reference;
};

QTEST_MAIN(QtScreenTest)
#include "QtScreenTest.moc"
