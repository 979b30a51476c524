#pragma once
// The ending: music, a flip-book, picture sweeps, the staff roll, and the
// question whether to play again. It all runs inside the window's load.

#include "platform/GameWindow.h"

#include <QPixmap>
#include <QString>
#include <cstdint>
#include <functional>

namespace kobu {

// A picture control: shows its picture at natural size from its top-left
// corner, clipped to its own rectangle. Position and size are kept in twips,
// as single-precision values, and reach the screen as whole pixels.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);
    // Assigning a picture sizes the control to it.
    void setPicture(const QPixmap& pm);
    // The same picture in another language: the control keeps its size.
    void replacePicture(const QPixmap& pm);
    void setLeftTw(float v);
    void setTopTw(float v);
    void setWidthTw(float v);
    void setHeightTw(float v);
    float leftTw() const { return left_; }
    float topTw() const { return top_; }
    float widthTw() const { return width_; }
    float heightTw() const { return height_; }
    const QPixmap& picture() const { return pm_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void place();
    QPixmap pm_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class EndingWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    EndingWindow();
    void retranslate() override;
    void onLoad() override;
    // The close box is refused while the sequence runs: the menu and status
    // window are gone by then, and only its question leads back to a game.
    bool canClose(platform::CloseReason reason) override;

    PictureBox* slide;
    const QPixmap& background() const { return background_; }

    // How long each sweep is given on screen; tests set 0 to run it flat out.
    static inline double sweepSeconds = 0.5;
    // Sees each step of the sequence ("picture:<name>", "background:<name>",
    // "sweep:<property>:<steps>:<first>:<last>", "prepare:<property>:<value>").
    static inline std::function<void(const QString&)> observer;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    enum class Prop { Left, Width, Height };
    void showPicture(const QString& name);
    void setBackground(const QString& name);
    // The counter counts in ten-thousandths, so steps of 0.3 stay exact.
    void sweep(Prop prop, std::int64_t from, std::int64_t to, std::int64_t step);
    void prepare(Prop prop, float value);
    void note(const QString& s) const;
    QPixmap load(const QString& name) const;
    QPixmap designPicture() const;
    QPixmap background_;
    // What shows now, read again in a new language (empty: the design's).
    QString pictureName_;
    QString backgroundName_;
    bool playing_ = false;
};

} // namespace kobu
