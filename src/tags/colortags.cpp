#include "documents/mdichild.h"

namespace scrivlet {

void TMDIScrivletChild::CmColorCode() {}
void TMDIScrivletChild::CmBGCOLOR() {}
void TMDIScrivletChild::CmFontColor() {}

} // namespace scrivlet
