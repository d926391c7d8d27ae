#pragma once

#include <QLockFile>
#include <QString>

namespace orbalis {

// The previous-instance test: a lock file in the user's runtime folder, held
// for the life of the process. The lock records the holder's process id, so a
// lock left behind by a crashed instance is recognised as stale and taken over.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& lockName = QStringLiteral("orbalis"));

    // True when no other instance runs; this process then holds the lock
    // until it ends.
    bool acquire();

    QString lockFilePath() const { return path_; }

  private:
    QString path_;
    QLockFile lock_;
};

}  // namespace orbalis
