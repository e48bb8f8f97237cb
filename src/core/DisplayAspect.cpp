#include "DisplayAspect.h"

int AspectIndexOfCode(int aspectCode)
{
    switch (aspectCode) {
    case 1: return 2;
    case 2: return 0;
    case 3: return 1;
    case 4: return 3;
    default: return SourceAspectIndex;
    }
}

double DisplayAspectOf(int aspectIndex, int videoWidth, int videoHeight)
{
    switch (aspectIndex) {
    case 0: return 4.0 / 3.0;
    case 1: return 16.0 / 9.0;
    case 2: return 1.0;
    case 3: return 2.21;
    default: return videoHeight > 0 ? double(videoWidth) / videoHeight : 1.0;
    }
}
