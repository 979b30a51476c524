#include "support/FifoTrap.h"

#include <QFile>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testing_support {

FifoTrap::FifoTrap(const QString& path) : path_(path) {
    const QByteArray name = QFile::encodeName(path);
    made_ = ::mkfifo(name.constData(), 0600) == 0;
    if (!made_)
        return;
    watch_ = std::thread([this, name] {
        while (!stop_.load()) {
            // Opening to write without waiting succeeds only while a reader
            // has it open.
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ++caught_;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
}

FifoTrap::~FifoTrap() {
    stop_ = true;
    if (watch_.joinable())
        watch_.join();
}

} // namespace testing_support
