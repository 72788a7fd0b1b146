// Fuzzer of the data-file readers: any bytes, as a file of any kind (text in
// any encoding, XLSX, ODS, XLS by their first bytes), must be read or refused
// with a TFileError, never crash, hang or read past the bound.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "DataFile.h"
#include "FileError.h"
#include "ImportChoice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/fuzz_data_file." + std::to_string(getpid());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    TDataFileRequest request;
    request.Path = path;
    request.MaxCells = 1000;
    try {
        const TDataFile file = ReadDataFile(request);
        if (file.Table.Rows().size() * file.Table.ColCount() > request.MaxCells)
            __builtin_trap();
        const TImportChoice choice = GuessImport(file.Table, ".");
        ChosenCells(file.Table, choice, file.FileDecimal, ",");
    } catch (const TFileError&) {
    }
    return 0;
}
