#include "platform/dao/AfxDaoTerm.h"

void AfxDaoTerm() {}
