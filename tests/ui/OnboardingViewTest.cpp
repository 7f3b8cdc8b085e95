// The tour's Qt Quick view, drawn offscreen: every page builds without a QML error,
// springs move as their (response, damping fraction) say, and the tips page cycles
// through its demonstrations on a virtual clock.

#include "OnboardingTestRig.h"
#include "OnboardingWindow.h"
#include "QuickItems.h"
#include "Springs.h"

#include <gtest/gtest.h>

#include <QAnimationDriver>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTest>

namespace {

ShortcutRecorder::Services recorderServices(OnboardingTestRig& rig)
{
    return {rig.hotkey, [](int key, quint32) -> std::optional<Qt::Key> { return Qt::Key(key); },
            [](QKeyCombination) { return QList<QKeyCombination>{}; }, [] { return QStringLiteral("Openbox"); }, [] {}};
}

// Collects what the QML engine complains about.
QStringList* qmlWarnings = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (qmlWarnings && type >= QtWarningMsg)
        qmlWarnings->append(message);
}

class TourViewTest : public ::testing::Test {
protected:
    TourViewTest() : support(recorderServices(rig), OnboardingModel::welcomeLead("Переклад Івана Огієнка"), rig.scheduler)
    {
        qmlWarnings = &warnings;
        previousHandler = qInstallMessageHandler(collectWarnings);
        view.rootContext()->setContextProperty("tourKit", &support);
    }
    ~TourViewTest() override
    {
        qInstallMessageHandler(previousHandler);
        qmlWarnings = nullptr;
    }

    QQuickItem* find(const QString& name) { return findItem(view.rootObject(), name); }

    OnboardingTestRig rig;
    TourViewSupport support;
    QQuickView view;
    QStringList warnings;
    QtMessageHandler previousHandler = nullptr;
};

TEST_F(TourViewTest, EveryPageBuildsAndTheFooterFollowsTheStep)
{
    OnboardingModel model(rig.services(), [] {});
    model.start();
    view.rootContext()->setContextProperty("tour", &model);
    view.setSource(QUrl("qrc:/qml/tour/OnboardingView.qml"));
    ASSERT_EQ(view.status(), QQuickView::Ready) << qPrintable(warnings.join('\n'));
    view.show();

    struct Footer {
        bool skip;
        bool back;
        const char* next;
    };
    const Footer footers[] = {
        {false, false, "Почати"}, {true, true, "Далі"}, {true, true, "Далі"},
        {true, true, "Далі"},     {true, true, "Далі"}, {false, true, "Почати користуватися"},
    };
    for (int step = OnboardingModel::Welcome; step <= OnboardingModel::Done; ++step) {
        model.go(step);
        QTest::qWait(50);
        EXPECT_EQ(find("skipButton")->isVisible(), footers[step].skip) << step;
        EXPECT_EQ(find("backButton")->isVisible(), footers[step].back) << step;
        EXPECT_EQ(find("nextButton")->property("text").toString(), footers[step].next) << step;
    }
    model.go(OnboardingModel::Practice);
    model.practiceInserted("«вірш»");
    rig.advance(100);
    QTest::qWait(50);
    EXPECT_TRUE(find("nextButton")->property("glowing").toBool());
    EXPECT_TRUE(warnings.isEmpty()) << qPrintable(warnings.join('\n'));
}

// Time for Qt Quick's animations, moved by hand in frames of 16 ms.
class SteppingDriver : public QAnimationDriver {
public:
    qint64 elapsed() const override { return m_time; }
    void step(int ms)
    {
        // (Animations join the timer in a later turn of the event loop.)
        QCoreApplication::processEvents();
        m_time += ms;
        advance();
    }

private:
    qint64 m_time = 0;
};

TEST_F(TourViewTest, SpringsMoveAsTheirResponseAndDampingSay)
{
    QQmlComponent component(view.engine());
    component.setData(R"(
        import QtQuick
        Item {
            property real response
            property real fraction
            property real value: 0
            Behavior on value {
                SpringAnimation { spring: tourKit.spring(response, fraction); damping: tourKit.damping(response, fraction); epsilon: 0.0001 }
            }
        })", QUrl());
    const std::pair<double, double> springs[] = {{0.45, 0.86}, {0.55, 0.8}, {0.4, 0.6}, {0.35, 0.6}, {0.25, 0.5}};
    for (const auto& [response, fraction] : springs) {
        SteppingDriver driver;
        driver.install();
        std::unique_ptr<QObject> item(component.createWithInitialProperties({{"response", response}, {"fraction", fraction}}));
        ASSERT_TRUE(item) << qPrintable(component.errorString());
        item->setProperty("value", 1.0);
        QList<double> values;
        for (int frame = 1; frame <= 90; ++frame) {
            driver.step(16);
            values << item->property("value").toDouble();
        }
        // Where the animation started within its first frame depends on the timer,
        // and its first step is a jump: line the curves up where they pass the
        // middle and compare from there on.
        const auto crossing = [](const std::function<double(double)>& curve) {
            double low = 0, high = 2;
            for (int i = 0; i < 50; ++i)
                (curve((low + high) / 2) < 0.5 ? low : high) = (low + high) / 2;
            return low;
        };
        const auto animated = [&](double t) {
            const double at = std::clamp(t / 0.016, 0.0, double(values.size() - 1));
            const int i = int(at);
            return i + 1 < values.size() ? values[i] + (at - i) * (values[i + 1] - values[i]) : values.last();
        };
        const auto spring = [&](double t) { return t < 0 ? 0.0 : Springs::position(response, fraction, t); };
        const double middle = crossing(animated);
        const double shift = middle - crossing(spring);
        double worst = 0;
        for (int i = int(middle / 0.016) + 1; i < values.size(); ++i)
            worst = std::max(worst, std::abs(values[i] - spring(i * 0.016 - shift)));
        const double peak = *std::max_element(values.begin(), values.end());
        const double peakTime = (values.indexOf(peak)) * 0.016 - shift;

        // It follows the spring's curve, swings over by as much, at the same time,
        // and comes to rest at the target.
        const double damped = 2 * M_PI / response * std::sqrt(1 - fraction * fraction);
        const double overshoot = std::exp(-M_PI * fraction / std::sqrt(1 - fraction * fraction));
        EXPECT_LT(worst, 0.03) << response << "/" << fraction;
        EXPECT_NEAR(peak - 1, overshoot, 0.005) << response << "/" << fraction;
        EXPECT_NEAR(peakTime, M_PI / damped, 0.016) << response << "/" << fraction;
        EXPECT_NEAR(values.last(), 1.0, 0.005) << response << "/" << fraction;
        driver.uninstall();
    }
}

class TipsPageTest : public TourViewTest {
protected:
    void SetUp() override
    {
        view.setSource(QUrl("qrc:/qml/tour/TipsStep.qml"));
        ASSERT_EQ(view.status(), QQuickView::Ready) << qPrintable(warnings.join('\n'));
        view.resize(720, 468);
        view.show();
    }
    int tip() { return view.rootObject()->property("tip").toInt(); }
    QObject* demo() { return find("demoBox")->property("item").value<QObject*>(); }
    void advance(int ms)
    {
        rig.advance(ms);
        QCoreApplication::processEvents();
    }
};

TEST_F(TipsPageTest, LeftAloneItCyclesThroughTheTipsFromTheStart)
{
    // Each demonstration's script length, in the order of the tips.
    const int lengths[] = {5530, 6830, 8070, 5080};
    for (int round = 0; round < 5; ++round) {
        const int shown = round % 4;
        EXPECT_EQ(tip(), shown) << round;
        QObject* current = demo();
        advance(lengths[shown] - 1);
        EXPECT_EQ(tip(), shown) << round;
        EXPECT_EQ(demo(), current);
        advance(1);
    }
    EXPECT_TRUE(warnings.isEmpty()) << qPrintable(warnings.join('\n'));
}

TEST_F(TipsPageTest, ATabClickRestartsTheCycleThereAndTheSelectedTabChangesNothing)
{
    advance(1000);
    QObject* running = demo();
    ASSERT_TRUE(find("tab 0"));
    QMetaObject::invokeMethod(find("tab 0"), "clicked");
    EXPECT_EQ(demo(), running) << "the selected tab keeps its demonstration";

    QMetaObject::invokeMethod(find("tab 2"), "clicked");
    EXPECT_EQ(tip(), 2);
    // The interrupted search would have ended 4.53 s from now; it never does.
    advance(5000);
    EXPECT_EQ(tip(), 2);
    advance(8070 - 5000);
    EXPECT_EQ(tip(), 3);
}

}  // namespace
