#pragma once
// The game's message boxes: a box that tells (OK) and a box that asks (Yes or
// No), the request a box is made from, and the modal box that shows it.

#include <QString>
#include <memory>
#include <optional>

namespace platform {

enum class Answer { Ok, Yes, No };
enum class BoxButtons { OK, YesNo };
enum class BoxIcon { None, Question, Information, Exclamation };

struct BoxRequest {
    QString text;
    QString title;
    BoxButtons buttons = BoxButtons::OK;
    BoxIcon icon = BoxIcon::None;
    Answer defaultAnswer = Answer::Ok; // the button Enter presses
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(const BoxRequest& request) = 0;
};

// The application title that a box without a title of its own shows.
inline const QString kAppTitle = QStringLiteral("Kobusato");

// Modal boxes. Without a title the application title is used; an empty title
// stays empty.
// Tells the player something; OK closes it.
void tell(const QString& text, BoxIcon icon = BoxIcon::None,
          const std::optional<QString>& title = std::nullopt);
// Asks Yes or No; true for Yes.
bool ask(const QString& text, BoxIcon icon, const std::optional<QString>& title,
         Answer defaultAnswer = Answer::Yes);

// The real box, a modal QMessageBox.
std::unique_ptr<MessageBoxes> makeRealMessageBoxes();

} // namespace platform
