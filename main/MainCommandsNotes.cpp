#include "main/UMain.h"

void TfrmManyYear::N4Click() {}

void TfrmManyYear::N5Click() {}

void TfrmManyYear::N6Click() {}

void TfrmManyYear::N7Click() {}
