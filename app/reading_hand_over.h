#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace orbalis {

// A reading file opened while the program runs (a double click on a
// reading file, `orbalis FILE.orb`) goes to the running instance, which
// listens on a local socket in its private lock folder. The file's absolute
// name travels as its bytes and a NUL; the receiver answers with one byte
// once it has it.

// The running instance's side.
class ReadingFileReceiver final : public QObject {
    Q_OBJECT

  public:
    explicit ReadingFileReceiver(QObject* parent = nullptr);

    // Listens at `path`, in place of a socket a crashed run left there; only
    // the holder of the single-instance lock calls it. False when the
    // socket cannot be made (the program then runs without hand-over).
    bool Listen(const QString& path);

  signals:
    void fileReceived(const QString& path);

  private:
    void server_NewConnection();

    QLocalServer server_;
    int connections_ = 0;  // open now
};

// The later start's side: hands `file` (made absolute here) to the instance
// listening at `socketPath`, waiting a few seconds for it to listen if it is
// still starting. True once the instance has the file.
bool HandOverReadingFile(const QString& socketPath, const QString& file);

}  // namespace orbalis
