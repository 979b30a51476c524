#include "platform/MessageBox.h"

#include "platform/Announce.h"
#include "platform/Services.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Runs `steps` on the box once it is up. Whatever the steps leave undone, the
// box is then closed with No/OK so that a failing test cannot hang.
void whenBoxShows(std::function<void(QMessageBox*)> steps) {
    QTimer::singleShot(0, [steps = std::move(steps)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        EXPECT_NE(box, nullptr);
        if (!box)
            return;
        steps(box);
        if (box->isVisible())
            box->done(QMessageBox::No);
    });
}

} // namespace

// Esc, and the window manager's close request, must not answer a question
// whose answers are Yes and No: on the ending's question a made-up No ends the
// program. An OK box still closes on Esc.
TEST(RealMessageBox, YesNoIsAnsweredOnlyByItsButtonsAndOkClosesOnEsc) {
    auto boxes = makeRealMessageBoxes();
    bool stillOpen = false;
    bool closable = true;
    whenBoxShows([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stillOpen = box->isVisible();
        closable = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(boxes->show({QStringLiteral("もう一度しますか"), QStringLiteral("確認"),
                           BoxButtons::YesNo, BoxIcon::Question, Answer::No}),
              Answer::Yes);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(closable);

    bool closedByEsc = false;
    whenBoxShows([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        closedByEsc = !box->isVisible();
    });
    EXPECT_EQ(boxes->show({QStringLiteral("逃げるな"), QStringLiteral("臆病者め！"), BoxButtons::OK,
                           BoxIcon::Exclamation}),
              Answer::Ok);
    EXPECT_TRUE(closedByEsc);
}

// A screen reader reads the box's description as its text. What the game said just before
// the box is said in it, first, and not again after it, where it would cut the box off.
TEST(RealMessageBox, SaysWhatWasSaidJustBeforeItThenItsText) {
    struct Recorder : Announcer {
        QStringList* sent;
        explicit Recorder(QStringList* s) : sent(s) {}
        void announce(QWidget*, const QString& text) override { sent->append(text); }
    };
    QStringList sent;
    setAnnouncer(makeGatheringAnnouncer(std::make_unique<Recorder>(&sent)));
    QLabel number;
    announce(&number, QStringLiteral("あなたの数 5"));
    QString description;
    whenBoxShows([&](QMessageBox* box) { description = box->accessibleDescription(); });
    auto boxes = makeRealMessageBoxes();
    boxes->show({QStringLiteral("勝った！"), QString(), BoxButtons::OK, BoxIcon::None});
    EXPECT_EQ(description, QStringLiteral("あなたの数 5。勝った！"));

    // With nothing said before, the box's text alone.
    whenBoxShows([&](QMessageBox* box) { description = box->accessibleDescription(); });
    boxes->show({QStringLiteral("逃げるな"), QString(), BoxButtons::OK, BoxIcon::None});
    EXPECT_EQ(description, QStringLiteral("逃げるな"));
    QTest::qWait(kGatherMs + 100);
    EXPECT_TRUE(sent.isEmpty()) << sent.join(QLatin1Char('|')).toStdString();
    setAnnouncer(nullptr);
}
