#pragma once

#include <QApplication>
#include <string>

namespace platform {

// The game's application object: Japanese to begin with, the default face,
// and the window layer's key handling. A display that cannot be opened ends
// the program with status 1 and one line on standard error that names it and
// tells how to run the game under a virtual display, not with Qt's abort.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The command that runs `program` under a virtual display (xvfb-run).
std::string virtualDisplayCommand(const char* program);

} // namespace platform
