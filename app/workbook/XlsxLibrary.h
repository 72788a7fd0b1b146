#pragma once
// libxlsxwriter, loaded into a link-map namespace of its own. QuaZip, which
// the file readers use, carries its own minizip whose functions have the same
// names as those of the minizip libxlsxwriter writes its ZIP container with;
// linked as usual, libxlsxwriter would call QuaZip's (and crash), and QuaZip
// would call minizip's. In its own namespace it sees only its own minizip.
#include <xlsxwriter.h>

struct TXlsxLibrary {
    decltype(&workbook_new_opt) WorkbookNew;
    decltype(&workbook_close) WorkbookClose;
    decltype(&workbook_set_properties) SetProperties;
    decltype(&workbook_add_worksheet) AddWorksheet;
    decltype(&workbook_add_format) AddFormat;
    decltype(&format_set_bold) SetBold;
    decltype(&format_set_num_format) SetNumFormat;
    decltype(&worksheet_set_column) SetColumn;
    decltype(&worksheet_write_string) WriteString;
    decltype(&worksheet_write_number) WriteNumber;
    decltype(&worksheet_insert_image_buffer_opt) InsertImage;
    decltype(&lxw_strerror) ErrorText;
};

// Loaded on first use and kept. Throws an Exception with a Chinese message
// when the library is missing.
const TXlsxLibrary& XlsxLibrary();
