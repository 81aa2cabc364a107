#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QFileInfo>

#include <string>
#include <vector>

#include "platform/qt_colour.h"
#include "platform/qt_surface.h"

namespace {

using namespace platform;

const QColor kGrey(128, 128, 128);
const QColor kNavy(0, 0, 128);
const QColor kQtBlack(0, 0, 0);
const QColor kQtWhite(255, 255, 255);

QImage Canvas(const QColor& fill = kGrey)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Paints on a fresh canvas through a screen surface with the given scroll.
template <typename Paint>
QImage Painted(Paint paint, const Mapping& mapping = Mapping::screen(), const QColor& fill = kGrey)
{
    QImage image = Canvas(fill);
    QPainter painter(&image);
    QtSurface surface(painter, mapping);
    paint(surface);
    painter.end();
    return image;
}

LogFont TestFont(const Mapping& mapping)
{
    return LogFont{mapping.pointFontHeight(120), 400, false, 0x20, "DejaVu Sans"};
}

TEST(QtSurfaceTest, OpaqueTextFillsItsCellTransparentTextDoesNot)
{
    const Mapping mapping = Mapping::screen();
    QImage probe = Canvas();
    const QFontMetrics device(QtSurface::toQFont(TestFont(mapping), mapping), &probe);
    const int advance = device.horizontalAdvance("..");
    const int height = device.ascent() + device.descent();
    ASSERT_GT(advance, 2);
    ASSERT_GT(height, 2);

    const QColor yellow(255, 255, 0);
    for (const BkMode mode : {BkMode::Opaque, BkMode::Transparent}) {
        const QImage image = Painted([&](Surface& s) {
            s.selectFont(TestFont(mapping));
            s.setBkColour(rgb(255, 255, 0));
            s.setBkMode(mode);
            EXPECT_TRUE(s.textOut({1000, -1000}, ".."));  // device (96, 96)
        });
        const QColor cell = mode == BkMode::Opaque ? yellow : kGrey;
        // The cell's corners hold no ink of "..": top left and bottom right.
        EXPECT_EQ(image.pixelColor(96, 96), cell);
        EXPECT_EQ(image.pixelColor(96 + advance - 1, 96 + height - 1), cell);
        EXPECT_EQ(image.pixelColor(95, 96), kGrey);
        EXPECT_EQ(image.pixelColor(96 + advance, 96), kGrey);
        EXPECT_EQ(image.pixelColor(96, 96 + height), kGrey);
        EXPECT_EQ(image.pixelColor(96, 95), kGrey);
    }
}

TEST(QtSurfaceTest, NavyPaintsBlueNotMaroon)
{
    constexpr Colour navy = 0x800000;
    struct Case {
        const char* name;
        void (*paint)(Surface&);
        int x, y;
    };
    const Case cases[] = {
        {"background colour",
         [](Surface& s) {
             s.setBkColour(navy);
             s.textOut(s.dpToLp(Point{40, 40}), "..");
         },
         41, 41},
        {"text colour",
         [](Surface& s) {
             LogFont big = TestFont(s.mapping());
             big.height *= 4;
             s.selectFont(big);
             s.setTextColour(navy);
             s.setBkMode(BkMode::Transparent);
             s.textOut(s.dpToLp(Point{40, 40}), "\xE2\x96\x88");  // a full block
         },
         50, 70},
        {"brush",
         [](Surface& s) {
             s.selectBrush(Brush{navy});
             s.ellipse(s.dpToLp(Rect{20, 20, 80, 80}));
         },
         50, 50},
        {"pen",
         [](Surface& s) {
             s.selectPen(Pen{100, navy});
             s.moveTo(s.dpToLp(Point{10, 50}));
             s.lineTo(s.dpToLp(Point{100, 50}));
         },
         50, 50},
        {"GDI+ colour",
         [](Surface& s) { s.plusEllipse(s.dpToLp(Rect{20, 20, 80, 80}), 0xFF000080, true); }, 50, 50},
    };
    for (const auto& c : cases) {
        const QImage image = Painted(c.paint);
        EXPECT_EQ(image.pixelColor(c.x, c.y), kNavy) << c.name;
    }
    EXPECT_EQ(toQColor(navy), kNavy);
    EXPECT_EQ(fromQColor(kNavy), navy);
}

TEST(QtSurfaceTest, GdiEllipseIsARingFilledWithTheBrush)
{
    const QImage image = Painted([](Surface& s) {
        s.selectPen(Pen{10, kBlack});  // the view's pen: one pixel at 96 dpi
        EXPECT_TRUE(s.ellipse(s.dpToLp(Rect{20, 20, 60, 60})));
    });
    EXPECT_EQ(image.pixelColor(40, 40), kQtWhite);  // the default brush
    EXPECT_EQ(image.pixelColor(20, 40), kQtBlack);
    EXPECT_EQ(image.pixelColor(59, 40), kQtBlack);  // right edge is outside, as in GDI
    EXPECT_EQ(image.pixelColor(60, 40), kGrey);
    EXPECT_EQ(image.pixelColor(19, 40), kGrey);
    EXPECT_EQ(image.pixelColor(40, 59), kQtBlack);
    EXPECT_EQ(image.pixelColor(40, 60), kGrey);
    EXPECT_EQ(image.pixelColor(22, 22), kGrey);  // outside the curve
}

TEST(QtSurfaceTest, GdiplusFillHasNoOutlineAndOutlineNoFill)
{
    const QImage filled = Painted(
        [](Surface& s) { s.plusEllipse(s.dpToLp(Rect{20, 20, 60, 60}), 0xFF000000, true); });
    EXPECT_EQ(filled.pixelColor(40, 40), kQtBlack);
    EXPECT_EQ(filled.pixelColor(20, 40), kQtBlack);
    EXPECT_EQ(filled.pixelColor(60, 40), kGrey);

    const QImage outline = Painted(
        [](Surface& s) { s.plusEllipse(s.dpToLp(Rect{20, 20, 60, 60}), 0xFF000000, false); });
    EXPECT_EQ(outline.pixelColor(40, 40), kGrey);
    EXPECT_EQ(outline.pixelColor(20, 40), kQtBlack);
    EXPECT_EQ(outline.pixelColor(21, 40), kGrey);  // one pixel wide
    EXPECT_EQ(outline.pixelColor(60, 40), kQtBlack);
}

TEST(QtSurfaceTest, ThinPensStillDrawOnePixel)
{
    for (const int width : {0, 1, 5}) {
        const QImage image = Painted([&](Surface& s) {
            s.selectPen(Pen{width, kBlack});
            s.moveTo(s.dpToLp(Point{10, 50}));
            s.lineTo(s.dpToLp(Point{100, 50}));
        });
        EXPECT_EQ(image.pixelColor(50, 50), kQtBlack) << width;
        EXPECT_EQ(image.pixelColor(50, 49), kGrey) << width;
        EXPECT_EQ(image.pixelColor(50, 51), kGrey) << width;
    }
}

TEST(QtSurfaceTest, ScrollMovesTheOrigin)
{
    const Rect box{1000, -1000, 1500, -1500};  // device 96..144 unscrolled
    const QImage scrolled =
        Painted([&](Surface& s) { s.plusEllipse(box, 0xFF000000, true); }, Mapping::screen({50, 40}));
    EXPECT_EQ(scrolled.pixelColor(70, 80), kQtBlack);
    EXPECT_EQ(scrolled.pixelColor(120, 120), kGrey);
}

TEST(QtSurfaceTest, InvertRectFlipsTheDevicePixelsOnTheScreenOnly)
{
    auto paint = [](Surface& s) { s.invertRect(s.dpToLp(Rect{50, 50, 150, 100})); };
    for (const bool screen : {true, false}) {
        QImage image = Canvas(kQtWhite);
        {
            QPainter painter(&image);
            painter.fillRect(QRect(0, 0, 100, 200), QColor(255, 0, 0));
            QtSurface surface(painter, screen ? Mapping::screen() : Mapping::printer(96, 96));
            paint(surface);
        }
        const QColor red(255, 0, 0);
        const QColor cyan(0, 255, 255);
        EXPECT_EQ(image.pixelColor(60, 60), screen ? cyan : red);
        EXPECT_EQ(image.pixelColor(120, 99), screen ? kQtBlack : kQtWhite);
        EXPECT_EQ(image.pixelColor(49, 60), red);
        EXPECT_EQ(image.pixelColor(150, 60), kQtWhite);
        EXPECT_EQ(image.pixelColor(60, 100), red);
    }
}

TEST(QtSurfaceTest, DrawsOnAPrinterWithoutComplaint)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);

    static std::vector<std::string> warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type != QtDebugMsg && type != QtInfoMsg && message.startsWith("QPainter"))
                warnings.push_back(message.toStdString());
        });
    {
        QPainter painter(&printer);
        ASSERT_TRUE(painter.isActive());
        const Mapping mapping = Mapping::printer(printer.resolution(), printer.resolution());
        QtSurface s(painter, mapping);
        EXPECT_EQ(s.deviceCaps(DeviceCap::LogPixelsX), printer.resolution());
        s.selectPen(Pen{10, kBlack});
        s.moveTo({300, -1000});
        s.lineTo({1800, -1000});
        s.selectFont(LogFont{mapping.pointFontHeight(100), 550, false, 0x30, "Arial"});
        EXPECT_TRUE(s.textOut({1750, -700}, "A"));
        EXPECT_TRUE(s.ellipse({1700, -700, 1900, -900}));
        s.plusEllipse({1700, -700, 1900, -900}, 0xFF000000, true);
        s.invertRect({0, 0, 500, -500});
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    EXPECT_GT(QFileInfo(path).size(), 0);
}

}  // namespace
