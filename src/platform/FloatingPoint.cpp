#include "FloatingPoint.h"

#include <cfenv>

void MaskFloatingPointExceptions()
{
    fedisableexcept(FE_ALL_EXCEPT);
}
