#include "main/UMain.h"

void TfrmManyYear::N1Click() {}

void TfrmManyYear::DockWeather() {}

bool TfrmManyYear::WeatherShown() const {
    return false;
}
