// What a player waits for in the real main window, with the roll log written and every roll
// shared with the table, as the program wires them through its roll session:
// KELVANE_DISCORD_API_BASE and SSL_CERT_FILE name a local server to post to, and without them
// the posts fail and wait to be tried again, as on a machine that is offline.
//
// - a click to the list's visible rows and the total painted, for 200 rolls of 32,000 dice:
//   the median, the 99th percentile and the longest, against a frame of 16.7 ms;
// - the same for a million dice typed as notation, and for the largest game system's rolls,
//   each with its outcome shown large and, once worked out, every outcome's chance;
// - the longest turn of the window's event loop over a soak of 4,000 rolls of 32,000 dice,
//   each with its odds, its row in the log and its message to the table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "bench/PaintWatcher.h"
#include "session/DatabaseLocation.h"
#include "session/RollSession.h"
#include "session/TableSettings.h"
#include "session/TableSharing.h"
#include "tests/support/PrivateDataFolder.h"
#include "ui/main/formKelvane.h"

namespace {

using namespace kelvane;
using bench::PaintWatcher;

constexpr int kClickRolls = 200;
constexpr int kSoakRolls = 4000;

template <typename Control>
Control& Find(const QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    return *control;
}

// The window on a session of its own, the log kept, sharing every roll, the clipboard option
// ticked, and 32000 in the d6 count box or a notation in its box.
struct WindowRig {
    explicit WindowRig(const char* notation = nullptr) : window(session) {
        const QString settings = folder.filePath(QStringLiteral("table.json"));
        if (!TableSettings{QStringLiteral("https://discord.com/api/webhooks/4242/ok_BenchToken"),
                           QStringLiteral("Bench"), true}
                 .Save(settings)) {
            qFatal("the table's settings cannot be saved");
        }
        session.StartSharing(qEnvironmentVariable("KELVANE_DISCORD_API_BASE",
                                                  QStringLiteral("https://127.0.0.1:9/api")),
                             settings);
        QObject::connect(&session, &RollSession::oddsReady, [this] { oddsShown = true; });
        window.show();
        QCoreApplication::processEvents();
        Find<QCheckBox>(window, "chkClip").setChecked(true);
        Find<QLineEdit>(window, "md6").setText(QStringLiteral("32e3"));
        if (notation != nullptr) {
            notationBox.setText(QString::fromLatin1(notation));
        }
        if (!session.Logger().Keeping() || !session.Sharing()->IsSharing()) {
            qFatal("the roll log or sharing is off");
        }
    }

    // Rolls as the player does, by a click or by Enter.
    void Roll() {
        listPaint.painted = false;
        totalPaint.painted = false;
        oddsShown = false;
        if (notationBox.text().isEmpty()) {
            rollButton.click();
        } else {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(&notationBox, &enter);
        }
    }

    // Milliseconds from the click to the rows and the total painted.
    double RollAndPaint() {
        QElapsedTimer clock;
        clock.start();
        const QString totalBefore = total.text();
        Roll();
        const bool totalChanged = total.text() != totalBefore;
        while (!listPaint.painted || (totalChanged && !totalPaint.painted)) {
            QCoreApplication::processEvents();
        }
        return static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }

    // Until the roll's odds are shown, so that they are not counted in the next roll's time.
    void Settle() {
        while (!oddsShown) {
            QCoreApplication::processEvents();
        }
    }

    PrivateDataFolder data;
    QTemporaryDir folder;
    RollSession session{DatabasePath()};
    formKelvane window;
    QPushButton& rollButton = Find<QPushButton>(window, "d6");
    QLineEdit& notationBox = Find<QLineEdit>(window, "txtNotation");
    QLabel& total = Find<QLabel>(window, "totalresult");
    PaintWatcher listPaint{*Find<QListView>(window, "rolloutput").viewport()};
    PaintWatcher totalPaint{total};
    bool oddsShown = false;
};

// The median, the 99th percentile and the longest of the times, as counters.
void ReportTimes(benchmark::State& state, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const auto at = [&times](double share) {
        return times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))];
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["longest_ms"] = times.back();
}

void ClickToPaint(benchmark::State& state, const char* notation) {
    WindowRig rig(notation);
    std::vector<double> times;
    for (auto _ : state) {
        const double milliseconds = rig.RollAndPaint();
        state.SetIterationTime(milliseconds / 1e3);
        times.push_back(milliseconds);
        rig.Settle();
    }
    ReportTimes(state, times);
}

void ClickToPaint32000Dice(benchmark::State& state) { ClickToPaint(state, nullptr); }
void EnterToPaintMillionDice(benchmark::State& state) { ClickToPaint(state, "1000000d6"); }
void EnterToPaintOutcome(benchmark::State& state) {
    static constexpr const char* kLargest[] = {"sr 50", "cod 30", "bitd 10", "coc 100 b2"};
    ClickToPaint(state, kLargest[state.range(0)]);
}

// Each turn of the event loop is timed by a timer that fires at every turn; each roll is made
// from a turn of its own once the one before has its odds.
void SoakLongestTurn(benchmark::State& state) {
    WindowRig rig;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        qint64 lastTurn = 0;
        qint64 longest = 0;
        QTimer heartbeat;
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - lastTurn);
            lastTurn = now;
        });
        heartbeat.start(0);
        int rolls = 0;
        rig.oddsShown = true;
        QTimer roller;
        QObject::connect(&roller, &QTimer::timeout, [&] {
            if (rig.oddsShown && rolls < kSoakRolls) {
                rig.Roll();
                ++rolls;
            }
        });
        roller.start(0);
        while (rolls < kSoakRolls || !rig.oddsShown) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        state.counters["longest_turn_ms"] = static_cast<double>(longest) / 1e6;
    }
}

BENCHMARK(ClickToPaint32000Dice)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(kClickRolls);
BENCHMARK(EnterToPaintMillionDice)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(EnterToPaintOutcome)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(kClickRolls);
BENCHMARK(SoakLongestTurn)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char* argv[]) {
    // No display is needed: the window is laid out and painted off screen.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
