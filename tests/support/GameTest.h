#pragma once
// A game in a fresh temporary program folder, with the main frame open and
// every service replaced by its fake.

#include "app/MainWindow.h"
#include "platform/GameWindow.h"
#include "state/GameState.h"
#include "support/Fakes.h"

#include <QMdiArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    kobu::GameState& g() { return kobu::game(); }
    platform::Windows& forms() { return platform::Windows::instance(); }
    template <class T> T* find() { return forms().find<T>(); }
    // Folder the game runs from in this test.
    QString folder() const { return dir_->path(); }
    // Copies a file the build made (music, tables, pictures) into the folder.
    void copyFromGame(const QString& relativePath);

    std::unique_ptr<QTemporaryDir> dir_;
    kobu::MainWindow* frame = nullptr;
};

// Lets queued events run (timers at 0 ms, deferred deletes).
void settle();

} // namespace testing_support
