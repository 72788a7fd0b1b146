#include "ResultRecord.h"

#include <memory>

namespace {
std::unique_ptr<TarryCpk>& CurrentCpkHolder()
{
    static std::unique_ptr<TarryCpk> current;
    return current;
}
}  // namespace

TarryCpk* CurrentCpk() { return CurrentCpkHolder().get(); }

TarryCpk& StartNewCurrentCpk()
{
    CurrentCpkHolder() = std::make_unique<TarryCpk>();
    return *CurrentCpkHolder();
}
