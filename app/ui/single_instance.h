#pragma once

#include <QString>

namespace orbalis {

// The previous-instance test: a lock on a file in the user's runtime folder,
// held for the life of the process. The system takes the lock back when its
// holder ends in any way, so only a live instance refuses a start; whatever
// the file holds (the holder's process id, a crashed run's leftovers, an
// empty or foreign file) does not matter.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& lockName = QStringLiteral("orbalis"));
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other instance holds the lock; this process then holds it
    // until it ends. Also true when no lock can be made at all (problem()
    // says why): the program then runs without the test.
    bool acquire();

    // Whether another holder has the lock now, without taking it.
    bool heldElsewhere() const;

    // Why no lock could be made; empty when the lock works.
    QString problem() const { return problem_; }

    QString lockFilePath() const { return path_; }

  private:
    QString path_;
    int descriptor_ = -1;
    bool held_ = false;
    QString problem_;
};

}  // namespace orbalis
