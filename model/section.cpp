#include "model/section.h"

void Section::Reinitialiser() {
    *this = Section{};
}
