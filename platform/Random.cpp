#include "platform/Random.h"

#include "platform/Services.h"

#include <QDateTime>
#include <QTime>
#include <cstdint>
#include <random>

namespace platform {
namespace {

class RealRandom : public Random {
  public:
    RealRandom() {
        // Seeded from the time of day so that every run plays differently.
        const auto now = QDateTime::currentDateTime();
        gen_.seed(static_cast<std::uint32_t>(now.toMSecsSinceEpoch() ^ (now.time().msec() << 16)));
    }
    float next() override {
        // 24 random bits give every representable step of a float in [0, 1).
        return static_cast<float>(gen_() >> 8) * (1.0f / 16777216.0f);
    }

  private:
    std::mt19937 gen_;
};

} // namespace

std::unique_ptr<Random> makeRealRandom() {
    return std::make_unique<RealRandom>();
}

float randomFraction() {
    return random().next();
}

} // namespace platform
