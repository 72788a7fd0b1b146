#include "NumberSettings.h"

TNumberSettings& NumberSettings()
{
    static TNumberSettings settings;
    return settings;
}
