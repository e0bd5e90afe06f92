#ifndef IRRIKA_UI_USPLASHSCREEN_H
#define IRRIKA_UI_USPLASHSCREEN_H

// The about box: the makers' logos and credits, "Details" for how to reach them, "Ok" to
// close. Its pictures are shipped next to the executable; one that is missing or broken
// leaves its panel empty.

#include <QDialog>

#include <array>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

class TfrmSplashScreen : public QDialog {
public:
    static constexpr int ClientWidth = 729;
    static constexpr int ClientHeight = 450;
    static constexpr int PictureCount = 6;

    explicit TfrmSplashScreen(QWidget *parent = nullptr);

    // "Details": the makers' contact text in an information box.
    void Button1Click();
    // "Ok": closes the box, ending its modal showing.
    void Button2Click();

    // The file name of a logo (0 to 5) in the executable's folder and the label showing it.
    static std::string PictureFile(int index);
    QLabel *Picture(int index) const { return pictures_.at(static_cast<std::size_t>(index)); }

    QFrame *const Bevel1;
    QLabel *const lblSoftware;
    QPushButton *const Button1;
    QPushButton *const Button2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void AddLogo(int index);

    std::array<QLabel *, PictureCount> pictures_{};
};

// The one about box; the launcher creates it (as its owner) and frees it. Null otherwise.
extern TfrmSplashScreen *frmSplashScreen;

#endif
