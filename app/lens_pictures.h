#pragma once

#include <windows.h>

#include "lens/form_filter.h"

namespace pixo {

// Hands the five lens frame pictures from the program's resources to the form.
void LoadLensPictures(HINSTANCE instance, TFormFilter& form);

}  // namespace pixo
