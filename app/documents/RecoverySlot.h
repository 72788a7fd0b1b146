#pragma once
// Where one window keeps its recovery copy. Each running window has a slot of
// its own, recovery-N.cpkx, guarded by recovery-N.lock, which the window holds
// while it runs; two windows never write over each other's copy. A copy whose
// lock nobody holds was left by a window that ended without closing (a crash,
// a kill, a lost desktop session).
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

class TRecoverySlot {
public:
    TRecoverySlot();
    ~TRecoverySlot();

    // Writes the copy, claiming a free slot at the first write; never throws:
    // a copy that cannot be written must not interrupt the work.
    void Write(const QByteArray& bytes);
    // Removes this window's copy (a save, a clean exit).
    void Remove();

    // Copies left by windows that no longer run, newest first.
    static QStringList LeftBehind();
    // Removes a copy left behind, unless its window has come back to life.
    static void Discard(const QString& copyPath);

private:
    bool Claim();

    std::unique_ptr<QLockFile> lock_;
    QString copyPath_;
};
