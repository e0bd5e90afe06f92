// PLACEHOLDER (not committed)
#ifndef IRRIKA_UI_USPLASHSCREEN_H
#define IRRIKA_UI_USPLASHSCREEN_H
#include <QDialog>
class TfrmSplashScreen : public QDialog { public: explicit TfrmSplashScreen(QWidget *p = nullptr) : QDialog(p) { setWindowTitle("About IRRIKA"); resize(729,450);} };
extern TfrmSplashScreen *frmSplashScreen;
#endif
