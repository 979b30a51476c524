// Start-up of the game against a bare Qt frame: wall time from launch until
// the main window is painted, and resident memory then. Needs a display (run
// under xvfb-run). The game is the benchmark's own build of the program, which
// ends itself once the frame is painted. Usage: startup_bench [runs]
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double ms;
    long rssKb;
};

Run once(const QString& program) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(program, {});
    p.waitForFinished(30000);
    const double ms = t.nsecsElapsed() / 1e6;
    const QByteArray out = p.readAllStandardOutput();
    const int at = out.indexOf("shown ");
    const long rss = at >= 0 ? out.mid(at + 6).trimmed().toLong() : -1;
    return {ms, rss};
}

Run median(const QString& program, int runs) {
    std::vector<double> ms;
    std::vector<long> rss;
    for (int i = 0; i < runs; ++i) {
        const Run r = once(program);
        ms.push_back(r.ms);
        rss.push_back(r.rssKb);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(rss.begin(), rss.end());
    return {ms[ms.size() / 2], rss[rss.size() / 2]};
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const QString game = QStringLiteral(PROBED_GAME);
    const QString bare = QStringLiteral(BARE_FRAME);
    once(game); // warm the file cache for both
    once(bare);
    const Run g = median(game, runs);
    const Run b = median(bare, runs);
    std::printf("start-up until the main window is shown (median of %d runs)\n", runs);
    std::printf("  kobusato     %8.1f ms  %8ld kB resident\n", g.ms, g.rssKb);
    std::printf("  bare frame   %8.1f ms  %8ld kB resident\n", b.ms, b.rssKb);
    std::printf("  ratio        %8.2f     %8.2f\n", g.ms / b.ms, double(g.rssKb) / double(b.rssKb));
    return 0;
}
