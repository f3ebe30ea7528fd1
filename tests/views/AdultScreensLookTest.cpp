// The two adult screens as a parent first sees them, over a busy play surface, at the two screen
// sizes the type scale is made for. With WIGGLEPAD_SCREENSHOT_DIR set, the pictures are also
// saved there to be looked at.
#include "AppState.h"
#include "ExitConfirmOverlay.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "FittingColumn.h"
#include "MemorySettingsStore.h"
#include "MenuView.h"
#include "NotificationCenter.h"
#include "SystemRandomSource.h"
#include "drawPlaySurface.h"

#include <QDir>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace wigglepad {
namespace {

const QColor kSurface = QColor::fromRgbF(0.98f, 0.97f, 0.95f);
const QColor kInk = QColor::fromRgbF(0.18f, 0.18f, 0.24f);
const QColor kMuted = QColor::fromRgbF(0.45f, 0.45f, 0.52f);

// A play surface with figures, ribbons and bubbles on it, drawn as the play view draws it.
class BusySurface : public QWidget {
public:
    explicit BusySurface(QSize size)
        : screen_(SurfaceSize{double(size.width()), double(size.height())})
        , state_(clock_, screen_, random_, settings_) {
        resize(size);
        for (int i = 0; i < 24; ++i)
            state_.spawnShape(
                Point{size.width() * (i % 8 + 0.5) / 8.0, size.height() * (0.2 + 0.25 * (i / 8))},
                30.0);
        state_.dragStart.set(Point{100.0, size.height() * 0.8});
        state_.addRibbon(Point{size.width() * 0.6, size.height() * 0.7});
        for (int step = 0; step < 20; ++step) {
            clock_.advance(1.0 / 60.0);
            state_.frameStep();
        }
    }

    void paintOn(QPainter& painter, QSizeF size) const {
        drawPlaySurface(painter, size, clock_.now(), state_, kSurface);
    }
    AppState& state() { return state_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintOn(painter, size());
    }

private:
    FakeClock clock_;
    FakeScreen screen_;
    SystemRandomSource random_;
    MemorySettingsStore settings_;
    AppState state_;
};

void keepForLooking(QWidget& screen, const char* name) {
    const QString dir = qEnvironmentVariable("WIGGLEPAD_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    const QString file = QDir(dir).filePath(QStringLiteral("%1-%2x%3.png")
                                                .arg(QLatin1String(name))
                                                .arg(screen.width())
                                                .arg(screen.height()));
    EXPECT_TRUE(screen.grab().save(file)) << file.toStdString();
}

struct Screen {
    QSize size;
    friend void PrintTo(const Screen& screen, std::ostream* out) {
        *out << screen.size.width() << " x " << screen.size.height();
    }
};

class AdultScreensLookTest : public ::testing::TestWithParam<Screen> {};

TEST_P(AdultScreensLookTest, TheMenuFitsTheScreen) {
    BusySurface surface(GetParam().size);
    MemorySettingsStore settings;
    NotificationCenter notifications;
    MenuView menu(surface.state(), kInk, kMuted, settings, notifications, &surface);
    surface.show();
    const auto* column = menu.findChild<FittingColumn*>();
    ASSERT_NE(column, nullptr);
    EXPECT_TRUE(menu.rect().contains(column->geometry())) << "nothing is cut off";
    keepForLooking(surface, "menu");
}

TEST_P(AdultScreensLookTest, TheConfirmationSitsInTheMiddle) {
    BusySurface surface(GetParam().size);
    ExitConfirmOverlay overlay([] {}, [] {}, &surface);
    overlay.setBackdrop([&](QPainter& painter, QSizeF size) { surface.paintOn(painter, size); });
    surface.show();
    EXPECT_EQ(overlay.cardGeometry().center(), overlay.rect().center());
    keepForLooking(surface, "confirm");
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, AdultScreensLookTest,
                         ::testing::Values(Screen{{1920, 1080}}, Screen{{1280, 800}}),
                         [](const ::testing::TestParamInfo<Screen>& screen) {
                             return std::to_string(screen.param.size.width()) + "x" +
                                    std::to_string(screen.param.size.height());
                         });

} // namespace
} // namespace wigglepad
