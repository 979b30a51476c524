#include "platform/Services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

namespace platform {
namespace {

// A box with Yes and No has no third answer: Esc and the window manager's
// close button would make one up, so both are refused and the player answers
// with a button. A box with OK alone closes on Esc and Enter.
class GameMessageBox : public QMessageBox {
public:
    GameMessageBox(QWidget* parent, bool yesNo) : QMessageBox(parent), yesNo_(yesNo) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (yesNo_ && e->matches(QKeySequence::Cancel)) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (yesNo_) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }

private:
    bool yesNo_;
};

// The toolkit sizes a box for its title in its own child-window font and
// margin; a window manager's frame adds an icon and two or three buttons and
// often a bold face, and cuts the title short. Room for the whole title: its
// width in the bold title font and a fixed allowance for the frame.
int widthForTitle(const QString& title) {
    if (title.trimmed().isEmpty())
        return 0;
    QFont f = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    f.setBold(true);
    const QFontMetrics bold(f);
    const QFontMetrics app(QApplication::font());
    constexpr int kFrameAllowance = 130;
    return std::max(bold.horizontalAdvance(title), app.horizontalAdvance(title)) + kFrameAllowance;
}

class RealMessageBoxes : public MessageBoxes {
public:
    MsgAnswer show(const BoxRequest& r) override {
        const bool yesNo = r.buttons == BoxButtons::YesNo;
        GameMessageBox box(QApplication::activeWindow(), yesNo);
        box.setText(r.text);
        // An empty title would be replaced by the program's name on its way
        // to the window system; a blank keeps the title bar empty.
        box.setWindowTitle(r.title.isEmpty() ? QStringLiteral(" ") : r.title);
        switch (r.icon) {
        case BoxIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case BoxIcon::Question: box.setIcon(QMessageBox::Question); break;
        case BoxIcon::Information: box.setIcon(QMessageBox::Information); break;
        case BoxIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        }
        QAbstractButton* yes = nullptr;
        if (yesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(r.defaultButton == vbNo ? QMessageBox::No : QMessageBox::Yes);
            yes = box.button(QMessageBox::Yes);
            // No close button in the title bar. Some window managers draw one
            // whatever the hints say (openbox does); its request is refused.
            box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
        }
        // The button row spans the box, so its minimum widens the whole box.
        if (auto* row = box.findChild<QDialogButtonBox*>()) {
            int margins = 0;
            if (QLayout* l = box.layout())
                margins = l->contentsMargins().left() + l->contentsMargins().right();
            row->setMinimumWidth(std::max(0, widthForTitle(r.title) - margins));
        }
        box.exec();
        if (!yesNo)
            return vbOK;
        return box.clickedButton() == yes ? vbYes : vbNo;
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

void pauseFor(int ms) { clock().sleep(ms); }
void processPendingEvents() { clock().doEvents(); }
float randomFraction() { return random().next(); }

} // namespace platform
