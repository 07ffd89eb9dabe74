#include "documents/mdichild.h"

namespace scrivlet {

void TMDIScrivletChild::CmIMG() {}
void TMDIScrivletChild::CmBackground() {}
void TMDIScrivletChild::CmApplet() {}
void TMDIScrivletChild::CmOtherTag() {}

} // namespace scrivlet
