#include "BatchCompute.h"

#include <new>
#include <stdexcept>

#include "ComputeCommand.h"
#include "DisplayedError.h"
#include "Errors.h"

std::optional<std::string> ComputeAsWindow(TWindowModel& window, TComputeCharts* charts)
{
    // The errors the window's command runner catches, in its order.
    std::string message;
    try {
        RunComputeCommand(window, charts);
        return std::nullopt;
    } catch (const Exception& error) {
        message = error.Message();
    } catch (const std::bad_alloc&) {
        message = "Out of memory";
    } catch (const std::exception& error) {
        message = error.what();
    }
    return DisplayedErrorMessage(message);
}
