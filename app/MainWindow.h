#pragma once
// The main window: the frame that holds every screen, with the File menu.

#include "platform/Windows.h"

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMenu;

namespace kobu {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow();
    ~MainWindow() override;

    void onNewGame();
    void onStory();
    void onExit();
    // The frame's close box asks first; a Yes ends the game there and then.
    bool confirmClose(platform::CloseReason reason);

    QMdiArea* mdiArea() const { return area_; }
    QAction* newAction() const { return new_; }
    QAction* storyAction() const { return story_; }
    QAction* exitAction() const { return exit_; }

    static MainWindow* instance();

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();

    QMdiArea* area_;
    QMenu* file_;
    QAction* new_;
    QAction* story_;
    QAction* exit_;
};

// Closes every child window, visible or hidden, until none is left.
void closeAllChildWindows();

} // namespace kobu
