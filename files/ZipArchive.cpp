#include "ZipArchive.h"

#include <unzip.h>

TZipArchive::TZipArchive(const std::string& path) : handle_(unzOpen64(path.c_str())) {}

TZipArchive::~TZipArchive()
{
    if (handle_)
        unzClose(handle_);
}

bool TZipArchive::Select(const QString& part)
{
    constexpr int CaseSensitive = 1;
    return handle_ && unzLocateFile(handle_, part.toUtf8().constData(), CaseSensitive) == UNZ_OK;
}
