#pragma once
// Files are written whole or not at all: into a temporary file beside the
// target that is renamed into place only when everything was written.
#include <QByteArray>
#include <QString>

// Throws an Exception whose Chinese message names the file; the target is
// then left as it was (absent or with its earlier contents).
void WriteFileSafely(const QString& path, const QByteArray& contents);
