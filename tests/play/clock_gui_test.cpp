#include "app_fixture.h"
#include "play/play.h"
