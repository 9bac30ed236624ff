#pragma once

#include <QByteArray>
#include <QString>

namespace reelwright {

// A claim on the plain name a result will take, held while its input converts: an exclusive
// lock (flock) on a small hidden file beside the result. The lock dies with the process however
// it ends, so runs that overlap (and machines sharing the folder, as far as its locks reach
// across) can tell a file another run is converting, and a killed run blocks nobody. Where the
// folder keeps no locks, the claim is a file made exclusively that names its holder, removed
// when it is let go; one left by a killed run of this machine is taken back.
class ResultClaim {
  public:
    enum class State {
        Held,         // this claim holds the name
        Elsewhere,    // another process holds it
        Here,         // another claim of this process holds it
        Unavailable,  // no claim can be made there (see Problem())
    };

    // Claims the plain result name `result`, a full path.
    explicit ResultClaim(const QString& result);
    // Lets go of it, if held.
    ~ResultClaim();
    ResultClaim(const ResultClaim&) = delete;
    ResultClaim& operator=(const ResultClaim&) = delete;

    State Status() const { return state_; }
    bool IsHeld() const { return state_ == State::Held; }
    // Why no claim could be made, in a few words.
    const QString& Problem() const { return problem_; }
    // Where the folder keeps no locks, the system's reason; else empty.
    const QString& NoLocks() const { return noLocks_; }
    // Removes the claim's file, then lets the lock go.
    void Release();

    // The claim's file for a result: in the result's folder, named after the result's name.
    static QString PathFor(const QString& result);
    // The same where the folder keeps no locks: made exclusively, naming its holder.
    static QString HeldPathFor(const QString& result);
    // Whether another process holds the claim on `result`. Makes and changes nothing.
    static bool HeldElsewhere(const QString& result);
    // Removes the claim files in a folder that nobody holds (killed runs left them). How many.
    static int RemoveAbandoned(const QString& folder);

  private:
    void ClaimWithoutLocks(const QByteArray& path);
    static int RemoveLeftWithoutLocks(const QString& folder);

    State state_ = State::Unavailable;
    QString problem_;
    QString noLocks_;
    QByteArray path_;
    int fd_ = -1;
};

}  // namespace reelwright
