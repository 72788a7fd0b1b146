#include "XlsxLibrary.h"

#include <dlfcn.h>

#include <optional>
#include <string>

#include "Errors.h"

namespace {

[[noreturn]] void Fail(const std::string& reason)
{
    throw Exception("无法加载写 Excel 工作簿的库 " XLSXWRITER_SONAME "：" + reason);
}

template <typename Function>
void Find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        Fail(std::string("缺少函数 ") + name);
}

TXlsxLibrary Load()
{
    void* library = dlmopen(LM_ID_NEWLM, XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        Fail(dlerror());
    TXlsxLibrary api{};
    Find(library, "workbook_new_opt", api.WorkbookNew);
    Find(library, "workbook_close", api.WorkbookClose);
    Find(library, "workbook_set_properties", api.SetProperties);
    Find(library, "workbook_add_worksheet", api.AddWorksheet);
    Find(library, "workbook_add_format", api.AddFormat);
    Find(library, "format_set_bold", api.SetBold);
    Find(library, "format_set_num_format", api.SetNumFormat);
    Find(library, "worksheet_set_column", api.SetColumn);
    Find(library, "worksheet_write_string", api.WriteString);
    Find(library, "worksheet_write_number", api.WriteNumber);
    Find(library, "worksheet_insert_image_buffer_opt", api.InsertImage);
    Find(library, "lxw_strerror", api.ErrorText);
    return api;
}

}  // namespace

const TXlsxLibrary& XlsxLibrary()
{
    // A failed load is tried again on the next export.
    static std::optional<TXlsxLibrary> loaded;
    if (!loaded)
        loaded = Load();
    return *loaded;
}
