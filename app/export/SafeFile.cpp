#include "SafeFile.h"

#include <QDir>
#include <QSaveFile>

#include "Errors.h"

namespace {

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw Exception(QStringLiteral("无法保存文件“%1”：%2").arg(QDir::toNativeSeparators(path), reason).toStdString());
}

}  // namespace

void WriteFileSafely(const QString& path, const QByteArray& contents)
{
    if (path.isEmpty())
        Fail(path, QStringLiteral("文件名为空"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail(path, file.errorString());
    if (file.write(contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        Fail(path, reason);
    }
    if (!file.commit())
        Fail(path, file.errorString());
}
