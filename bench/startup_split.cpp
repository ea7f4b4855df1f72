// Where Kelvane's start-up time goes. Started without KELVANE_SPLIT_SPAWN_NS, it starts itself
// again and again with that variable set to the moment of the start, and prints the median of
// each phase. The started copy brings Kelvane up as its entry does, marking the time after each
// phase; the fonts and the window icon, which Qt otherwise resolves lazily inside show() and
// the first paint, are resolved at marks of their own so that their cost shows apart.
//
// Usage: startup_split <runs>    (needs an X display in DISPLAY)
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QMetaObject>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/qt/FontconfigPreload.h"
#include "session/DatabaseLocation.h"
#include "session/RollSession.h"
#include "tests/support/PrivateDataFolder.h"
#include "ui/ApplicationIcon.h"
#include "ui/main/formKelvane.h"

extern char** environ;

namespace {

constexpr const char* kSpawnVariable = "KELVANE_SPLIT_SPAWN_NS";

constexpr std::array kPhases{
    "loading and static initialisation",
    "Qt's own start (QApplication)",
    "window icon set",
    "font database (fontconfig)",
    "session (database opened)",
    "layout (formKelvane constructed)",
    "fonts (each control's font)",
    "icons (window icon's pixmaps)",
    "show (native window created)",
    "until mapped (window exposed)",
    "first paint",
};

using Clock = std::chrono::steady_clock;

double NowMs() {
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

// Records the moment the window is first exposed (mapped) and when its first paint is done.
class FirstFrameWatcher final : public QObject {
  public:
    FirstFrameWatcher(std::vector<double>& marks, QWidget& window)
        : marks_(marks), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_.windowHandle() && event->type() == QEvent::Expose && !exposed_) {
            exposed_ = true;
            marks_.push_back(NowMs());
        } else if (watched == &window_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // The backing store is flushed to the window once the paint event returns.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    marks_.push_back(NowMs());
                    QApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::vector<double>& marks_;
    QWidget& window_;
    bool exposed_ = false;
    bool painted_ = false;
};

int RunMarked(int argc, char* argv[], double spawned) {
    std::vector<double> marks{spawned, NowMs()};
    const kelvane::FontconfigPreload fonts;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvane"));
    marks.push_back(NowMs());
    QApplication::setWindowIcon(kelvane::ApplicationIcon());
    marks.push_back(NowMs());
    int height = static_cast<int>(QFontDatabase::families().size());
    marks.push_back(NowMs());

    kelvane::RollSession session(kelvane::DatabasePath());
    marks.push_back(NowMs());
    kelvane::formKelvane window(session);
    marks.push_back(NowMs());
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        height += QFontMetrics(control->font()).height();
    }
    marks.push_back(NowMs());
    const QIcon icon = QApplication::windowIcon();
    for (const QSize& size : icon.availableSizes()) {
        height += icon.pixmap(size).height();
    }
    marks.push_back(NowMs());

    FirstFrameWatcher watcher(marks, window);
    window.installEventFilter(&watcher);
    window.winId();
    window.windowHandle()->installEventFilter(&watcher);
    window.show();
    marks.push_back(NowMs());
    QApplication::exec();

    if (marks.size() != kPhases.size() + 1 || height <= 0) {
        std::fprintf(stderr, "the window was not shown and painted\n");
        return 1;
    }
    for (std::size_t i = 1; i < marks.size(); ++i) {
        std::printf("%.3f\n", marks[i] - marks[i - 1]);
    }
    return 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Starts this program with the spawn moment in its environment; reads the phases it prints.
bool RunOnce(const char* self, std::vector<std::vector<double>>& phases) {
    int output[2];
    if (pipe(output) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    setenv(kSpawnVariable, std::to_string(NowMs()).c_str(), 1);
    std::array<char*, 2> arguments{const_cast<char*>(self), nullptr};
    pid_t child = 0;
    const int started = posix_spawn(&child, self, &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (started != 0) {
        close(output[0]);
        return false;
    }
    FILE* phaseText = fdopen(output[0], "r");
    for (auto& phase : phases) {
        double milliseconds = 0;
        if (std::fscanf(phaseText, "%lf", &milliseconds) == 1) {
            phase.push_back(milliseconds);
        }
    }
    std::fclose(phaseText);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const char* spawned = std::getenv(kSpawnVariable)) {
        return RunMarked(argc, argv, std::atof(spawned));
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    std::vector<std::vector<double>> phases(kPhases.size());
    for (int run = 0; run < runs; ++run) {
        if (!RunOnce(argv[0], phases)) {
            std::fprintf(stderr, "a start of %s failed\n", argv[0]);
            return 1;
        }
    }
    double total = 0;
    std::printf("start-up split, medians over %d runs:\n", runs);
    for (std::size_t i = 0; i < kPhases.size(); ++i) {
        const double median = Median(phases[i]);
        total += median;
        std::printf("  %-36s %6.2f ms\n", kPhases[i], median);
    }
    std::printf("  %-36s %6.2f ms\n", "sum of the medians", total);
    return 0;
}
