#pragma once
// Run-time errors of the game. Each carries the sentence the player is shown,
// in the language of the moment it was thrown; the error guard catches them at
// the edge of every event handler.

#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace platform {

class GameError : public std::runtime_error {
  public:
    explicit GameError(const QString& playerText)
        : std::runtime_error(playerText.toStdString()), text_(playerText) {}
    const QString& playerText() const { return text_; }

  private:
    QString text_;
};

class OverflowError : public GameError {
  public:
    OverflowError()
        : GameError(QCoreApplication::translate(
              "platform::Errors", "数値が大きすぎるか小さすぎます（オーバーフロー）。")) {}
};

class FileError : public GameError {
  public:
    FileError(const QString& what, const QString& path)
        : GameError(what + QStringLiteral("\n") + path), path_(path) {}
    const QString& path() const { return path_; }

  private:
    QString path_;
};

// The file could not be opened at all (missing, not a regular file, too
// large, unreadable), as opposed to one that opened but holds too little.
class UnopenableFileError : public FileError {
  public:
    UnopenableFileError(const QString& what, const QString& path, FileProblem problem)
        : FileError(what, path), problem_(problem) {}
    FileProblem problem() const { return problem_; }

  private:
    FileProblem problem_;
};

// The new file is in place of the old one, but the system could not confirm
// that the folder naming it reached the disk: until it does, a crash or a power
// cut may bring the old file back.
class UnconfirmedReplaceError : public FileError {
  public:
    using FileError::FileError;
};

} // namespace platform
