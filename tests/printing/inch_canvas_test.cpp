#include "printing/recording_canvas.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

struct ToDeviceCase {
    int pixelsPerInch;
    double unitsPerInch, x, y;
    DevicePoint expected;
};

TEST(InchCanvasTest, ToDeviceScalesAndRoundsHalvesToEven) {
    const ToDeviceCase cases[] = {
        {600, 1.0, 1.0, 0.5, {600, 300}},
        {1, 1.0, 0.5, 1.5, {0, 2}},      // halves go to the even neighbour
        {1, 1.0, 2.5, -0.5, {2, 0}},
        {4, 1.0, 0.625, 0.875, {2, 4}},  // 2.5 down, 3.5 up
        {600, 2.0, 1.0, 3.0, {300, 900}},  // two units per inch
    };
    for (const ToDeviceCase& c : cases) {
        RecordingCanvas canvas(c.pixelsPerInch);
        canvas.setup(c.unitsPerInch);
        EXPECT_EQ(canvas.toDevice(c.x, c.y), c.expected) << c.pixelsPerInch << " " << c.x << "," << c.y;
    }
}

TEST(InchCanvasTest, SetupReadsTheMetricsAndResetsThePosition) {
    RecordingCanvas canvas(600);
    canvas.setup(1.0);
    canvas.moveTo(1.0, 1.0);
    canvas.setup(1.0);
    EXPECT_EQ(canvas.position(), (DevicePoint{0, 0}));
    EXPECT_EQ(canvas.pageMetrics().pixelsPerInchX, 600);
    EXPECT_EQ(canvas.setups(), 2);
}

TEST(InchCanvasTest, OperationsTakingAPointMoveThePosition) {
    RecordingCanvas canvas(100);
    canvas.setup(1.0);
    canvas.moveTo(1.0, 2.0);
    canvas.lineTo(3.0, 2.0);
    canvas.rectangle(0.5, 0.25, 1.5, 1.25);
    canvas.text("A");
    ASSERT_EQ(canvas.ops().size(), 3u);
    EXPECT_EQ(canvas.ops()[0].rect, (DeviceRect{100, 200, 300, 200}));
    EXPECT_EQ(canvas.ops()[1].rect, (DeviceRect{50, 25, 150, 125}));
    EXPECT_EQ(canvas.ops()[2].rect.left, 50);  // the text stands at the rectangle's first corner
    EXPECT_EQ(canvas.ops()[2].rect.top, 25);
    EXPECT_EQ(canvas.deviceRectangle(0.5, 0.25, 1.5, 1.25), (DeviceRect{50, 25, 150, 125}));
}

TEST(InchCanvasTest, CentredTextStartsHalfItsWidthTruncatedLeftOfThePosition) {
    const std::pair<int, int> widthAndLeft[] = {{101, 450}, {100, 450}, {1, 500}, {0, 500}};
    for (const auto& [width, left] : widthAndLeft) {
        RecordingCanvas canvas(600, [textWidth = width](const std::string&, const Font&) { return textWidth; });
        canvas.setup(1.0);
        canvas.moveTo(500.0 / 600, 0.5);
        canvas.centredText("tekst");
        ASSERT_EQ(canvas.ops().size(), 1u);
        EXPECT_EQ(canvas.ops()[0].rect.left, left) << "width " << width;
        EXPECT_EQ(canvas.ops()[0].rect.top, 300);
        EXPECT_EQ(canvas.position(), (DevicePoint{500, 300}));  // centring leaves the position
    }
}

}  // namespace
}  // namespace andel
