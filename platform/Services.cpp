#include "platform/Services.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <QWidget>
#include <chrono>
#include <random>
#include <thread>

namespace platform {
namespace {

class RealMessageBoxes : public MessageBoxes {
public:
    MsgAnswer show(const BoxRequest& r) override {
        QMessageBox box(QApplication::activeWindow());
        box.setText(r.text);
        box.setWindowTitle(r.title);
        switch (r.icon) {
        case BoxIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case BoxIcon::Question: box.setIcon(QMessageBox::Question); break;
        case BoxIcon::Information: box.setIcon(QMessageBox::Information); break;
        case BoxIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        }
        if (r.buttons == BoxButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(r.defaultButton == vbNo ? QMessageBox::No : QMessageBox::Yes);
            // Closing the box counts as the safe answer.
            box.setEscapeButton(QMessageBox::No);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
        }
        const int res = box.exec();
        if (r.buttons == BoxButtons::OK)
            return vbOK;
        return res == QMessageBox::Yes ? vbYes : vbNo;
    }
};

class RealClock : public Clock {
public:
    void sleep(int ms) override {
        // Paint what is pending so the player sees the message being paused on.
        // Only the paint requests themselves are sent: input, timer ticks and
        // posted calls wait until the pause is over (a press of "Stop!" made
        // during an exchange is taken after it, on the roll then running).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    void doEvents() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
};

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

std::unique_ptr<MessageBoxes>& boxSlot() {
    static std::unique_ptr<MessageBoxes> s;
    return s;
}
std::unique_ptr<Clock>& clockSlot() {
    static std::unique_ptr<Clock> s;
    return s;
}
std::unique_ptr<Random>& randomSlot() {
    static std::unique_ptr<Random> s;
    return s;
}
std::unique_ptr<MidiDevice>& midiSlot() {
    static std::unique_ptr<MidiDevice> s;
    return s;
}

} // namespace

std::unique_ptr<MessageBoxes> makeRealMessageBoxes() { return std::make_unique<RealMessageBoxes>(); }
std::unique_ptr<Clock> makeRealClock() { return std::make_unique<RealClock>(); }
std::unique_ptr<Random> makeRealRandom() { return std::make_unique<RealRandom>(); }

MessageBoxes& boxes() {
    if (!boxSlot())
        boxSlot() = makeRealMessageBoxes();
    return *boxSlot();
}
Clock& clock() {
    if (!clockSlot())
        clockSlot() = makeRealClock();
    return *clockSlot();
}
Random& random() {
    if (!randomSlot())
        randomSlot() = makeRealRandom();
    return *randomSlot();
}
MidiDevice& midi() {
    if (!midiSlot())
        midiSlot() = makeRealMidiDevice();
    return *midiSlot();
}

void setMessageBoxes(std::unique_ptr<MessageBoxes> s) { boxSlot() = std::move(s); }
void setClock(std::unique_ptr<Clock> s) { clockSlot() = std::move(s); }
void setRandom(std::unique_ptr<Random> s) { randomSlot() = std::move(s); }
void setMidiDevice(std::unique_ptr<MidiDevice> s) { midiSlot() = std::move(s); }

BoxRequest makeRequest(const QString& text, int style, const std::optional<QString>& title) {
    BoxRequest r;
    r.text = text;
    r.title = title.value_or(kAppTitle);
    r.buttons = (style & 7) == vbYesNo ? BoxButtons::YesNo : BoxButtons::OK;
    switch (style & 0x70) {
    case vbQuestion: r.icon = BoxIcon::Question; break;
    case vbExclamation: r.icon = BoxIcon::Exclamation; break;
    case vbInformation: r.icon = BoxIcon::Information; break;
    default: r.icon = BoxIcon::None; break;
    }
    if (r.buttons == BoxButtons::YesNo)
        r.defaultButton = (style & vbDefaultButton2) ? vbNo : vbYes;
    else
        r.defaultButton = vbOK;
    return r;
}

MsgAnswer MsgBox(const QString& text, int style, const std::optional<QString>& title) {
    return boxes().show(makeRequest(text, style, title));
}

void Sleep(int ms) { clock().sleep(ms); }
void DoEvents() { clock().doEvents(); }
float Rnd() { return random().next(); }

} // namespace platform
