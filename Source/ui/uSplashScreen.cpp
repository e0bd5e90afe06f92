// PLACEHOLDER (not committed)
#include "uSplashScreen.h"
TfrmSplashScreen *frmSplashScreen = nullptr;
