#include "uFormFont.h"

#include <QStringList>

#include <cstdlib>

namespace {

const char *const kFormFamily = "MS Sans Serif";

void InstallSubstitute()
{
    // Helvetica's metrics are close to the designed face's; the shipped URW fonts carry them.
    static const bool installed = [] {
        QFont::insertSubstitutions(kFormFamily, QStringList() << "Nimbus Sans" << "Liberation Sans" << "DejaVu Sans");
        return true;
    }();
    (void)installed;
}

}  // namespace

QFont FormFont(int height)
{
    InstallSubstitute();
    QFont font(kFormFamily);
    font.setPixelSize(std::abs(height));
    // Set, not inherited: a bold group box must not make its frame's rows bold.
    font.setWeight(QFont::Normal);
    return font;
}
