#include "ZipArchive.h"

#include <unzip.h>

#include "FileError.h"
#include "SheetFile.h"

TZipArchive::TZipArchive(const std::string& path, const std::string& whyNot) : handle_(unzOpen64(path.c_str()))
{
    if (!handle_)
        throw TFileError("无法打开“" + FileNameOf(path) + "”：" + whyNot);
}

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
