// Wall time of the whole ending up to its question, against its 8.4 s of fixed
// pauses, with the real clock and pictures. Needs a display: run under xvfb-run.
#include "app/MainWindow.h"
#include "app/NewGame.h"
#include "media/EndingWindow.h"
#include "platform/Application.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {

// Answers the last question, noting when it came.
class Stopwatch : public platform::MessageBoxes {
  public:
    explicit Stopwatch(QElapsedTimer& t) : t_(t) {}
    platform::Answer show(const platform::BoxRequest&) override {
        ms = t_.nsecsElapsed() / 1e6;
        return platform::Answer::Yes;
    }
    double ms = 0;

  private:
    QElapsedTimer& t_;
};

} // namespace

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::setProgramFolderForTests(QStringLiteral(KOBUSATO_GAME_DIR));
    kobu::installStateSnapshots();
    kobu::startUp();
    app.processEvents();
    QElapsedTimer t;
    auto box = std::make_unique<Stopwatch>(t);
    Stopwatch* watch = box.get();
    platform::setMessageBoxes(std::move(box));
    t.start();
    platform::Windows::instance().show<kobu::EndingWindow>();
    const double ms = watch->ms;
    std::printf("ending up to its question: %.0f ms for 8400 ms of pauses, ratio %.2f "
                "(each sweep paced at %.2f s)\n",
                ms, ms / 8400.0, kobu::EndingWindow::sweepSeconds);
    std::fflush(stdout);
    platform::EndProcess();
}
