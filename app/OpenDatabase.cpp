#include "app/Larderwise.h"

void Larderwise::openDatabase() {}
