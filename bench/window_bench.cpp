// Figures of the window, each against floors measured in the same process.
//   edit        a committed edit of dlina until Memo1 holds the new report, against a bare
//               setPlainText of the same 37 lines (median nanoseconds of each)
//   start       constructing and showing TMainForm until it is exposed and painted, against the
//               floor form (same widgets, no calculator) and an empty window of the same size,
//               in rounds whose order turns each round (median nanoseconds of each, then the
//               medians of the rounds' ratios ours/floor and ours/empty)
//   first-window  a fresh process: nanoseconds from main() to TMainForm exposed and painted, and
//                 the peak resident memory (KiB) at that point
//   first-floor   the same for the floor form
//   first-empty   the same for an empty window of the same size

#include "MainForm1.hpp"
#include "application.hpp"
#include "floor_form.hpp"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

using quellfin::shell::TMainForm;

qint64 Median(std::vector<qint64> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Shows the window and waits, without sleeping, until it is exposed and has painted.
void ShowAndWait(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
}

std::unique_ptr<QWidget> EmptyWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(938, 667);
    return window;
}

void Edit(int rounds) {
    TMainForm window;
    ShowAndWait(window);
    auto* dlina = window.findChild<QLineEdit*>(QStringLiteral("dlina"));
    auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    dlina->setFocus();

    std::vector<qint64> ours;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        QTest::keyClick(dlina, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(dlina, i % 2 == 0 ? QStringLiteral("80") : QStringLiteral("60"));
        timer.start();
        QTest::keyClick(dlina, Qt::Key_Return); // commit, recalculation, report into Memo1
        ours.push_back(timer.nsecsElapsed());
    }
    // The floor shows the very texts the edits produced, alternating as they did.
    const QString sixty = memo->toPlainText();
    QTest::keyClick(dlina, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dlina, QStringLiteral("80"));
    QTest::keyClick(dlina, Qt::Key_Return);
    const QString eighty = memo->toPlainText();

    std::vector<qint64> floor;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        memo->setPlainText(i % 2 == 0 ? sixty : eighty);
        floor.push_back(timer.nsecsElapsed());
    }
    std::printf("edit %lld %lld\n", Median(ours), Median(floor));
}

void Start(int rounds) {
    const std::array<std::function<std::unique_ptr<QWidget>()>, 3> makers{
        [] { return std::make_unique<TMainForm>(); }, quellfin::bench::FloorForm, EmptyWindow};
    std::array<std::vector<qint64>, 3> times;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        // Ours, the floor and the empty window in turn, starting with a different one each round.
        for (std::size_t k = 0; k < makers.size(); ++k) {
            const std::size_t which = (k + static_cast<std::size_t>(i)) % makers.size();
            timer.start();
            {
                const auto window = makers[which]();
                ShowAndWait(*window);
                times[which].push_back(timer.nsecsElapsed());
            }
        }
    }
    // The ratio of each round's pair, so that load from elsewhere that hits a whole round cancels.
    const auto pairedRatio = [&](std::size_t floor) {
        std::vector<double> ratios;
        for (std::size_t i = 0; i < times[0].size(); ++i) {
            ratios.push_back(static_cast<double>(times[0][i]) /
                             static_cast<double>(times[floor][i]));
        }
        std::sort(ratios.begin(), ratios.end());
        return ratios[ratios.size() / 2];
    };
    std::printf("start %lld %lld %lld %.4f %.4f\n", Median(times[0]), Median(times[1]),
                Median(times[2]), pairedRatio(1), pairedRatio(2));
}

long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    quellfin::shell::Application app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("edit")) {
        Edit(400);
    } else if (mode == QLatin1String("start")) {
        Start(101);
    } else if (mode == QLatin1String("first-window")) {
        TMainForm window;
        ShowAndWait(window);
        std::printf("first %lld %ld\n", sinceStart.nsecsElapsed(), PeakResidentKiB());
    } else if (mode == QLatin1String("first-floor")) {
        const auto window = quellfin::bench::FloorForm();
        ShowAndWait(*window);
        std::printf("first %lld %ld\n", sinceStart.nsecsElapsed(), PeakResidentKiB());
    } else if (mode == QLatin1String("first-empty")) {
        const auto window = EmptyWindow();
        ShowAndWait(*window);
        std::printf("first %lld %ld\n", sinceStart.nsecsElapsed(), PeakResidentKiB());
    } else {
        std::fprintf(stderr, "usage: quellfin_window_bench "
                             "edit|start|first-window|first-floor|first-empty\n");
        return 2;
    }
    return 0;
}
