#pragma once
// A FIFO that the game must never wait on. Whoever opens it to read is caught
// and let go at once (a writer comes and goes, so the read ends empty), so a
// test of a reader that would block still ends, and fails.

#include <QString>
#include <atomic>
#include <thread>

namespace testing_support {

class FifoTrap {
  public:
    explicit FifoTrap(const QString& path);
    ~FifoTrap();
    FifoTrap(const FifoTrap&) = delete;
    FifoTrap& operator=(const FifoTrap&) = delete;

    bool made() const { return made_; }
    // How often a reader opened it.
    int readersCaught() const { return caught_.load(); }

  private:
    QString path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<int> caught_{0};
    std::thread watch_;
};

} // namespace testing_support
