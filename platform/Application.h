#pragma once

#include <QApplication>

namespace platform {

// The game's application object: Japanese to begin with, the default face,
// and the window layer's key handling.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace platform
