#pragma once

#include <QString>

namespace orbalis {

// The folder that holds the single-instance lock and the hand-over socket:
// one only this user can reach (owned by the user, no access for anyone
// else, not a link). The runtime folder ($XDG_RUNTIME_DIR) when it is such a
// folder, else the folder "orbalis" in the user's cache folder
// ($XDG_CACHE_HOME or ~/.cache), made private if need be; never a folder
// others share, such as the temporary one. Empty when there is none, with
// `problem` saying why.
QString PrivateLockFolder(QString& problem);

// The previous-instance test: a lock on a file in the private lock folder,
// held for the life of the process. The system takes the lock back when its
// holder ends in any way, so only a live instance refuses a start; whatever
// the file holds does not matter, and it is never written. A link, a
// foreign or shared file in its place is left alone: the program then runs
// without the test.
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

    // Empty when there is no private folder for it.
    QString lockFilePath() const { return path_; }
    // Where the holder listens for reading files handed over by later
    // starts; empty when there is no private folder.
    QString handOverPath() const { return handOverPath_; }

  private:
    QString path_;
    QString handOverPath_;
    int descriptor_ = -1;
    bool held_ = false;
    QString problem_;
};

}  // namespace orbalis
