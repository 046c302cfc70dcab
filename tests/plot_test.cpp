// SPDX-License-Identifier: GPL-3.0-or-later
// The response plot on the real canvas: grid and curves, pixel by pixel.
#include <QColor>
#include <QEvent>
#include <QObject>

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "gui_fixture.h"

using namespace diplexer;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 159, 0);
const QColor kRed(223, 0, 0);

bool OnGrid(int x, int y) {
    return y == 10 || y == 310 || ((x == 200 || x == 400 || x == 600) && y <= 320);
}

// Runs `check` on every pixel and counts the pixels it refuses; reports the
// first of them.
int CountFailures(const QImage& image, const std::function<bool(int, int, QColor)>& check) {
    int failures = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (!check(x, y, c) && failures++ == 0) {
                ADD_FAILURE() << "first refused pixel (" << x << ", " << y << ") "
                              << c.name().toStdString();
            }
        }
    }
    return failures;
}

// Every paint of a widget, with what its image held at that moment.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QWidget* widget, std::function<QImage()> image)
        : widget_(widget), image_(std::move(image)) {
        widget_->installEventFilter(this);
    }
    ~PaintRecorder() override { widget_->removeEventFilter(this); }
    std::vector<QImage> shown;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint) {
            shown.push_back(image_().copy());
        }
        return false;
    }

  private:
    QWidget* widget_;
    std::function<QImage()> image_;
};

bool Has(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

using ResponsePlotTest = WindowTest;

TEST_F(ResponsePlotTest, IsWhiteWithoutAGridBeforeAPress) {
    const QImage image = CanvasImage(ResponsePlot);
    ASSERT_EQ(image.size(), QSize(656, 336));
    EXPECT_EQ(CountFailures(image, [](int, int, QColor c) { return c == kWhite; }), 0);
}

TEST_F(ResponsePlotTest, APressDrawsTheGridAndBothCurves) {
    Press();
    const QImage image = CanvasImage(ResponsePlot);
    // Black only on the grid; the grid wholly drawn, black unless a curve
    // crosses it; the SWR curve between rows 272 and 310; the K curve no
    // higher than its highest sample.
    EXPECT_EQ(CountFailures(image,
                            [](int x, int y, QColor c) {
                                if (OnGrid(x, y)) {
                                    return c == kBlack || c == kGreen || c == kRed;
                                }
                                return c == kWhite || (c == kGreen && y >= 29) ||
                                       (c == kRed && y >= 272 && y <= 310);
                            }),
              0);
    // The vertical lines end on row 320.
    for (int x : {200, 400, 600}) {
        EXPECT_EQ(image.pixelColor(x, 320), kBlack) << x;
        EXPECT_EQ(image.pixelColor(x, 321), kWhite) << x;
    }
    // The highest K sample, and the last segments of both curves, flat from
    // x = 651 to the sample at x = 656 beyond the last column.
    EXPECT_EQ(image.pixelColor(201, 29), kGreen);
    for (int x = 651; x <= 655; ++x) {
        EXPECT_EQ(image.pixelColor(x, 285), kGreen) << x;
        EXPECT_EQ(image.pixelColor(x, 303), kRed) << x;
    }
    // The K curve peaks on row 29 at its sample x = 201, which the segment
    // from x = 196 reaches one column early; the SWR curve reaches row 272.
    const auto topmost = [&](QColor colour, std::vector<int>& columns) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    columns.push_back(x);
                }
            }
            if (!columns.empty()) {
                return y;
            }
        }
        return -1;
    };
    std::vector<int> peak, swrTop;
    EXPECT_EQ(topmost(kGreen, peak), 29);
    EXPECT_EQ(peak, (std::vector<int>{200, 201}));
    EXPECT_EQ(topmost(kRed, swrTop), 272);
    // The fields hold K and the SWR of the last sample, the loss at F.
    EXPECT_EQ(Text(KOutput), "0.08365");
    EXPECT_EQ(Text(SwrOutput), "1.00139");
    EXPECT_EQ(Text(LossOutput), "0.5606           ");
    EXPECT_EQ(Text(FiOutput), "Fi");
}

// Every field write, counted by control, and passed on to the window.
std::vector<int> writesTo(kControlCount + 1);
void CountWrite(int control, std::string_view text) {
    ++writesTo.at(std::size_t(control));
    SetControlText(control, text);
}

TEST_F(ResponsePlotTest, ShowsTheKCurveAtOnceAndThenTheWholePlot) {
    PaintRecorder recorder(Widget(ResponsePlot), [] { return CanvasImage(ResponsePlot); });
    writesTo.assign(kControlCount + 1, 0);
    UseFieldAccess({&ControlText, &CountWrite});
    RunCalculateSequence();
    // 132 samples of each curve, after the values at F.
    EXPECT_EQ(writesTo[KOutput], 1 + 132);
    EXPECT_EQ(writesTo[SwrOutput], 1 + 132);
    EXPECT_EQ(writesTo[FiOutput], 0);
    ASSERT_EQ(recorder.shown.size(), 2u);
    EXPECT_TRUE(Has(recorder.shown[0], kGreen));
    EXPECT_FALSE(Has(recorder.shown[0], kRed));
    EXPECT_TRUE(Has(recorder.shown[1], kRed));
    EXPECT_EQ(recorder.shown[1], CanvasImage(ResponsePlot));
}

// F = 0 makes every sample NaN, on row -2147483338: each curve is its first
// segment from (0, 310) up and off the top, then runs along that row far above.
TEST_F(ResponsePlotTest, SamplesThatAreNotNumbersRunOffTheTop) {
    Type(FreqInput, "0");
    Press();
    EXPECT_EQ(Text(KOutput), "NaN");
    EXPECT_EQ(CountFailures(CanvasImage(ResponsePlot),
                            [](int x, int y, QColor c) {
                                if (x == 0 && y <= 310) {
                                    return c == kRed;  // the SWR segment over the K segment
                                }
                                return c == (OnGrid(x, y) ? kBlack : kWhite);
                            }),
              0);
}

TEST_F(ResponsePlotTest, PressesDrawOverEarlierCurves) {
    Press();
    const QImage first = CanvasImage(ResponsePlot);
    Press();
    EXPECT_EQ(CanvasImage(ResponsePlot), first);

    Type(FreqInput, "20");
    Press();
    const QImage both = CanvasImage(ResponsePlot);
    int newlyGreen = 0;
    EXPECT_EQ(CountFailures(both,
                            [&](int x, int y, QColor c) {
                                newlyGreen += c == kGreen && first.pixelColor(x, y) == kWhite;
                                return first.pixelColor(x, y) == kWhite || c != kWhite;
                            }),
              0);
    EXPECT_GT(newlyGreen, 100);
    EXPECT_EQ(both.pixelColor(201, 29), kGreen);  // the first curve's peak stays
}

}  // namespace
