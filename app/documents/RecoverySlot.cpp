#include "RecoverySlot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

#include "SafeFile.h"
#include "UserPlaces.h"

namespace {

// Far more windows than anyone opens at once; beyond them a window keeps no copy.
constexpr int MaxSlots = 64;

QString LockPathOf(const QString& copyPath)
{
    return copyPath.left(copyPath.size() - int(sizeof(".cpkx") - 1)) + QStringLiteral(".lock");
}

// A lock kept by a window that runs for days is never taken for stale; only
// one whose process is gone is.
std::unique_ptr<QLockFile> TryLock(const QString& copyPath)
{
    auto lock = std::make_unique<QLockFile>(LockPathOf(copyPath));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

}  // namespace

TRecoverySlot::TRecoverySlot() = default;

TRecoverySlot::~TRecoverySlot() = default;

bool TRecoverySlot::Claim()
{
    if (lock_)
        return true;
    const QDir folder(RecoveryFolder());
    folder.mkpath(QStringLiteral("."));
    for (int slot = 1; slot <= MaxSlots; ++slot) {
        const QString copyPath = folder.filePath(QStringLiteral("recovery-%1.cpkx").arg(slot));
        if (QFileInfo::exists(copyPath))
            continue;  // a copy left behind waits to be offered at the next start
        if (auto lock = TryLock(copyPath)) {
            lock_ = std::move(lock);
            copyPath_ = copyPath;
            return true;
        }
    }
    return false;
}

void TRecoverySlot::Write(const QByteArray& bytes)
{
    if (!Claim())
        return;
    try {
        WriteFileSafely(copyPath_, bytes);
    } catch (const std::exception&) {
        // The work goes on without a copy rather than with an interruption.
    }
}

void TRecoverySlot::Remove()
{
    if (!copyPath_.isEmpty())
        QFile::remove(copyPath_);
}

QStringList TRecoverySlot::LeftBehind()
{
    QStringList copies;
    const QFileInfoList found =
        QDir(RecoveryFolder()).entryInfoList({QStringLiteral("recovery*.cpkx")}, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : found)
        if (TryLock(copy.filePath()))  // nobody holds it: its window is gone
            copies << copy.filePath();
    return copies;
}

void TRecoverySlot::Discard(const QString& copyPath)
{
    if (TryLock(copyPath))
        QFile::remove(copyPath);
}
