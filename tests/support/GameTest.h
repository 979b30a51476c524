#pragma once
// A game in a fresh temporary program folder, with the main frame open and
// every service replaced by its fake.

#include "app/MDIForm1.h"
#include "platform/Form.h"
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
    platform::Forms& forms() { return platform::Forms::instance(); }
    template <class T> T* find() { return forms().find<T>(); }
    // Folder the game runs from in this test.
    QString folder() const { return dir_->path(); }
    // Copies a file the build made (music, tables, pictures) into the folder.
    void copyFromGame(const QString& relativePath);

    std::unique_ptr<QTemporaryDir> dir_;
    kobu::MDIForm1* frame = nullptr;
};

// Lets queued events run (timers at 0 ms, deferred deletes).
void settle();

} // namespace testing_support
