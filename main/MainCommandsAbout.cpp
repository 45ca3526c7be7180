#include "main/UMain.h"

void TfrmManyYear::N11Click() {}
