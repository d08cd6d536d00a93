// The window on a Wayland compositor (weston): no request for the maximized
// or the full-screen state, from the program or from Qt's own title bar,
// ends the program or changes the window's 481 × 424 size.
#include "application_setup.h"
#include "table_rows.h"
#include "velmora.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

namespace velmora::test {
namespace {

constexpr Qt::WindowStates kRefusedStates = Qt::WindowMaximized | Qt::WindowFullScreen;
const QSize kWindowSize(481, 424);

class OnWayland : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            << QGuiApplication::platformName().toStdString();
        window = std::make_unique<Velmora>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QObject::connect(window->windowHandle(), &QWindow::windowStateChanged, window.get(),
                         [this](Qt::WindowState state) {
                             if (kRefusedStates.testFlag(state))
                                 ++refusedStatesSeen;
                         });
    }

    void TearDown() override {
        window.reset();
        QApplication::processEvents();
    }

    // Gives the compositor time to answer, repaints the window (a window
    // whose size does not match the state it was given ends the program
    // there), then checks that it is shown, normal and of its own size.
    void expectNormalWindowOfItsSize() {
        QTest::qWait(500);
        window->repaint();
        QTest::qWait(300);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->size(), kWindowSize);
        EXPECT_EQ(window->windowHandle()->size(), kWindowSize);
        EXPECT_FALSE(window->windowState() & kRefusedStates);
        EXPECT_FALSE(window->windowHandle()->windowStates() & kRefusedStates);
    }

    std::unique_ptr<Velmora> window;
    int refusedStatesSeen = 0;
};

struct StateRequest {
    const char* name;
    void (*request)(Velmora& window);
};

class StateRequests : public OnWayland, public ::testing::WithParamInterface<StateRequest> {};

TEST_P(StateRequests, LeaveTheWindowNormalAndItsSize) {
    GetParam().request(*window);
    expectNormalWindowOfItsSize();
    // A second request fares the same as the first.
    GetParam().request(*window);
    expectNormalWindowOfItsSize();
    EXPECT_GE(refusedStatesSeen, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, StateRequests,
    ::testing::Values(
        // What the Maximize button of Qt's title bar on Wayland does.
        StateRequest{"TitleBarMaximize",
                     [](Velmora& w) {
                         QWindow* handle = w.windowHandle();
                         handle->setWindowStates(handle->windowStates() ^ Qt::WindowMaximized);
                     }},
        StateRequest{"ShowMaximized", [](Velmora& w) { w.showMaximized(); }},
        StateRequest{"ShowFullScreen", [](Velmora& w) { w.showFullScreen(); }},
        StateRequest{"WindowFullScreen",
                     [](Velmora& w) { w.windowHandle()->setWindowStates(Qt::WindowFullScreen); }},
        StateRequest{"MaximizedAndFullScreen",
                     [](Velmora& w) {
                         w.windowHandle()->setWindowStates(Qt::WindowMaximized |
                                                           Qt::WindowFullScreen);
                     }}),
    rowName);

// Real pointer clicks on Qt's title bar, where weston shows the window on an
// X display (its X11 backend) that xdotool drives. The compositor's output is
// no larger than the window, so weston puts the window at its top-left
// corner; Qt's title bar is 30 px high, its buttons 18 px wide, 5 px apart and
// 8 px from the right edge of the 487-px-wide surface (3-px side borders).
struct TitleBarClick {
    const char* name;
    const char* xdotool; // arguments after the pointer has moved onto the title bar
    int x;
    bool requestsAState; // whether Qt's title bar asks for a state
};

class TitleBarClicks : public OnWayland, public ::testing::WithParamInterface<TitleBarClick> {
protected:
    void click() {
        const QByteArray display = qgetenv("VELMORA_TEST_X_DISPLAY");
        ASSERT_FALSE(display.isEmpty()) << "VELMORA_TEST_X_DISPLAY names the X display of weston";
        QProcess xdotool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLocal8Bit(display));
        xdotool.setProcessEnvironment(env);
        QStringList arguments = {QStringLiteral("mousemove"), QString::number(GetParam().x),
                                 QStringLiteral("15"), QStringLiteral("sleep"),
                                 QStringLiteral("0.2")};
        arguments += QString::fromLatin1(GetParam().xdotool).split(QLatin1Char(' '));
        xdotool.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(xdotool.waitForStarted());
        // Qt's events keep flowing while xdotool clicks.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 10000));
        ASSERT_EQ(xdotool.exitCode(), 0) << xdotool.readAllStandardError().toStdString();
    }
};

TEST_P(TitleBarClicks, LeaveTheWindowNormalAndItsSize) {
    QTest::qWait(300);
    click();
    expectNormalWindowOfItsSize();
    click();
    expectNormalWindowOfItsSize();
    // The clicks hit the title bar's button: it asked for the state each time.
    if (GetParam().requestsAState) {
        EXPECT_GE(refusedStatesSeen, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Clicks, TitleBarClicks,
                         ::testing::Values(TitleBarClick{"MaximizeButton", "click 1", 447, true},
                                           TitleBarClick{"DoubleClickOnTheCaption",
                                                         "click --repeat 2 --delay 100 1", 200,
                                                         false}),
                         rowName);

} // namespace
} // namespace velmora::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    velmora::configureApplication(app);
    return RUN_ALL_TESTS();
}
