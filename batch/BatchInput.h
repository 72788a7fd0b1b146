#pragma once
// The input of cpk-xr-batch through the application's file readers: a text
// file in any of its encodings, a workbook (XLSX, ODS, XLS) or a study file,
// or standard input. Throws TInputError.
#include <istream>
#include <map>
#include <string>

#include "BatchOptions.h"
#include "GridReader.h"
#include "StudyInfo.h"

struct TBatchInput {
    TReadGrid Read;
    // A study file's input fields (Edit6, Edit7, Edit8, Edit32).
    std::map<std::string, std::string> Fields;
    // A study file's study information, for the report.
    TStudyInfo Study;
};

TBatchInput ReadBatchInput(const TBatchOptions& options, std::istream& standardInput, const std::string& localeDecimal);
