#include "NamedPicture.h"

PictureList allPictures()
{
    PictureList pictures = mainFormPictures();
    pictures += optionFormPictures();
    pictures += processFormPictures();
    pictures += aboutFormPictures();
    pictures += skinKitPictures();
    return pictures;
}
