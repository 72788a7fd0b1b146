#pragma once
// A zip container (XLSX, ODS) opened for reading through minizip, the zip
// library the results workbook is written with too: one zip library in the
// process, so their functions of the same names never collide.
#include <QString>

#include <string>

class TZipArchive {
public:
    // Throws TFileError "无法打开“file name”：whyNot" when the file is not a
    // readable zip container.
    TZipArchive(const std::string& path, const std::string& whyNot);
    ~TZipArchive();
    TZipArchive(const TZipArchive&) = delete;
    TZipArchive& operator=(const TZipArchive&) = delete;

    // Makes the part (its exact name) the current one; false when it is missing.
    bool Select(const QString& part);
    // minizip's unzFile of the open container.
    void* Handle() const { return handle_; }

private:
    void* handle_ = nullptr;
};
